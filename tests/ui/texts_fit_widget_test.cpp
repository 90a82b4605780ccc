#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Window.H>
#include <gtest/gtest.h>
// After GoogleTest: the toolkit's drawing header brings X11's None macro.
#include <FL/fl_draw.H>
#include <FL/x.H>

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

// A text's size at a font size, wrapped at `wrap` when given.
struct Size {
    int w, h;
};
Size measured(const char* text, int size, int wrap = 0) {
    fl_font(FL_HELVETICA, size);
    Size measure{wrap, 0};
    fl_measure(text, measure.w, measure.h, 0);
    return measure;
}

// Draws a widget once, off screen, as the window's first drawing does.
void drawOffScreen(Fl_Widget& widget) {
    const Fl_Offscreen offscreen = fl_create_offscreen(mainWindow->w(), mainWindow->h());
    fl_begin_offscreen(offscreen);
    widget.draw();
    fl_end_offscreen();
    fl_delete_offscreen(offscreen);
}

// Where a label is drawn: centred in its box (as the toolkit centres it).
struct Extent {
    int left, top, right, bottom;
};
Extent drawnExtent(const Fl_Widget& widget) {
    const Size text = measured(widget.label(), widget.labelsize(),
                               (widget.align() & FL_ALIGN_WRAP) ? widget.w() : 0);
    const int left = widget.x() + (widget.w() - text.w) / 2;
    const int top = widget.y() + (widget.h() - text.h) / 2;
    return {left, top, left + text.w, top + text.h};
}

// Every text of ours, in every language at every quarter scale from 1 to 4,
// with the longest numbers a profile shows, lies whole inside its room and
// clear of its neighbours and of the focus frame: choice labels between the
// picture and their box, choice items inside the box, the progress line in
// its gap, the Start button's texts in the button, the links one line with
// gaps, the dialog's prompt, cancel button and hints.
TEST(TextsFit, EveryTextInEveryLanguageAtEveryScale) {
    Fl::w();  // opens the display, which measuring needs
    test_support::resetLauncherAndWindowState();
    for (double scale = 1; scale <= 4; scale += 0.25) {
        setUiScale(scale);
        const int smallest = scaled(10), pictureRight = scaled(168), t = focusFrameThickness();
        for (int language = 1; language <= LANGUAGE_COUNT; ++language) {
            SCOPED_TRACE(std::to_string(scale) + " " + std::to_string(language));
            LauncherSettings::language = language;
            ProgressSummary::percent = 100;
            ProgressSummary::levelsDone = LEVEL_COUNT;
            ProgressSummary::challengesDone = CHALLENGE_COUNT;
            resetDisplayModes();  // the items a window is built with
            buildLauncherWindow();
            relabelWindow();
            drawOffScreen(*europeShopLink);  // the first link drawn lays out the row

            for (Fl_Choice* choice : {modeChoice, languageChoice, profileChoice, volumeChoice}) {
                // The caption sets the label right-aligned, 3 pixels in.
                const auto* fitting = static_cast<FittingChoice*>(choice);
                const Fl_Box& caption = fitting->caption();
                const int right = caption.x() + caption.w() - 3;
                EXPECT_GE(caption.labelsize(), smallest) << choice->label();
                EXPECT_GE(right - measured(choice->label(), caption.labelsize()).w, pictureRight);
                EXPECT_LT(right, choice->x() - t) << choice->label();
                // Fl_Choice draws its item left of an arrow button of at most
                // 20 pixels, inside a 2-pixel frame, 3 pixels in on each side.
                const int room = choice->w() - std::min(20, choice->h() - 4) - 4 - 6;
                for (int i = 0; i < choice->size() - 1; ++i) {
                    const int size = fitting->shownSize(choice->text(i));
                    EXPECT_TRUE(size >= smallest && measured(choice->text(i), size).w <= room)
                        << choice->text(i);
                }
            }

            const Extent line = drawnExtent(*progressLabel);
            EXPECT_TRUE(progressLabel->labelsize() >= smallest &&
                        !(progressLabel->align() & FL_ALIGN_CLIP) && line.left >= pictureRight &&
                        line.right <= mainWindow->w() &&
                        line.top >= profileChoice->y() + profileChoice->h() &&
                        line.bottom <= volumeChoice->y())
                << progressText;

            const Extent start = drawnExtent(*startButton);
            EXPECT_TRUE(start.left > startButton->x() &&
                        start.right < startButton->x() + startButton->w());
            char unsaved[512], cannotStart[512];
            std::snprintf(unsaved, sizeof unsaved, localisedText(TXT_SETTINGS_NOT_SAVED),
                          "No space left on device");
            std::snprintf(cannotStart, sizeof cannotStart, localisedText(TXT_CANNOT_START), "1.exe",
                          "No such file or directory");
            for (const char* text : {localisedText(TXT_LOADING), static_cast<const char*>(unsaved),
                                     static_cast<const char*>(cannotStart)}) {
                changeLabelToFit(startButton, text, FL_NORMAL_SIZE);
                EXPECT_FALSE(startButton->align() & FL_ALIGN_CLIP) << text;
            }

            // The links: one line right of the picture, gaps between the pieces; the focus frame
            // around one surrounds it, between its neighbours, below Start.
            Fl_Button* const links[] = {mailLink, websiteLink, usShopLink, europeShopLink};
            for (int i = 0; i < 4; ++i) {
                const Extent piece = drawnExtent(*links[i]);
                const int before = i ? drawnExtent(*links[i - 1]).right : pictureRight;
                const int after = i < 3 ? drawnExtent(*links[i + 1]).left : mainWindow->w();
                const FrameBounds frame = focusFrameAround(links[i]);
                EXPECT_TRUE(piece.left >= before + 2 && frame.x >= before &&
                            frame.x + t <= piece.left && frame.x + frame.w - t >= piece.right &&
                            frame.x + frame.w <= after && frame.y + t <= links[i]->y() &&
                            frame.y >= startButton->y() + startButton->h() &&
                            frame.y + frame.h - t > links[i]->y() + links[i]->h() &&
                            frame.y + frame.h <= mainWindow->h())
                    << links[i]->label();
            }

            const Size prompt =
                measured(localisedText(TXT_ENTER_NAME_PROMPT), promptLabelSize(), scaled(PROMPT_W));
            EXPECT_TRUE(prompt.w <= scaled(PROMPT_W) && prompt.h <= scaled(PROMPT_H) &&
                        promptLabelSize() >= scaled(8));
            EXPECT_LE(measured(localisedText(TXT_CANCEL), FL_NORMAL_SIZE).w, scaled(100) - 6);
            // The hints, the reason's format without the reason.
            const ScaledBox hintLine = scaledBox(HINT_X, HINT_Y, HINT_W, HINT_H);
            for (StringId id :
                 {TXT_NAME_NOT_A_FILE_NAME, TXT_PROFILE_LIST_FULL, TXT_PROFILE_NOT_CREATED}) {
                const std::string hint = localisedText(id);
                const Size size =
                    measured(hint.substr(0, hint.find("%s")).c_str(), hintLabelSize());
                EXPECT_TRUE(size.w <= hintLine.w && size.h <= hintLine.h) << hint;
            }
            destroyLauncherWindow();
        }
    }
    test_support::resetLauncherAndWindowState();
}

}  // namespace
