// The program's icon for the X11 windows, drawn by tools/make_picture.py:
// 16, 32 and 48 pixels square, smallest first, 4 bytes a pixel (red, green,
// blue, alpha), row by row. (Windows takes launcher_icon.ico, a resource.)
#pragma once

constexpr int LAUNCHER_ICON_COUNT = 3;
extern const int launcherIconSizes[LAUNCHER_ICON_COUNT];
extern const unsigned char* const launcherIcons[LAUNCHER_ICON_COUNT];
