# FLTK 1.3 with its Forms library. On Linux it comes from Debian's
# libfltk1.3-dev; a Windows build points FLTK_DIR at an FLTK 1.3 build.
# Defines the target Launcher::fltk and LAUNCHER_HAVE_FLTK.
set(LAUNCHER_HAVE_FLTK OFF)
if(WIN32)
  # The whole GameLauncher.exe needs FLTK; without it a Windows build makes
  # the logic library and its tests only. A native build asks for the whole
  # program by default, a cross build when FLTK_DIR is given.
  if(DEFINED FLTK_DIR OR NOT CMAKE_CROSSCOMPILING)
    set(launcher_program_default ON)
  else()
    set(launcher_program_default OFF)
  endif()
  option(LAUNCHER_BUILD_PROGRAM "Build GameLauncher.exe (needs FLTK 1.3 for Windows, FLTK_DIR)"
         ${launcher_program_default})
  if(LAUNCHER_BUILD_PROGRAM)
    # FLTK 1.3 installs no version file, so the version is checked here.
    find_package(FLTK CONFIG QUIET)
    if(NOT FLTK_FOUND OR NOT FLTK_VERSION MATCHES "^1\\.3\\." OR NOT TARGET fltk_forms)
      message(FATAL_ERROR
        "GameLauncher.exe needs FLTK 1.3 with Forms built for this Windows toolchain. "
        "Set FLTK_DIR to the directory holding its FLTKConfig.cmake, or configure with "
        "-DLAUNCHER_BUILD_PROGRAM=OFF to build only the logic library and its tests.")
    endif()
    add_library(Launcher::fltk INTERFACE IMPORTED)
    target_link_libraries(Launcher::fltk INTERFACE fltk_forms fltk)
    target_include_directories(Launcher::fltk INTERFACE ${FLTK_INCLUDE_DIRS})
    # FLTK 1.3's headers choose their Windows side by WIN32, which strict
    # C++17 mode leaves undefined with mingw-w64 (only _WIN32 is).
    target_compile_definitions(Launcher::fltk INTERFACE WIN32)
    set(LAUNCHER_HAVE_FLTK ON)
  endif()
else()
  find_path(FLTK_FORMS_INCLUDE_DIR FL/forms.H)
  find_library(FLTK_LIBRARY fltk)
  find_library(FLTK_FORMS_LIBRARY fltk_forms)
  find_package(X11 REQUIRED)
  if(NOT FLTK_FORMS_INCLUDE_DIR OR NOT FLTK_LIBRARY OR NOT FLTK_FORMS_LIBRARY)
    message(FATAL_ERROR "FLTK 1.3 with Forms not found: apt-get install libfltk1.3-dev")
  endif()
  add_library(Launcher::fltk INTERFACE IMPORTED)
  target_include_directories(Launcher::fltk INTERFACE ${FLTK_FORMS_INCLUDE_DIR})
  target_link_libraries(Launcher::fltk INTERFACE ${FLTK_FORMS_LIBRARY} ${FLTK_LIBRARY} X11::X11)
  set(LAUNCHER_HAVE_FLTK ON)
endif()
