#include "ui/input_watch.h"

#include <FL/Fl.H>

#include <set>

namespace {

std::set<int> heldKeys;
bool repeated = false;

int watch(int event, Fl_Window* window) {
    switch (event) {
        case FL_KEYDOWN:
            repeated = !heldKeys.insert(Fl::event_key()).second;
            break;
        case FL_KEYUP:
            heldKeys.erase(Fl::event_key());
            break;
        case FL_FOCUS:
        case FL_UNFOCUS:
            // A key released while another program had the keyboard sends
            // no release here.
            heldKeys.clear();
            break;
    }
    return Fl::handle_(event, window);
}

}  // namespace

void watchInput() { Fl::event_dispatch(watch); }

bool keyIsRepeat() { return repeated && (Fl::event() == FL_KEYDOWN || Fl::event() == FL_SHORTCUT); }

void resetInputWatch() {
    heldKeys.clear();
    repeated = false;
}
