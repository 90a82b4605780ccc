# The program's version header and manifest, configured from the project's
# version into the build tree; launcher_windows_resources(target) gives a
# Windows program GameLauncher's resources (platform/launcher.rc: icon,
# version information and, except with MSVC's linker, which takes the
# manifest itself, the manifest: DPI-aware, run as invoker).
set(LAUNCHER_GENERATED_DIR ${PROJECT_BINARY_DIR}/generated)
configure_file(${PROJECT_SOURCE_DIR}/GameLauncher/platform/launcher_version.h.in
               ${LAUNCHER_GENERATED_DIR}/launcher_version.h @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/GameLauncher/platform/launcher.manifest.in
               ${LAUNCHER_GENERATED_DIR}/launcher.manifest @ONLY)

function(launcher_windows_resources target)
  set(dir ${PROJECT_SOURCE_DIR}/GameLauncher/platform)
  target_sources(${target} PRIVATE ${dir}/launcher.rc)
  # The resource compiler defines nothing that tells MSVC's toolchain from
  # another (RC_INVOKED only says it is compiling resources), so the build
  # says which of the two embeds the manifest.
  if(MSVC)
    target_sources(${target} PRIVATE ${LAUNCHER_GENERATED_DIR}/launcher.manifest)
  else()
    set_property(SOURCE ${dir}/launcher.rc TARGET_DIRECTORY ${target} APPEND PROPERTY
                 COMPILE_DEFINITIONS LAUNCHER_RC_MANIFEST)
  endif()
  # The resource compiler finds the configured files through the include
  # path, and does not report the files it embeds as dependencies.
  target_include_directories(${target} PRIVATE ${LAUNCHER_GENERATED_DIR}
                             ${PROJECT_SOURCE_DIR}/GameLauncher/assets)
  set_property(SOURCE ${dir}/launcher.rc TARGET_DIRECTORY ${target} APPEND PROPERTY OBJECT_DEPENDS
               ${LAUNCHER_GENERATED_DIR}/launcher.manifest ${LAUNCHER_GENERATED_DIR}/launcher_version.h
               ${PROJECT_SOURCE_DIR}/GameLauncher/assets/launcher_icon.ico)
endfunction()
