// The yardstick for the launcher's start-up: a plain FLTK Forms program that
// builds the same window as the launcher shows in the benchmark installation
// (same picture, the four plastic choices with their items and selections,
// the Start button, the progress line and the links) and does no file work
// at all. Whatever the launcher takes beyond this program is its own cost.
#include <FL/Fl_Pixmap.H>
#include <FL/forms.H>

#include "assets/launcher_picture.xpm"

namespace {

const Fl_Color GREY = 0x80808080;
const Fl_Color DARK_BLUE = 0x10108080;

struct ChoiceRow {
    int y;
    const char* label;
    const char* items[7];  // null-terminated; '\' keeps a '/' out of submenus
    int selected;
};

// What the launcher shows for the benchmark installation: profiles Anna and
// Bob, and saved settings naming Bob, mode 3, English, volume 2.
const ChoiceRow CHOICES[] = {
    {8,
     "Resolution",
     {"Fullscreen", "Windowed 4\\/3", "Windowed 16\\/9", "Windowed 4\\/3 half size",
      "Windowed 16\\/9 half size", nullptr},
     2},
    {48,
     "Language",
     {"English",
      "Fran\xc3\xa7"
      "ais",
      "Espa\xc3\xb1ol", "Italiano", "Deutsch", "Nederlands", nullptr},
     0},
    {88, "Player Profile", {"Anna", "Bob", "Create new profile", nullptr}, 1},
    {142, "Music Volume", {"Off", "1", "2", "3", "4", "Max", nullptr}, 2},
};

struct LinkRow {
    int x;
    int w;
    const char* label;
};

const LinkRow LINKS[] = {
    {180, 32, "MAIL"},
    {212, 54, "/ WEBSITE"},
    {266, 154, "/ US Plumbox KORVANEX SHOP"},
    {416, 64, "(EUROPE)"},
};

// The progress line of the benchmark's "Bob" (10 levels, 5 challenges).
const char PROGRESS[] = "16% done (Level 10/64, Challenges 5/25)";

void ignoreWidget(Fl_Widget*, void*) {}

}  // namespace

int main(int argc, char** argv) {
    fl_initialize(&argc, argv, "Tarvelline", nullptr, 0);
    Fl_Window* window = fl_bgn_form(FL_NO_BOX, 480, 248);
    fl_add_box(FL_UP_BOX, 0, 0, 480, 248, "");

    Fl_Button* picture = fl_add_button(FL_NORMAL_BUTTON, 0, 0, 168, 256, "");
    picture->image(new Fl_Pixmap(launcher_picture_xpm));
    picture->align(FL_ALIGN_TOP | FL_ALIGN_INSIDE);  // the launcher's picture hangs from the top
    picture->box(FL_NO_BOX);
    picture->clear_visible_focus();

    for (const ChoiceRow& row : CHOICES) {
        Fl_Choice* choice = fl_add_choice(FL_NORMAL_CHOICE, 308, row.y, 160, 30, row.label);
        for (const char* const* item = row.items; *item; ++item) choice->add(*item);
        choice->value(row.selected);
        choice->box(FL_PLASTIC_UP_BOX);
        choice->callback(ignoreWidget, nullptr);
        choice->clear_visible_focus();
    }

    Fl_Button* start = fl_add_button(FL_NORMAL_BUTTON, 220, 177, 220, 48, "Start Game");
    start->box(FL_PLASTIC_DOWN_BOX);
    start->callback(ignoreWidget, nullptr);
    start->clear_visible_focus();

    Fl_Button* progress = fl_add_button(FL_NORMAL_BUTTON, 200, 123, 260, 10, PROGRESS);
    progress->labelcolor(GREY);
    progress->box(FL_NO_BOX);
    progress->clear_visible_focus();

    for (const LinkRow& row : LINKS) {
        Fl_Button* link = fl_add_button(FL_NORMAL_BUTTON, row.x, 228, row.w, 10, row.label);
        link->labelcolor(DARK_BLUE);
        link->labelsize(10);
        link->box(FL_NO_BOX);
        link->callback(ignoreWidget, nullptr);
        link->clear_visible_focus();
    }
    fl_end_form();

    fl_show_form(window, FL_PLACE_CENTER, FL_FULLBORDER, "Tarvelline (v1.0 Sept09)");
    for (;;) fl_do_forms();
}
