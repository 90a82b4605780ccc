#include "assets/launcher_picture.h"

#include "assets/launcher_picture.xpm"

const char* const* const launcherPicture = launcher_picture_xpm;
