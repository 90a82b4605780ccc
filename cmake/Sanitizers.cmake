# AddressSanitizer + UndefinedBehaviorSanitizer for the whole build.
if(LAUNCHER_SANITIZE)
  set(LAUNCHER_SANITIZER_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=undefined
                               -fno-omit-frame-pointer)
  add_compile_options(${LAUNCHER_SANITIZER_FLAGS})
  add_link_options(${LAUNCHER_SANITIZER_FLAGS})
endif()
