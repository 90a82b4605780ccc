#include "ui/window_icons.h"

#include <FL/Fl_RGB_Image.H>
#include <FL/Fl_Window.H>

#include "assets/launcher_icon.h"
#include "platform/platform.h"

void setWindowIcons() {
#ifdef _WIN32
    // The toolkit copies these and sends them with WM_SETICON to each window
    // it shows (Wine hands them on to the X11 window manager). The loaded
    // pair is kept: two small handles, once.
    platform::ProgramIcons icons = platform::programIcons();
    Fl_Window::default_icons(static_cast<HICON>(icons.large), static_cast<HICON>(icons.small));
#else
    // The toolkit turns the images into the windows' _NET_WM_ICON data at
    // once and keeps only that; the images only wrap the pixels.
    const Fl_RGB_Image* images[LAUNCHER_ICON_COUNT];
    for (int i = 0; i < LAUNCHER_ICON_COUNT; ++i) {
        int size = launcherIconSizes[i];
        images[i] = new Fl_RGB_Image(launcherIcons[i], size, size, 4);
    }
    Fl_Window::default_icons(images, LAUNCHER_ICON_COUNT);
    for (const Fl_RGB_Image* image : images) delete image;
#endif
}
