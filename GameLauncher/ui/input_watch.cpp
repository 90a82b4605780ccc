#include "ui/input_watch.h"

#include <FL/Fl.H>
#include <FL/Fl_Window.H>

#include <set>

#include "platform/platform.h"
#include "ui/keyboard_navigation.h"
#include "ui/launcher_window.h"

namespace {

std::set<int> heldKeys;
bool repeated = false;
bool fromController = false;
bool sendingControllerKey = false;
bool keyRepeatsReported = false;

int watch(int event, Fl_Window* window) {
    switch (event) {
        case FL_KEYDOWN:
            // Asked at the first key, long before a key held down repeats,
            // rather than at start-up: a launcher only ever clicked does
            // without the keyboard extension's memory.
            if (!keyRepeatsReported) platform::reportKeyRepeatsAsPresses();
            keyRepeatsReported = true;
            // A controller's keys come as single presses.
            fromController = sendingControllerKey;
            repeated = !sendingControllerKey && !heldKeys.insert(Fl::event_key()).second;
            break;
        case FL_KEYUP:
            if (!sendingControllerKey) heldKeys.erase(Fl::event_key());
            break;
        case FL_PUSH:
            fromController = false;
            noticePointerPress(window);
            break;
        case FL_FOCUS:
        case FL_UNFOCUS:
            // A key released while another program had the keyboard sends
            // no release here.
            heldKeys.clear();
            break;
    }
    int handled = 0;
    if (event == FL_KEYDOWN && window == mainWindow && !Fl::grab()) {
        handled = handleMainWindowKey(Fl::event_key(), Fl::event_state());
    }
    if (!handled) handled = Fl::handle_(event, window);
    // The toolkit moves the dialog's focus itself.
    if (event == FL_KEYDOWN) refreshFocusFrames();
    repeated = false;
    return handled;
}

}  // namespace

void watchInput() {
    Fl::event_dispatch(watch);
}

bool keyIsRepeat() { return repeated; }

void sendControllerKey(Fl_Window* window, int key) {
    static char noText[] = "";
    sendingControllerKey = true;
    Fl::e_keysym = key;
    Fl::e_state = 0;
    Fl::e_text = noText;
    Fl::e_length = 0;
    Fl::handle(FL_KEYDOWN, window);
    Fl::e_keysym = key;  // a callback may have handled other events meanwhile
    Fl::handle(FL_KEYUP, window);
    sendingControllerKey = false;
}

bool lastInputFromController() { return fromController; }

void resetInputWatch() {
    heldKeys.clear();
    repeated = fromController = false;
}
