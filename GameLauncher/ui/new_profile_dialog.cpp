#include "ui/new_profile_dialog.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Choice.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Window.H>
#include <FL/fl_ask.H>

#include <cstdio>
#include <cstring>
#include <string>

#include "i18n/language_tables.h"
#include "platform/platform.h"
#include "platform/screen.h"
#include "profiles/profile_file.h"
#include "profiles/profile_list.h"
#include "profiles/profile_names.h"
#include "ui/gamepad_input.h"
#include "ui/input_watch.h"
#include "ui/keyboard_navigation.h"
#include "ui/launcher_window.h"
#include "ui/profile_choice.h"
#include "ui/progress_line.h"
#include "ui/scale.h"
#include "ui/text_fit.h"

Fl_Input* newProfileInput = nullptr;
int newProfileDone = 0;
bool newProfileCreated = false;

namespace {

const int DIALOG_W = 300;
const int DIALOG_H = 123;
// The dialog's top edge lies this far above the screen's middle.
const int DIALOG_RAISE = 52;
const Fl_Align PROMPT_ALIGN = FL_ALIGN_TOP | FL_ALIGN_CLIP | FL_ALIGN_WRAP;

Fl_Window* dialogWindow = nullptr;
Fl_Box* refusedHint = nullptr;

// The dialog's buttons: Return and the keypad's Enter press the focused one,
// as Space does; the focus frame shows the focus, not the toolkit's dotted
// line inside the button.
class DialogButton : public Fl_Button {
public:
    DialogButton(int x, int y, int w, int h, const char* label) : Fl_Button(x, y, w, h, label) {}
    int handle(int event) override {
        if (event != FL_KEYBOARD || Fl::focus() != this || !isEnterKey()) {
            return Fl_Button::handle(event);
        }
        do_callback();
        return 1;
    }

protected:
    void draw() override {
        clear_visible_focus();
        Fl_Button::draw();
        set_visible_focus();
    }
};

// OK also takes Return and Enter wherever the focus is (a shortcut takes one
// key), as a return button does, without the arrow one draws.
class OkButton : public DialogButton {
public:
    OkButton(int x, int y, int w, int h, const char* label) : DialogButton(x, y, w, h, label) {}
    int handle(int event) override {
        if (event != FL_SHORTCUT || !isEnterKey()) return DialogButton::handle(event);
        do_callback();
        return 1;
    }
};

// Beeps and shows `hint` (a copy is taken) under the name.
void refuseName(const char* hint) {
    fl_beep();
    if (refusedHint) {
        refusedHint->copy_label(hint);
        refusedHint->show();
        dialogWindow->redraw();
    }
    if (newProfileInput) {
        newProfileInput->take_focus();
        newProfileInput->position(newProfileInput->size(), 0);
    }
}

// A dialog widget of type T at the scale in force, from its 96-dpi rectangle.
template <class T>
T* made(int x, int y, int w, int h, const char* label) {
    const ScaledBox box = scaledBox(x, y, w, h);
    return new T(box.x, box.y, box.w, box.h, label);
}

void buildDialog() {
    const int width = scaled(DIALOG_W), height = scaled(DIALOG_H);
    dialogWindow = new Fl_Window(width, height, localisedText(TXT_ENTER_NAME_TITLE));
    dialogWindow->resize(screenWidth / 2 - width / 2, screenHeight / 2 - scaled(DIALOG_RAISE),
                         width, height);

    newProfileInput = made<Fl_Input>(16, PROMPT_H, PROMPT_W, 25, "");
    newProfileInput->labeltype(FL_NORMAL_LABEL);
    newProfileInput->label(localisedText(TXT_ENTER_NAME_PROMPT));
    newProfileInput->align(PROMPT_ALIGN);
    newProfileInput->labelsize(promptLabelSize());

    Fl_Button* ok = made<OkButton>(32, 88, 100, 25, "OK");
    Fl_Button* cancel = made<DialogButton>(168, 88, 100, 25, localisedText(TXT_CANCEL));

    // Shown only after a refused name, in the gap above the buttons.
    refusedHint = made<Fl_Box>(HINT_X, HINT_Y, HINT_W, HINT_H, "");
    refusedHint->labelsize(hintLabelSize());
    // Our hints fit in one line; a system reason too long for the line
    // wraps, and what falls below the box is cut.
    refusedHint->align(FL_ALIGN_TOP | FL_ALIGN_INSIDE | FL_ALIGN_WRAP | FL_ALIGN_CLIP);
    refusedHint->labelcolor(FL_RED);
    refusedHint->hide();
    buildDialogFocus();
    dialogWindow->end();

    dialogWindow->show();
    dialogWindow->callback(onNewProfileDone, nullptr);
    cancel->callback(onNewProfileDone, nullptr);
    ok->callback(onNewProfileOk, nullptr);
}

}  // namespace

int promptLabelSize() {
    const int size = largestFittingSize(localisedText(TXT_ENTER_NAME_PROMPT), FL_HELVETICA,
                                        scaled(PROMPT_LABEL_SIZE), scaled(SMALLEST_DIALOG_TEXT),
                                        scaled(PROMPT_W), scaled(PROMPT_H), true);
    return size ? size : scaled(SMALLEST_DIALOG_TEXT);
}

int hintLabelSize() {
    const ScaledBox line = scaledBox(HINT_X, HINT_Y, HINT_W, HINT_H);
    const int size = largestFittingSize("Ag", FL_HELVETICA, scaled(HINT_LABEL_SIZE),
                                        scaled(SMALLEST_DIALOG_TEXT), line.w, line.h);
    return size ? size : scaled(SMALLEST_DIALOG_TEXT);
}

Fl_Widget* openNewProfileDialog() { return dialogWindow; }

void focusProfileName() {
    if (newProfileInput) newProfileInput->take_focus();
}

void suggestProfileName() {
    if (!newProfileInput || newProfileInput->size() > 0) return;
    // The lowest number no listed profile has (at most ten are).
    char name[PROFILE_NAME_SIZE];
    for (int number = 1; number <= MAX_PROFILES + 1; ++number) {
        std::snprintf(name, sizeof name, localisedText(TXT_SUGGESTED_NAME), number);
        if (ProfileList::slotOfFile(name) < 0) break;
    }
    newProfileInput->value(name);
    // Selected, so that typing replaces it.
    newProfileInput->position(newProfileInput->size(), 0);
}

void cancelNewProfileDialog() {
    if (!dialogWindow) return;
    dialogWindow->hide();
    onNewProfileDone(dialogWindow, nullptr);
}

void runNewProfileDialog() {
    // The main window stays live while a dialog waits; a second dialog
    // would share the input and the flags of the first.
    if (dialogWindow) {
        dialogWindow->show();
        return;
    }
    newProfileDone = 0;
    newProfileCreated = false;
    buildDialog();
    // Opened with a controller: a name to confirm with A, or to type over.
    if (lastInputFromController()) suggestProfileName();
    startWatchingGamepads();
    while (!newProfileDone) Fl::wait();
    forgetDialogFocus();
    delete dialogWindow;
    dialogWindow = nullptr;
    newProfileInput = nullptr;
    refusedHint = nullptr;
    // Without a new profile the choice shows the current one again: the last
    // listed profile could be another, and Start Game launches the current.
    if (!newProfileCreated && profileChoice) selectCurrentProfileItem();
}

void onNewProfileOk(Fl_Widget*, void*) {
    const char* text = newProfileInput ? newProfileInput->value() : nullptr;
    if (text && *text) {
        char name[PROFILE_NAME_SIZE];
        bool acceptable = typedProfileName(text, name, sizeof name);
        // A name already listed (or, on Windows, one naming the same file)
        // means that profile, not a second item for it. (None is, when the
        // code page cannot hold the typed one.)
        int listed = name[0] ? ProfileList::slotOfFile(name) : -1;
        std::string why;
        if (listed >= 0) {
            selectProfile(listed);
        } else if (!acceptable || ProfileList::count >= MAX_PROFILES) {
            refuseName(
                localisedText(acceptable ? TXT_PROFILE_LIST_FULL : TXT_NAME_NOT_A_FILE_NAME));
            return;
        } else if (!addProfile(text, why)) {
            // A profile whose file cannot be made is not listed: the dialog
            // stays open and says why.
            char path[PROFILE_NAME_SIZE + 64];
            profileFilePath(name, path, sizeof path);
            std::fprintf(stderr, "Cannot create the profile %s (%s): %s\n", name, path,
                         why.c_str());
            char hint[512];
            std::snprintf(hint, sizeof hint, localisedText(TXT_PROFILE_NOT_CREATED), why.c_str());
            refuseName(hint);
            return;
        }
        newProfileCreated = true;
    }
    newProfileDone = 1;
}

void onNewProfileDone(Fl_Widget*, void*) { newProfileDone = 1; }
