// The launcher's main window and the handles through which the rest of the
// program relabels, refills and reads its widgets.
#pragma once

class Fl_Window;
class Fl_Button;
class Fl_Choice;

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

// Builds the 480 x 248 window with all its widgets, not shown. Runs after
// fl_initialize so that the coordinates stay top-down.
void buildLauncherWindow();

// Deletes the window and clears every handle, so that tests can build it
// again from scratch.
void destroyLauncherWindow();
