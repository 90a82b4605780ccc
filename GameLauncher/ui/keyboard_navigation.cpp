#include "ui/keyboard_navigation.h"

#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Choice.H>
#include <FL/Fl_Window.H>

#include <array>

#include "profiles/profile_list.h"
#include "ui/focus_frame.h"
#include "ui/launcher_window.h"
#include "ui/window_hold.h"

namespace {

// The focus order, as on screen: the choices top to bottom, Start Game, the
// links left to right.
const int CHOICES = 4, START = 4;
std::array<Fl_Widget*, 9> focusOrder() {
    return {modeChoice, languageChoice, profileChoice, volumeChoice,  startButton,
            mailLink,   websiteLink,    usShopLink,    europeShopLink};
}

int focused = START;
bool shown = false;
FocusFrame* mainFrame = nullptr;
FocusFrame* dialogFrame = nullptr;

// A widget the focus may rest on: one that answers (after a start that
// failed, the Start button takes no press).
bool canFocus(Fl_Widget* widget) {
    return widget && widget->active_r() && widget->when() != FL_WHEN_NEVER;
}

void moveFocus(int step) {
    const auto order = focusOrder();
    const int count = static_cast<int>(order.size());
    for (int i = 1; i < count; ++i) {
        const int next = ((focused + step * i) % count + count) % count;
        if (canFocus(order[next])) {
            focused = next;
            return;
        }
    }
}

// One item on, as a pick of it does (the same callbacks); not past the first
// or last item, nor in the profile choice past the last profile (the
// new-profile item is for the menu).
void stepChoice(Fl_Choice* choice, int step) {
    const int items = choice == profileChoice ? ProfileList::count : choice->size() - 1;
    const int current = choice->value();
    const int next = current < 0 ? (step > 0 ? 0 : -1) : current + step;
    if (next < 0 || next >= items || !choice->menu()[next].active()) return;
    choice->redraw();  // as Fl_Choice does on a pick; picked() only records it
    choice->picked(choice->menu() + next);
}

// A choice opens its menu as a click does: Up and Down move in it, Return
// picks, Escape closes it unchanged.
void useFocused() {
    Fl_Widget* widget = focusOrder()[focused];
    if (!canFocus(widget)) return;
    if (focused < CHOICES) {
        widget->handle(FL_PUSH);
    } else if (widget == startButton) {
        pressStartGame();
    } else {
        widget->do_callback();
    }
}

// Return or the keypad's Enter, without a modifier.
bool isEnter(int key, int state) {
    return (key == FL_Enter || key == FL_KP_Enter) &&
           !(state & (FL_SHIFT | FL_CTRL | FL_ALT | FL_META));
}

}  // namespace

void pressStartGame() {
    if (startButton->takesevents() && (startButton->when() & FL_WHEN_RELEASE)) {
        startButton->do_callback();
    }
}

bool isEnterKey() { return isEnter(Fl::event_key(), Fl::event_state()); }

bool handleMainWindowKey(int key, int state) {
    if (state & (FL_CTRL | FL_ALT | FL_META)) return false;
    const bool enter = isEnter(key, state);
    if (!enter && key != FL_Tab && key != ' ' && key != FL_Up && key != FL_Down && key != FL_Left &&
        key != FL_Right) {
        return false;
    }
    // While the game starts and runs nothing answers.
    if (launcherWindowHeld()) return true;
    if (enter && !shown) {
        pressStartGame();
        return true;
    }
    showFocus();
    Fl_Widget* widget = focusOrder()[focused];
    if (enter || key == ' ') {
        useFocused();
    } else if ((key == FL_Left || key == FL_Right) && focused < CHOICES && canFocus(widget)) {
        stepChoice(static_cast<Fl_Choice*>(widget), key == FL_Right ? 1 : -1);
    } else {
        const bool back = key == FL_Up || key == FL_Left || (key == FL_Tab && (state & FL_SHIFT));
        moveFocus(back ? -1 : 1);
    }
    refreshFocusFrames();
    return true;
}

void noticePointerPress(Fl_Window* window) {
    if (window == mainWindow) {
        const auto order = focusOrder();
        for (int i = 0; i < static_cast<int>(order.size()); ++i) {
            if (canFocus(order[i]) && Fl::event_inside(order[i])) focused = i;
        }
    }
    if (shown) {
        shown = false;
        refreshFocusFrames();
    }
}

void showFocus() {
    if (shown) return;
    shown = true;
    refreshFocusFrames();
}

bool focusShown() { return shown; }

Fl_Widget* focusedWidget() { return focusOrder()[focused]; }

void refreshFocusFrames() {
    if (mainFrame) mainFrame->surround(shown ? focusOrder()[focused] : nullptr);
    if (dialogFrame) {
        // In the dialog the toolkit moves the focus; the name field shows it
        // with its cursor, the buttons with the frame.
        Fl_Widget* widget = Fl::focus();
        const bool button =
            widget && widget->window() == dialogFrame->window() && dynamic_cast<Fl_Button*>(widget);
        dialogFrame->surround(shown && button ? widget : nullptr);
    }
}

void buildMainWindowFocus() {
    mainFrame = new FocusFrame();
    focused = START;
}

void buildDialogFocus() { dialogFrame = new FocusFrame(); }

void forgetDialogFocus() { dialogFrame = nullptr; }

void resetKeyboardNavigation() {
    mainFrame = dialogFrame = nullptr;
    focused = START;
    shown = false;
}
