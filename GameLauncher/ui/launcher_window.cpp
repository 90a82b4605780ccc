#include "ui/launcher_window.h"

#include <FL/Fl_Pixmap.H>
#include <FL/forms.H>

#include "assets/launcher_picture.h"
#include "i18n/language_tables.h"
#include "profiles/profile_file.h"
#include "settings/display_modes.h"
#include "settings/launcher_settings.h"
#include "ui/display_mode_choice.h"
#include "ui/game_handoff.h"
#include "ui/language_switching.h"
#include "ui/links.h"
#include "ui/new_profile_dialog.h"
#include "ui/saved_settings.h"
#include "ui/scale.h"

Fl_Window* mainWindow = nullptr;
Fl_Button* pictureButton = nullptr;
Fl_Choice* modeChoice = nullptr;
Fl_Choice* languageChoice = nullptr;
Fl_Choice* profileChoice = nullptr;
Fl_Choice* volumeChoice = nullptr;
Fl_Button* startButton = nullptr;
Fl_Button* progressLabel = nullptr;
Fl_Button* mailLink = nullptr;
Fl_Button* websiteLink = nullptr;
Fl_Button* usShopLink = nullptr;
Fl_Button* europeShopLink = nullptr;

namespace {

const Fl_Color GREY = 0x80808080;
const Fl_Color DARK_BLUE = 0x10108080;
const int LINK_Y = 228;
const int LINK_H = 10;
const int LINK_LABEL_SIZE = 10;

struct ChoiceRow {
    Fl_Choice** handle;
    int y;
    StringId label;
    Fl_Callback* callback;
};

// The four choices, top to bottom, all at x 308 and 160 x 30.
const ChoiceRow CHOICES[] = {
    {&modeChoice, 8, TXT_RESOLUTION, onModeChosen},
    {&languageChoice, 48, TXT_LANGUAGE, onLanguageChosen},
    {&profileChoice, 88, TXT_PLAYER_PROFILE, onProfileChosen},
    {&volumeChoice, 142, TXT_MUSIC_VOLUME, onVolumeChosen},
};

struct LinkRow {
    Fl_Button** handle;
    int x;
    int w;
    const char* label;
    Fl_Callback* callback;
};

// The link labels along the bottom edge, left to right; side by side they
// read as one line, though each is a button of its own.
const LinkRow LINKS[] = {
    {&mailLink, 180, 32, "MAIL", onMailClicked},
    {&websiteLink, 212, 54, "/ WEBSITE", onWebsiteClicked},
    {&usShopLink, 266, 154, "/ US Plumbox KORVANEX SHOP", onUsShopClicked},
    {&europeShopLink, 416, 64, "(EUROPE)", onEuropeShopClicked},
};

// The picture is made once and kept for the life of the process.
Fl_Image* picture() {
    static Fl_Image* image = scaledPicture(new Fl_Pixmap(launcherPicture));
    return image;
}

// fl_add_box and fl_add_button at the scale in force, from 96-dpi rectangles.
Fl_Box* addBox(Fl_Boxtype type, int x, int y, int w, int h, const char* label) {
    const ScaledBox box = scaledBox(x, y, w, h);
    return fl_add_box(type, box.x, box.y, box.w, box.h, label);
}

Fl_Button* addButton(int x, int y, int w, int h, const char* label) {
    const ScaledBox box = scaledBox(x, y, w, h);
    return fl_add_button(FL_NORMAL_BUTTON, box.x, box.y, box.w, box.h, label);
}

void addChoiceItems() {
    for (const NumberedText& label : modeLabels) modeChoice->add(label.text);
    for (const NumberedText& name : languageNames) languageChoice->add(name.text);
    for (const NumberedText& label : volumeLabels) volumeChoice->add(label.text);
    rebuildProfileChoice();

    modeChoice->value(0);
    languageChoice->value(0);
    profileChoice->value(0);
    volumeChoice->value(LauncherSettings::volume);
}

}  // namespace

void buildLauncherWindow() {
    mainWindow = fl_bgn_form(FL_NO_BOX, scaled(MAIN_WINDOW_W), scaled(MAIN_WINDOW_H));

    Fl_Box* background = addBox(FL_UP_BOX, 0, 0, MAIN_WINDOW_W, MAIN_WINDOW_H, "");
    background->color(FL_GRAY);
    background->selection_color(FL_GRAY);

    pictureButton = addButton(0, 0, 168, 256, "");
    pictureButton->image(picture());
    // With the empty label FLTK would keep a text line free below the image
    // and centre both, pushing the picture 8 pixels up; anchor it at the top
    // so that the 8 rows beyond the window's bottom edge are the hidden ones.
    pictureButton->align(FL_ALIGN_TOP | FL_ALIGN_INSIDE);

    for (const ChoiceRow& row : CHOICES) {
        const ScaledBox box = scaledBox(308, row.y, 160, 30);
        *row.handle =
            fl_add_choice(FL_NORMAL_CHOICE, box.x, box.y, box.w, box.h, localisedText(row.label));
    }
    addChoiceItems();

    startButton = addButton(220, 177, 220, 48, localisedText(TXT_START_GAME));
    startButton->callback(startGame, nullptr);

    progressLabel = addButton(200, 123, 260, 10, progressText);
    progressLabel->labelcolor(GREY);

    for (const LinkRow& row : LINKS) {
        Fl_Button* link = addButton(row.x, LINK_Y, row.w, LINK_H, row.label);
        link->labelcolor(DARK_BLUE);
        link->labelsize(scaled(LINK_LABEL_SIZE));
        link->callback(row.callback, nullptr);
        *row.handle = link;
    }

    for (const ChoiceRow& row : CHOICES) (*row.handle)->callback(row.callback, nullptr);

    pictureButton->box(FL_NO_BOX);
    for (const ChoiceRow& row : CHOICES) (*row.handle)->box(FL_PLASTIC_UP_BOX);
    startButton->box(FL_PLASTIC_DOWN_BOX);
    progressLabel->box(FL_NO_BOX);
    for (const LinkRow& row : LINKS) (*row.handle)->box(FL_NO_BOX);

    Fl_Widget* const focusless[] = {pictureButton, modeChoice, languageChoice, profileChoice,
                                    volumeChoice, startButton, progressLabel, mailLink,
                                    websiteLink, usShopLink, europeShopLink};
    for (Fl_Widget* widget : focusless) widget->clear_visible_focus();

    fl_end_form();
}

void destroyLauncherWindow() {
    delete mainWindow;
    mainWindow = nullptr;
    pictureButton = startButton = progressLabel = nullptr;
    modeChoice = languageChoice = profileChoice = volumeChoice = nullptr;
    mailLink = websiteLink = usShopLink = europeShopLink = nullptr;
}
