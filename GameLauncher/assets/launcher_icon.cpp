#include "assets/launcher_icon.h"

#include "assets/launcher_icon.xpm"

const char* const* const launcherIcons[LAUNCHER_ICON_COUNT] = {
    launcher_icon_16_xpm, launcher_icon_32_xpm, launcher_icon_48_xpm};
