# launcher_windows_manifest(target): embeds GameLauncher's application
# manifest (DPI-aware, run as invoker) in a Windows program. MSVC's linker
# takes the manifest itself; other toolchains compile launcher.rc.
function(launcher_windows_manifest target)
  set(dir ${PROJECT_SOURCE_DIR}/GameLauncher/platform)
  if(MSVC)
    target_sources(${target} PRIVATE ${dir}/launcher.manifest)
  else()
    target_sources(${target} PRIVATE ${dir}/launcher.rc)
    # The resource compiler does not report the manifest as a dependency.
    set_property(SOURCE ${dir}/launcher.rc TARGET_DIRECTORY ${target}
                 APPEND PROPERTY OBJECT_DEPENDS ${dir}/launcher.manifest)
  endif()
endfunction()
