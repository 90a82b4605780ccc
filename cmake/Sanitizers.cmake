# AddressSanitizer + UndefinedBehaviorSanitizer for the whole build, and the
# instrumentation libFuzzer needs in the fuzzing build.
if(LAUNCHER_SANITIZE OR LAUNCHER_FUZZ)
  set(LAUNCHER_SANITIZER_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=undefined
                               -fno-omit-frame-pointer)
  add_compile_options(${LAUNCHER_SANITIZER_FLAGS})
  add_link_options(${LAUNCHER_SANITIZER_FLAGS})
endif()
if(LAUNCHER_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "The fuzzing build needs clang (CXX=clang++).")
  endif()
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()
