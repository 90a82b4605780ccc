#include "ui/gamepad_input.h"

#include <FL/Fl.H>
#include <FL/Fl_Window.H>

#include <algorithm>
#include <chrono>
#include <iterator>
#include <vector>

#include "input/pad_navigation.h"
#include "platform/gamepad.h"
#include "ui/input_watch.h"
#include "ui/keyboard_navigation.h"
#include "ui/launcher_window.h"
#include "ui/new_profile_dialog.h"

namespace {

// After the first window is drawn, the first look for controllers.
const double FIRST_SCAN_SECONDS = 0.2;
// How often to look for controllers plugged in.
const double SCAN_SECONDS = 2.0;
// How often a connected controller that cannot be watched is read.
const double POLL_SECONDS = 1.0 / 60;

bool started = false;
PadNavigation navigation;
platform::PadState lastState;
std::vector<int> watched;

double now() {
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

// Where the keyboard's keys would go: an open menu, else the new-profile
// dialog (its name field focused when nothing in it is), else the window.
Fl_Window* keyTarget() {
    if (Fl::grab()) return Fl::grab();
    if (Fl_Widget* dialog = openNewProfileDialog()) {
        if (!Fl::focus() || Fl::focus()->top_window() != dialog) focusProfileName();
        return dialog->as_window();
    }
    return mainWindow && mainWindow->shown() ? mainWindow : nullptr;
}

// The keyboard's key for each navigation but Start, in NavKey's order.
const int KEYS[] = {FL_Up, FL_Down, FL_Left, FL_Right, FL_Enter, FL_Escape};
static_assert(std::size(KEYS) == static_cast<size_t>(NavKey::Start), "a key for each but Start");

void send(NavKey key) {
    Fl_Window* target = keyTarget();
    if (!target) return;
    showFocus();
    if (key != NavKey::Start) {
        sendControllerKey(target, KEYS[static_cast<int>(key)]);
    } else if (target == mainWindow) {
        // Only in the window itself: not in a menu or the dialog.
        pressStartGame();
    }
}

void onRepeat(void*);

// The keys the controllers' state stands for, sent; and the next repeat of
// a held direction timed.
void feed(const platform::PadState& state) {
    lastState = state;
    for (NavKey key : navigation.update(state, now())) send(key);
    Fl::remove_timeout(onRepeat);
    const double at = navigation.nextRepeatAt();
    if (at >= 0) Fl::add_timeout(std::max(0.0, at - now()), onRepeat);
}

void onRepeat(void*) { feed(lastState); }

void read();
void onReadable(FL_SOCKET, void*) { read(); }

// The toolkit watches each open controller's descriptor (Linux).
void watchDescriptors() {
    const std::vector<int> open = platform::gamepadDescriptors();
    for (int fd : watched) {
        if (std::find(open.begin(), open.end(), fd) == open.end()) Fl::remove_fd(fd);
    }
    for (int fd : open) {
        if (std::find(watched.begin(), watched.end(), fd) == watched.end()) {
            Fl::add_fd(fd, FL_READ, onReadable);
        }
    }
    watched = open;
}

// A controller pulled out is closed here, its buttons and directions
// released.
void read() {
    const platform::PadState state = platform::readGamepads();
    watchDescriptors();
    feed(state);
}

// The next poll and scan are set before the keys are sent: a key may open a
// menu or the dialog, whose loop runs inside this call.
void onPoll(void*) {
    if (!platform::gamepadConnected()) return;
    Fl::repeat_timeout(POLL_SECONDS, onPoll);
    read();
}

void onScan(void*) {
    Fl::repeat_timeout(SCAN_SECONDS, onScan);
    const bool before = platform::gamepadConnected();
    platform::scanGamepads();
    watchDescriptors();
    if (platform::gamepadConnected() && !before) {
        // A player with a controller gets a name to confirm with A.
        suggestProfileName();
        if (platform::gamepadDescriptors().empty()) Fl::add_timeout(POLL_SECONDS, onPoll);
    }
}

}  // namespace

void startWatchingGamepads() {
    if (started) return;
    started = true;
    Fl::add_timeout(FIRST_SCAN_SECONDS, onScan);
}

void stopWatchingGamepads() {
    Fl::remove_timeout(onScan);
    Fl::remove_timeout(onPoll);
    Fl::remove_timeout(onRepeat);
    for (int fd : watched) Fl::remove_fd(fd);
    watched.clear();
    platform::closeGamepads();
    navigation.reset();
    lastState = {};
    started = false;
}
