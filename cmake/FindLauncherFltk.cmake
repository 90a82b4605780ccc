# FLTK 1.3 with its Forms library. On Linux it comes from Debian's
# libfltk1.3-dev; a Windows build uses the FLTK 1.3 build that FLTK_DIR
# points at, or builds FLTK 1.3.8 itself (BuildFltk.cmake).
# Defines the target Launcher::fltk and LAUNCHER_HAVE_FLTK.
set(LAUNCHER_HAVE_FLTK OFF)
if(WIN32)
  # Without the program a Windows build makes the logic library and its
  # tests only, and needs no FLTK.
  option(LAUNCHER_BUILD_PROGRAM "Build GameLauncher.exe and the widget tests (needs FLTK)" ON)
  if(LAUNCHER_BUILD_PROGRAM AND FLTK_DIR)
    # FLTK 1.3 installs no version file, so the version is checked here.
    find_package(FLTK CONFIG QUIET)
    if(NOT FLTK_FOUND OR NOT FLTK_VERSION MATCHES "^1\\.3\\." OR NOT TARGET fltk_forms)
      message(FATAL_ERROR
        "FLTK_DIR (${FLTK_DIR}) holds no FLTK 1.3 with Forms built for this Windows toolchain. "
        "Point it at the directory holding its FLTKConfig.cmake, or leave it unset to have "
        "FLTK 1.3.8 built from source.")
    endif()
    add_library(Launcher::fltk INTERFACE IMPORTED)
    target_link_libraries(Launcher::fltk INTERFACE fltk_forms fltk)
    target_include_directories(Launcher::fltk INTERFACE ${FLTK_INCLUDE_DIRS})
  elseif(LAUNCHER_BUILD_PROGRAM)
    include(BuildFltk)
    add_library(Launcher::fltk INTERFACE IMPORTED)
    target_link_libraries(Launcher::fltk INTERFACE launcher_fltk_libraries)
  endif()
  if(LAUNCHER_BUILD_PROGRAM)
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
