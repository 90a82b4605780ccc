// The launcher's main window and the handles through which the rest of the
// program relabels, refills and reads its widgets.
#pragma once

class Fl_Window;
class Fl_Button;
class Fl_Choice;

// The window's size at 96 dpi; it opens at this size times uiScale.
const int MAIN_WINDOW_W = 480;
const int MAIN_WINDOW_H = 248;

// The progress line's box at 96 dpi, in the gap between the profile and the
// volume choices; a line too long for it takes that whole gap.
struct Box96 {
    int x, y, w, h;
};
constexpr Box96 PROGRESS_BOX = {200, 123, 260, 10};

extern Fl_Window* mainWindow;
extern Fl_Button* pictureButton;
extern Fl_Choice* modeChoice;
extern Fl_Choice* languageChoice;
extern Fl_Choice* profileChoice;
extern Fl_Choice* volumeChoice;
extern Fl_Button* startButton;
extern Fl_Button* progressLabel;
extern Fl_Button* mailLink;
extern Fl_Button* websiteLink;
extern Fl_Button* usShopLink;
extern Fl_Button* europeShopLink;

// Builds the window with all its widgets at the scale in force, not shown.
// Runs after fl_initialize so that the coordinates stay top-down.
void buildLauncherWindow();

// Lays out the link row from the labels' widths where the boxes made at
// 96 dpi would crowd them. The first link drawn does it; code that measures
// the window without drawing it calls it first.
void layOutLinks();

// Deletes the window and its picture and clears every handle, so that tests
// can build it again from scratch (at another scale, too).
void destroyLauncherWindow();
