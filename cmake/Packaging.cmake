# The package for whoever ships the game: a ZIP holding GameLauncher.exe and
# the notices of what is linked into it (FLTK asks programs linked with it
# statically to say so). `cmake --build BUILD --target package`.
install(TARGETS GameLauncher RUNTIME DESTINATION .)
install(FILES ${PROJECT_SOURCE_DIR}/docs/third_party_notices.txt DESTINATION .)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME GameLauncher)
set(CPACK_PACKAGE_FILE_NAME GameLauncher-${PROJECT_VERSION}-win64)
# Unpacked, the files go straight into the game's installation directory.
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
# Shipped without the debugging information of the build.
set(CPACK_STRIP_FILES ON)
include(CPack)
