#include "assets/launcher_icon.h"

#include "assets/launcher_icon_pixels.h"

const int launcherIconSizes[LAUNCHER_ICON_COUNT] = {16, 32, 48};
const unsigned char* const launcherIcons[LAUNCHER_ICON_COUNT] = {
    launcher_icon_16, launcher_icon_32, launcher_icon_48};
