#include "ui/launcher_window.h"

#include <FL/Fl_Pixmap.H>
#include <FL/fl_draw.H>
#include <FL/forms.H>

#include <algorithm>
#include <iterator>

#include "assets/launcher_picture.h"
#include "i18n/language_tables.h"
#include "profiles/profile_file.h"
#include "settings/display_modes.h"
#include "settings/launcher_settings.h"
#include "ui/display_mode_choice.h"
#include "ui/fitting_choice.h"
#include "ui/focus_frame.h"
#include "ui/game_handoff.h"
#include "ui/keyboard_navigation.h"
#include "ui/language_switching.h"
#include "ui/links.h"
#include "ui/profile_choice.h"
#include "ui/saved_settings.h"
#include "ui/scale.h"
#include "ui/window_hold.h"

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
const int PICTURE_W = 168;
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

// The picture at the scale in force, made once and kept while the window
// lives.
Fl_Image* launcherImage = nullptr;

Fl_Image* picture() {
    if (!launcherImage) launcherImage = scaledPicture(new Fl_Pixmap(launcherPicture));
    return launcherImage;
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

// True once the link row has been laid out for the window being built.
bool linksLaidOut = false;

// A link's button. The first one drawn lays out the row: measuring the
// labels opens their font, and doing that before the picture is first drawn
// raises start-up's peak memory by about a tenth of a megabyte.
class LinkButton : public Fl_Button {
public:
    using Fl_Button::Fl_Button;
    void draw() override {
        if (!linksLaidOut) layOutLinks();
        Fl_Button::draw();
    }
};

void addChoiceItems() {
    for (const NumberedText& label : modeLabels) modeChoice->add(label.text);
    for (const NumberedText& name : languageNames) languageChoice->add(name.text);
    for (const NumberedText& label : volumeLabels) volumeChoice->add(label.text);
    rebuildProfileChoice();

    modeChoice->value(0);
    languageChoice->value(LauncherSettings::language - 1);
    profileChoice->value(0);
    volumeChoice->value(LauncherSettings::volume);
}

}  // namespace

void buildLauncherWindow() {
    linksLaidOut = false;
    mainWindow = fl_bgn_form(FL_NO_BOX, scaled(MAIN_WINDOW_W), scaled(MAIN_WINDOW_H));
    mainWindow->callback(onLauncherWindowClosed, nullptr);

    Fl_Box* background = addBox(FL_UP_BOX, 0, 0, MAIN_WINDOW_W, MAIN_WINDOW_H, "");
    background->color(FL_GRAY);
    background->selection_color(FL_GRAY);

    pictureButton = addButton(0, 0, PICTURE_W, 256, "");
    pictureButton->image(picture());
    // With the empty label FLTK would keep a text line free below the image
    // and centre both, pushing the picture 8 pixels up; anchor it at the top
    // so that the 8 rows beyond the window's bottom edge are the hidden ones.
    pictureButton->align(FL_ALIGN_TOP | FL_ALIGN_INSIDE);

    for (const ChoiceRow& row : CHOICES) {
        // fl_add_choice, with choices whose texts shrink to fit.
        const ScaledBox box = scaledBox(308, row.y, 160, 30);
        auto* choice = new FittingChoice(box.x, box.y, box.w, box.h, scaled(PICTURE_W));
        fl_add_new(FL_NORMAL_CHOICE, choice);
        choice->relabel(localisedText(row.label));
        *row.handle = choice;
    }
    addChoiceItems();

    startButton = addButton(220, 177, 220, 48, localisedText(TXT_START_GAME));
    startButton->callback(startGame, nullptr);

    progressLabel =
        addButton(PROGRESS_BOX.x, PROGRESS_BOX.y, PROGRESS_BOX.w, PROGRESS_BOX.h, progressText);
    progressLabel->labelcolor(GREY);

    for (const LinkRow& row : LINKS) {
        const ScaledBox box = scaledBox(row.x, LINK_Y, row.w, LINK_H);
        auto* link = new LinkButton(box.x, box.y, box.w, box.h, row.label);
        fl_add_new(FL_NORMAL_BUTTON, link);
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
    // The toolkit's focus stays with the window: keyboard_navigation moves
    // its own, and shows it with its frame, the window's last child.
    for (Fl_Widget* widget : focusless) widget->clear_visible_focus();
    buildMainWindowFocus();

    fl_end_form();
}

// The links read as one line. Each label stays centred in its box as at
// 96 dpi, unless that brings it within 2 pixels (at 96 dpi) of the one
// before, or the focus frame around it within 2 pixels of the window's edge:
// at some scales the link font, rounded to whole sizes, grows faster than
// the boxes, and fonts other than the one the boxes were made for (Wine's,
// for one) are wider. Then the line is laid out again from the labels'
// widths, a space between them, centred where the boxes are.
void layOutLinks() {
    linksLaidOut = true;
    fl_font(FL_HELVETICA, scaled(LINK_LABEL_SIZE));
    // At the window's edges, room for the focus frame too.
    const int margin = scaled(2), edge = margin + focusFrameThickness();
    const int space = static_cast<int>(fl_width(' '));
    int widths[std::size(LINKS)];
    int lineW = -space, right = 0;
    bool crowded = false;
    for (size_t i = 0; i < std::size(LINKS); ++i) {
        const Fl_Button* link = *LINKS[i].handle;
        int h = 0;
        widths[i] = 0;
        fl_measure(link->label(), widths[i], h, 0);
        lineW += widths[i] + space;
        const int left = link->x() + (link->w() - widths[i]) / 2;  // as the toolkit centres it
        crowded |= left < (i ? right + margin : edge);
        right = left + widths[i];
    }
    if (!crowded && right <= mainWindow->w() - edge) return;
    const Fl_Button* first = *LINKS[0].handle;
    const Fl_Button* last = *LINKS[std::size(LINKS) - 1].handle;
    const int centre = (first->x() + last->x() + last->w()) / 2;
    int x = std::max(edge, std::min(centre - lineW / 2, mainWindow->w() - edge - lineW));
    for (size_t i = 0; i < std::size(LINKS); ++i) {
        Fl_Button* link = *LINKS[i].handle;
        link->resize(x, link->y(), widths[i], link->h());
        x += widths[i] + space;
    }
}

void destroyLauncherWindow() {
    delete mainWindow;
    mainWindow = nullptr;
    delete launcherImage;
    launcherImage = nullptr;
    pictureButton = startButton = progressLabel = nullptr;
    modeChoice = languageChoice = profileChoice = volumeChoice = nullptr;
    mailLink = websiteLink = usShopLink = europeShopLink = nullptr;
}
