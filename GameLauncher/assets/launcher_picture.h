// The picture along the left edge of the launcher window: 168 x 256 pixels,
// 256 colours, in XPM form.
#pragma once

extern const char* const* const launcherPicture;
