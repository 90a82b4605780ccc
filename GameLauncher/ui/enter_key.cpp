#include "ui/enter_key.h"

#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Window.H>

#include "ui/launcher_window.h"

bool isEnterKey() {
    int key = Fl::event_key();
    return (key == FL_Enter || key == FL_KP_Enter) &&
           !(Fl::event_state() & (FL_SHIFT | FL_CTRL | FL_ALT | FL_META));
}

namespace {

// The toolkit offers a key no widget took as a shortcut to the window under
// the mouse, whichever window has the keyboard: a shortcut of Return on
// Start Game would start the game while the player types a name into the
// dialog (whose OK takes the keys itself). So only the main window's own
// keys count here, and only when a click on Start Game would: not while the
// game starts (the button is output only) nor after it could not be started
// (the button ignores clicks).
int onShortcut(int event) {
    if (event != FL_SHORTCUT || !isEnterKey()) return 0;
    Fl_Window* window = Fl::focus() ? Fl::focus()->top_window() : Fl::first_window();
    if (window != mainWindow || !startButton->takesevents() ||
        !(startButton->when() & FL_WHEN_RELEASE)) {
        return 0;
    }
    startButton->do_callback();
    return 1;
}

}  // namespace

void handleEnterKey() { Fl::add_handler(onShortcut); }
