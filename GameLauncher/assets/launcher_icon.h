// The program's icon for the X11 windows, drawn by tools/make_picture.py:
// 16, 32 and 48 pixels square, in XPM form, smallest first. (Windows takes
// launcher_icon.ico, its resource.)
#pragma once

constexpr int LAUNCHER_ICON_COUNT = 3;
extern const char* const* const launcherIcons[LAUNCHER_ICON_COUNT];
