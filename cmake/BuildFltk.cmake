# FLTK 1.3.8 built from source for a Windows build that is given no FLTK_DIR:
# static, without OpenGL, with FLTK's own zlib, libpng and libjpeg, without
# its tests, examples and FLUID. The sources are a local tree when
# LAUNCHER_FLTK_SOURCE_DIR names one, else release-1.3.8 fetched from FLTK's
# repository. Configured and built inside this build tree, once: later builds
# find it done. Defines the imported target launcher_fltk_libraries.
include(ExternalProject)

set(LAUNCHER_FLTK_SOURCE_DIR "" CACHE PATH
    "FLTK 1.3.8 source tree to build for Windows (absolute, or relative to the project); empty: fetch it")
set(LAUNCHER_FLTK_GIT_REPOSITORY "https://github.com/fltk/fltk.git" CACHE STRING
    "Git repository FLTK is fetched from when no LAUNCHER_FLTK_SOURCE_DIR is given")
# A fixed release, never a branch: every fetch gets the same sources.
set(LAUNCHER_FLTK_GIT_TAG release-1.3.8)

set(fltk_prefix ${CMAKE_BINARY_DIR}/fltk-1.3.8)
set(fltk_binary ${fltk_prefix}/build)
if(LAUNCHER_FLTK_SOURCE_DIR)
  get_filename_component(fltk_source "${LAUNCHER_FLTK_SOURCE_DIR}" ABSOLUTE
                         BASE_DIR ${PROJECT_SOURCE_DIR})
  set(fltk_version_header ${fltk_source}/FL/Enumerations.H)
  if(EXISTS ${fltk_version_header})
    file(STRINGS ${fltk_version_header} fltk_version_lines
         REGEX "^#define FL_(MAJOR|MINOR)_VERSION")
  endif()
  if(NOT fltk_version_lines MATCHES "MAJOR_VERSION[ \t]+1;.*MINOR_VERSION[ \t]+3")
    message(FATAL_ERROR "LAUNCHER_FLTK_SOURCE_DIR (${fltk_source}) holds no FLTK 1.3 sources.")
  endif()
  # The tree is only read (it may lie on a read-only file system).
  set(fltk_sources SOURCE_DIR ${fltk_source} DOWNLOAD_COMMAND "" UPDATE_COMMAND "")
else()
  set(fltk_source ${fltk_prefix}/source)
  set(fltk_sources SOURCE_DIR ${fltk_source}
      GIT_REPOSITORY ${LAUNCHER_FLTK_GIT_REPOSITORY} GIT_TAG ${LAUNCHER_FLTK_GIT_TAG}
      GIT_SHALLOW ON UPDATE_DISCONNECTED ON)
endif()

# FLTK's build honours the same compilers; a cross build hands on its
# toolchain file, resolved the way CMake resolved it for this build.
set(fltk_toolchain)
if(CMAKE_TOOLCHAIN_FILE)
  get_filename_component(toolchain "${CMAKE_TOOLCHAIN_FILE}" ABSOLUTE BASE_DIR ${PROJECT_SOURCE_DIR})
  set(fltk_toolchain -DCMAKE_TOOLCHAIN_FILE:FILEPATH=${toolchain})
endif()

set(fltk_library_names fltk_forms fltk)
set(fltk_library_files)
foreach(name ${fltk_library_names})
  list(APPEND fltk_library_files
       ${fltk_binary}/lib/${CMAKE_STATIC_LIBRARY_PREFIX}${name}${CMAKE_STATIC_LIBRARY_SUFFIX})
endforeach()

ExternalProject_Add(fltk_source_build
  PREFIX ${fltk_prefix}
  ${fltk_sources}
  BINARY_DIR ${fltk_binary}
  CMAKE_ARGS
    ${fltk_toolchain}
    -DCMAKE_C_COMPILER:FILEPATH=${CMAKE_C_COMPILER}
    -DCMAKE_CXX_COMPILER:FILEPATH=${CMAKE_CXX_COMPILER}
    -DCMAKE_BUILD_TYPE:STRING=Release
    -DOPTION_BUILD_SHARED_LIBS:BOOL=OFF
    -DOPTION_USE_GL:BOOL=OFF
    -DOPTION_USE_SYSTEM_ZLIB:BOOL=OFF
    -DOPTION_USE_SYSTEM_LIBPNG:BOOL=OFF
    -DOPTION_USE_SYSTEM_LIBJPEG:BOOL=OFF
    -DFLTK_BUILD_TEST:BOOL=OFF
    -DFLTK_BUILD_EXAMPLES:BOOL=OFF
    -DOPTION_BUILD_HTML_DOCUMENTATION:BOOL=OFF
    -DOPTION_BUILD_PDF_DOCUMENTATION:BOOL=OFF
  BUILD_COMMAND ${CMAKE_COMMAND} --build <BINARY_DIR> --config Release
  INSTALL_COMMAND ""
  BUILD_BYPRODUCTS ${fltk_library_files}
  # FLTK's own compiler output only when its build fails.
  LOG_CONFIGURE ON LOG_BUILD ON LOG_OUTPUT_ON_FAILURE ON)

# The public headers come from the sources, the generated FL/abi-version.h
# from the build; both must exist when this build is generated.
file(MAKE_DIRECTORY ${fltk_source} ${fltk_binary})
add_library(launcher_fltk_libraries INTERFACE IMPORTED)
foreach(name ${fltk_library_names})
  add_library(launcher_${name} STATIC IMPORTED)
  set_target_properties(launcher_${name} PROPERTIES IMPORTED_LOCATION
    ${fltk_binary}/lib/${CMAKE_STATIC_LIBRARY_PREFIX}${name}${CMAKE_STATIC_LIBRARY_SUFFIX})
  add_dependencies(launcher_${name} fltk_source_build)
  target_link_libraries(launcher_fltk_libraries INTERFACE launcher_${name})
endforeach()
target_include_directories(launcher_fltk_libraries INTERFACE ${fltk_source} ${fltk_binary})
# The system libraries FLTK's Windows side calls beyond the default ones.
target_link_libraries(launcher_fltk_libraries INTERFACE comctl32 ws2_32 ole32 uuid)
