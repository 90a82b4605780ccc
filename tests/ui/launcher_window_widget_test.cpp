// The launcher window as buildLauncherWindow makes it, before it is shown.
// clang-format off
// GoogleTest first: the Forms header defines None, a name GoogleTest uses.
#include <gtest/gtest.h>
#include <FL/Fl_Button.H>
#include <FL/Fl_Choice.H>
#include <FL/Fl_Window.H>
#include <FL/forms.H>
// clang-format on

#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "assets/launcher_picture.h"
#include "profiles/profile_file.h"
#include "settings/display_modes.h"
#include "support/test_support.h"
#include "ui/display_mode_choice.h"
#include "ui/game_handoff.h"
#include "ui/language_switching.h"
#include "ui/launcher_window.h"
#include "ui/links.h"
#include "ui/new_profile_dialog.h"
#include "ui/saved_settings.h"

namespace {

class LauncherWindow : public ::testing::Test {
protected:
    // As at start-up: fl_initialize before the window is built keeps the
    // Forms coordinates top-down.
    static void SetUpTestSuite() {
        static char name[] = "launcher_window_widget_test";
        static char* argv[] = {name, nullptr};
        int argc = 1;
        fl_initialize(&argc, argv, "Tarvelline", nullptr, 0);
    }
    void SetUp() override { test_support::resetLauncherState(); }
    void TearDown() override {
        destroyLauncherWindow();
        test_support::resetLauncherState();
    }
};

using Style = std::pair<Fl_Color, int>;  // label colour and size
const Style PLAIN{FL_FOREGROUND_COLOR, 14}, FADED{0x80808080, 14}, LINK{0x10108080, 10};

// Children in creation order, the background first; none but the background
// takes keyboard focus.
TEST_F(LauncherWindow, WidgetsAndItemsAreAsTabled) {
    buildLauncherWindow();
    struct Row {
        Fl_Widget* widget;
        int x, y, w, h;
        Fl_Boxtype box;
        Style label;
        const char* text;
        Fl_Callback* callback;
    };
    Fl_Callback* const NONE = Fl_Widget::default_callback;
    const Fl_Boxtype PLASTIC = FL_PLASTIC_UP_BOX;
    // clang-format off
    const Row rows[] = {
        {mainWindow->child(0), 0, 0, 480, 248, FL_UP_BOX, PLAIN, "", NONE},
        {pictureButton, 0, 0, 168, 256, FL_NO_BOX, PLAIN, "", NONE},
        {modeChoice, 308, 8, 160, 30, PLASTIC, PLAIN, "Resolution", onModeChosen},
        {languageChoice, 308, 48, 160, 30, PLASTIC, PLAIN, "Language", onLanguageChosen},
        {profileChoice, 308, 88, 160, 30, PLASTIC, PLAIN, "Player Profile", onProfileChosen},
        {volumeChoice, 308, 142, 160, 30, PLASTIC, PLAIN, "Music Volume", onVolumeChosen},
        {startButton, 220, 177, 220, 48, FL_PLASTIC_DOWN_BOX, PLAIN, "Start Game", startGame},
        {progressLabel, 200, 123, 260, 10, FL_NO_BOX, FADED, "", NONE},
        {mailLink, 180, 228, 32, 10, FL_NO_BOX, LINK, "MAIL", onMailClicked},
        {websiteLink, 212, 228, 54, 10, FL_NO_BOX, LINK, "/ WEBSITE", onWebsiteClicked},
        {usShopLink, 266, 228, 154, 10, FL_NO_BOX, LINK, "/ US Plumbox KORVANEX SHOP", onUsShopClicked},
        {europeShopLink, 416, 228, 64, 10, FL_NO_BOX, LINK, "(EUROPE)", onEuropeShopClicked},
    };
    // clang-format on
    ASSERT_EQ(mainWindow->children(), 12);
    EXPECT_EQ(mainWindow->child(0)->color(), FL_GRAY);
    for (int i = 0; i < 12; ++i) {
        const Row& row = rows[i];
        Fl_Widget& widget = *mainWindow->child(i);
        SCOPED_TRACE(i);
        ASSERT_EQ(&widget, row.widget);
        EXPECT_EQ(std::vector<int>({widget.x(), widget.y(), widget.w(), widget.h()}),
                  std::vector<int>({row.x, row.y, row.w, row.h}));
        EXPECT_EQ(widget.box(), row.box);
        EXPECT_EQ(widget.labelcolor(), row.label.first);
        EXPECT_EQ(widget.labelsize(), row.label.second);
        EXPECT_STREQ(widget.label() ? widget.label() : "", row.text);
        EXPECT_EQ(widget.callback(), row.callback);
        EXPECT_EQ(widget.user_data(), nullptr);
        EXPECT_EQ(widget.visible_focus() != 0, i == 0);
    }
    // Progress updates rewrite this buffer in place.
    EXPECT_EQ(progressLabel->label(), progressText);

    // The choices' items, joined by '|', and the selected item.
    const std::tuple<Fl_Choice*, const char*, int> choices[] = {
        {modeChoice, "Fullscreen|Windowed 4 3|Windowed 16 9|Windowed 4 3 50p|Windowed 16 9 50p", 0},
        {languageChoice, "English|Français|Español|Italiano|Deutch|Dutch", 0},
        {profileChoice, "Create new profile", 0},
        {volumeChoice, "Off|1|2|3|4|Max", 4},
    };
    for (const auto& [choice, items, selected] : choices) {
        std::string texts;
        for (int i = 0; i < choice->size() - 1; ++i) texts += std::string("|") + choice->text(i);
        EXPECT_EQ(texts.substr(1), items);
        EXPECT_EQ(choice->value(), selected) << items;
    }
}

// The built-in picture's XPM form: 168 x 256 pixels in 256 colours, two
// characters a pixel, every colour an opaque upper-case #RRGGBB.
TEST(LauncherPicture, IsA168By256XpmOf256UpperCaseColoursTwoCharactersAPixel) {
    ASSERT_STREQ(launcherPicture[0], "168 256 256 2");
    std::set<std::string> keys;
    for (int i = 1; i <= 256; ++i) {
        const std::string line = launcherPicture[i];
        ASSERT_EQ(line.size(), 12u) << line;
        EXPECT_EQ(line.find_first_of("\"\\ "), 2u) << "a key of its own, then a space: " << line;
        EXPECT_EQ(line.substr(2, 4), " c #") << line;
        EXPECT_EQ(line.find_first_not_of("0123456789ABCDEF", 6), std::string::npos) << line;
        keys.insert(line.substr(0, 2));
    }
    EXPECT_EQ(keys.size(), 256u) << "keys must be distinct";
    for (int row = 0; row < 256; ++row) {
        const std::string line = launcherPicture[257 + row];
        ASSERT_EQ(line.size(), 2u * 168) << "row " << row;
        for (size_t x = 0; x < line.size(); x += 2) {
            ASSERT_TRUE(keys.count(line.substr(x, 2))) << "row " << row << " pixel " << x / 2;
        }
    }
}

std::vector<std::string> handedOver;

TEST_F(LauncherWindow, EachLinkClickHandsItsOwnTargetOverOnce) {
    const LinkOpener saved = linkOpener;
    linkOpener = [](const char* target) {
        handedOver.emplace_back(target);
        return true;
    };
    buildLauncherWindow();
    for (Fl_Widget* link : {mailLink, websiteLink, usShopLink, europeShopLink, usShopLink}) {
        link->do_callback();
    }
    linkOpener = saved;
    EXPECT_EQ(handedOver,
              (std::vector<std::string>{LINK_TARGETS[0], LINK_TARGETS[1], LINK_TARGETS[2],
                                        LINK_TARGETS[3], LINK_TARGETS[2]}));
}

}  // namespace
