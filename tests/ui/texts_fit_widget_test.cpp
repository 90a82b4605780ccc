#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Window.H>
#include <gtest/gtest.h>
// After GoogleTest: the toolkit's drawing header brings X11's None macro.
#include <FL/fl_draw.H>
#include <FL/forms.H>

#include <algorithm>
#include <cstdio>
#include <string>

#include "i18n/language_tables.h"
#include "profiles/profile_file.h"
#include "settings/display_modes.h"
#include "support/window_test_support.h"
#include "ui/fitting_choice.h"
#include "ui/focus_frame.h"
#include "ui/label_change.h"
#include "ui/language_switching.h"
#include "ui/launcher_window.h"
#include "ui/new_profile_dialog.h"
#include "ui/scale.h"

namespace {

// Where a label of `widget` is drawn: its text measured at its size, placed
// as the toolkit places it (centred in the box unless aligned to a side).
struct Extent {
    int left, top, right, bottom;
};

Extent drawnExtent(const Fl_Widget& widget) {
    fl_font(widget.labelfont(), widget.labelsize());
    int w = (widget.align() & FL_ALIGN_WRAP) ? widget.w() : 0, h = 0;
    fl_measure(widget.label(), w, h, 0);
    const int left = widget.x() + (widget.w() - w) / 2, top = widget.y() + (widget.h() - h) / 2;
    return {left, top, left + w, top + h};
}

int textWidth(const char* text, int size) {
    fl_font(FL_HELVETICA, size);
    int w = 0, h = 0;
    fl_measure(text, w, h, 0);
    return w;
}

// Every text of ours, in every language at every quarter scale from 1 to 4,
// with the longest numbers a profile shows, lies whole inside its room and
// clear of its neighbours: choice labels between the picture and their box,
// choice items inside the box, the progress line in its gap, the Start
// button's texts in the button, the links one line with gaps, the dialog's
// prompt, cancel button and hints.
TEST(TextsFit, EveryTextInEveryLanguageAtEveryScale) {
    Fl::w();      // opens the display, which measuring needs
    fl_flip = 0;  // top-down coordinates, as fl_initialize leaves them
    test_support::resetLauncherAndWindowState();
    for (double scale = 1; scale <= 4; scale += 0.25) {
        setUiScale(scale);
        const int smallest = scaled(10), pictureRight = scaled(168);
        for (int language = 1; language <= LANGUAGE_COUNT; ++language) {
            SCOPED_TRACE("scale " + std::to_string(scale) + ", language " +
                         std::to_string(language));
            LauncherSettings::language = language;
            ProgressSummary::percent = 100;
            ProgressSummary::levelsDone = LEVEL_COUNT;
            ProgressSummary::challengesDone = CHALLENGE_COUNT;
            resetDisplayModes();  // the items a window is built with
            buildLauncherWindow();
            relabelWindow();

            for (Fl_Choice* choice : {modeChoice, languageChoice, profileChoice, volumeChoice}) {
                // The label's caption sets it right-aligned, 3 pixels in; it
                // keeps clear of the focus frame around the box.
                const Fl_Box& caption = static_cast<FittingChoice*>(choice)->caption();
                const int right = caption.x() + caption.w() - 3;
                EXPECT_GE(caption.labelsize(), smallest) << choice->label();
                EXPECT_GE(right - textWidth(choice->label(), caption.labelsize()), pictureRight)
                    << choice->label();
                EXPECT_LT(right, choice->x() - focusFrameThickness()) << choice->label();
                // Fl_Choice draws its item left of an arrow button of at most
                // 20 pixels, inside a 2-pixel frame, 3 pixels in on each side.
                const int room = choice->w() - std::min(20, choice->h() - 4) - 4 - 6;
                for (int i = 0; i < choice->size() - 1; ++i) {
                    const char* item = choice->text(i);
                    const int size = static_cast<FittingChoice*>(choice)->shownSize(item);
                    EXPECT_GE(size, smallest) << item;
                    EXPECT_LE(textWidth(item, size), room) << item;
                }
            }

            const Extent line = drawnExtent(*progressLabel);
            EXPECT_GE(progressLabel->labelsize(), smallest);
            EXPECT_FALSE(progressLabel->align() & FL_ALIGN_CLIP);
            EXPECT_GE(line.left, pictureRight) << progressText;
            EXPECT_LE(line.right, mainWindow->w()) << progressText;
            EXPECT_GE(line.top, profileChoice->y() + profileChoice->h()) << progressText;
            EXPECT_LE(line.bottom, volumeChoice->y()) << progressText;

            const Extent start = drawnExtent(*startButton);
            EXPECT_TRUE(start.left > startButton->x() &&
                        start.right < startButton->x() + startButton->w())
                << startButton->label();
            char message[512];
            std::snprintf(message, sizeof message, localisedText(TXT_SETTINGS_NOT_SAVED),
                          "No space left on device");
            char cannotStart[512];
            std::snprintf(cannotStart, sizeof cannotStart, localisedText(TXT_CANNOT_START), "1.exe",
                          "No such file or directory");
            const char* const startTexts[] = {localisedText(TXT_LOADING), message, cannotStart};
            for (const char* text : startTexts) {
                changeLabelToFit(startButton, text, FL_NORMAL_SIZE);
                EXPECT_FALSE(startButton->align() & FL_ALIGN_CLIP) << text;
            }

            // The links: one line, gaps between the pieces; the focus frame
            // around one stays between its neighbours, below Start Game.
            const Fl_Button* const links[] = {mailLink, websiteLink, usShopLink, europeShopLink};
            for (int i = 0; i < 4; ++i) {
                const Extent piece = drawnExtent(*links[i]);
                const int before = i ? drawnExtent(*links[i - 1]).right : 0;
                const int after = i < 3 ? drawnExtent(*links[i + 1]).left : mainWindow->w();
                EXPECT_TRUE(piece.left >= before + 2 && piece.right <= after) << links[i]->label();
                const FrameBounds frame = focusFrameAround(const_cast<Fl_Button*>(links[i]));
                const int t = focusFrameThickness();
                EXPECT_TRUE(frame.x >= before && frame.x + frame.w <= after) << links[i]->label();
                EXPECT_TRUE(frame.x + t <= piece.left && frame.x + frame.w - t >= piece.right &&
                            frame.y + t <= links[i]->y() &&
                            frame.y + frame.h - t > links[i]->y() + links[i]->h())
                    << links[i]->label();
                EXPECT_GE(frame.y, startButton->y() + startButton->h());
                EXPECT_LE(frame.y + frame.h, mainWindow->h());
            }

            const int prompt = promptLabelSize();
            fl_font(FL_HELVETICA, prompt);
            int w = scaled(PROMPT_W), h = 0;
            fl_measure(localisedText(TXT_ENTER_NAME_PROMPT), w, h, 0);
            EXPECT_TRUE(w <= scaled(PROMPT_W) && h <= scaled(PROMPT_H) && prompt >= scaled(8));
            EXPECT_LE(textWidth(localisedText(TXT_CANCEL), FL_NORMAL_SIZE), scaled(100) - 6);
            // The hints, the reason's format without the reason.
            for (StringId id :
                 {TXT_NAME_NOT_A_FILE_NAME, TXT_PROFILE_LIST_FULL, TXT_PROFILE_NOT_CREATED}) {
                const std::string hint = localisedText(id);
                const ScaledBox line = scaledBox(HINT_X, HINT_Y, HINT_W, HINT_H);
                fl_font(FL_HELVETICA, hintLabelSize());
                w = h = 0;
                fl_measure(hint.substr(0, hint.find("%s")).c_str(), w, h, 0);
                EXPECT_TRUE(w <= line.w && h <= line.h) << hint;
            }
            destroyLauncherWindow();
        }
    }
    test_support::resetLauncherAndWindowState();
}

}  // namespace
