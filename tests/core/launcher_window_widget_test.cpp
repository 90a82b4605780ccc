// The launcher window as buildLauncherWindow makes it, before it is shown.
// clang-format off
// GoogleTest first: the Forms header defines None, a name GoogleTest uses.
#include <gtest/gtest.h>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Choice.H>
#include <FL/Fl_Image.H>
#include <FL/Fl_Pixmap.H>
#include <FL/Fl_Window.H>
#include <FL/forms.H>
// clang-format on

#include <cstdio>
#include <string>
#include <vector>

#include "core/game_handoff.h"
#include "core/launcher_window.h"
#include "core/links.h"
#include "i18n/language_switching.h"
#include "i18n/language_tables.h"
#include "profiles/new_profile_dialog.h"
#include "profiles/profile_file.h"
#include "profiles/profile_list.h"
#include "settings/display_modes.h"
#include "settings/launcher_settings.h"
#include "settings/saved_settings.h"
#include "support/test_support.h"

namespace {

const Fl_Color GREY = 0x80808080;
const Fl_Color DARK_BLUE = 0x10108080;

// As at start-up: fl_initialize runs before the window is built, which
// keeps the Forms coordinates top-down.
void initialiseFormsOnce() {
    static bool done = false;
    if (done) return;
    static char name[] = "launcher_window_widget_test";
    static char* argv[] = {name, nullptr};
    int argc = 1;
    fl_initialize(&argc, argv, "Tarvelline", nullptr, 0);
    done = true;
}

void setProfiles(const std::vector<std::string>& names) {
    ProfileList::reset();
    for (const std::string& name : names) {
        std::snprintf(ProfileList::names[ProfileList::count], PROFILE_NAME_SIZE, "%s",
                      name.c_str());
        ++ProfileList::count;
    }
}

std::vector<std::string> items(const Fl_Choice* choice) {
    std::vector<std::string> texts;
    for (int i = 0; i < choice->size() - 1; ++i) {  // size() counts the terminator
        const char* text = choice->text(i);
        texts.push_back(text ? text : "(null)");
    }
    return texts;
}

class LauncherWindow : public ::testing::Test {
protected:
    void SetUp() override {
        initialiseFormsOnce();
        test_support::resetLauncherState();
    }
    void TearDown() override {
        destroyLauncherWindow();
        test_support::resetLauncherState();
    }
    void build() { buildLauncherWindow(); }
};

struct Expected {
    const char* name;
    Fl_Widget* widget;
    int x, y, w, h;
};

TEST_F(LauncherWindow, WindowIs480By248WithNoBoxAndNotShown) {
    build();
    ASSERT_NE(mainWindow, nullptr);
    EXPECT_EQ(mainWindow->w(), 480);
    EXPECT_EQ(mainWindow->h(), 248);
    EXPECT_EQ(mainWindow->box(), FL_NO_BOX);
    EXPECT_EQ(mainWindow->label(), nullptr);
    EXPECT_FALSE(mainWindow->shown());
    EXPECT_FALSE(mainWindow->visible());
    EXPECT_EQ(Fl_Group::current(), nullptr) << "the window's group is left open";
}

TEST_F(LauncherWindow, WindowIsNotResizable) {
    build();
    EXPECT_EQ(mainWindow->resizable(), nullptr);
}

TEST_F(LauncherWindow, WindowKeepsTheDefaultCallbackSoClosingEndsTheLoop) {
    Fl_Window plain(10, 10);
    Fl_Group::current(nullptr);
    build();
    EXPECT_EQ(mainWindow->callback(), plain.callback());
}

TEST_F(LauncherWindow, ChildrenAreTheTwelveWidgetsInCreationOrder) {
    build();
    ASSERT_EQ(mainWindow->children(), 12);
    Fl_Widget* const order[] = {nullptr,       pictureButton, modeChoice,  languageChoice,
                                profileChoice, volumeChoice,  startButton, progressLabel,
                                mailLink,      websiteLink,   usShopLink,  europeShopLink};
    for (int i = 1; i < 12; ++i) {
        ASSERT_NE(order[i], nullptr) << "child " << i;
        EXPECT_EQ(mainWindow->child(i), order[i]) << "child " << i;
        EXPECT_EQ(order[i]->parent(), mainWindow) << "child " << i;
    }
    EXPECT_NE(dynamic_cast<Fl_Box*>(mainWindow->child(0)), nullptr) << "background first";
}

TEST_F(LauncherWindow, BackgroundIsARaisedGreyBoxOverTheWholeWindow) {
    build();
    Fl_Widget* background = mainWindow->child(0);
    EXPECT_EQ(background->x(), 0);
    EXPECT_EQ(background->y(), 0);
    EXPECT_EQ(background->w(), 480);
    EXPECT_EQ(background->h(), 248);
    EXPECT_EQ(background->box(), FL_UP_BOX);
    EXPECT_EQ(background->color(), FL_GRAY);
    EXPECT_EQ(background->selection_color(), FL_GRAY);
    EXPECT_STREQ(background->label(), "");
    EXPECT_TRUE(background->visible_focus());
}

TEST_F(LauncherWindow, GeometryIsTopDownAsTabled) {
    build();
    const Expected rows[] = {
        {"picture", pictureButton, 0, 0, 168, 256},
        {"mode", modeChoice, 308, 8, 160, 30},
        {"language", languageChoice, 308, 48, 160, 30},
        {"profile", profileChoice, 308, 88, 160, 30},
        {"volume", volumeChoice, 308, 142, 160, 30},
        {"start", startButton, 220, 177, 220, 48},
        {"progress", progressLabel, 200, 123, 260, 10},
        {"mail", mailLink, 180, 228, 32, 10},
        {"website", websiteLink, 212, 228, 54, 10},
        {"us shop", usShopLink, 266, 228, 154, 10},
        {"europe shop", europeShopLink, 416, 228, 64, 10},
    };
    for (const Expected& row : rows) {
        ASSERT_NE(row.widget, nullptr) << row.name;
        EXPECT_EQ(row.widget->x(), row.x) << row.name;
        EXPECT_EQ(row.widget->y(), row.y) << row.name;
        EXPECT_EQ(row.widget->w(), row.w) << row.name;
        EXPECT_EQ(row.widget->h(), row.h) << row.name;
    }
}

TEST_F(LauncherWindow, BoxTypes) {
    build();
    EXPECT_EQ(pictureButton->box(), FL_NO_BOX);
    for (Fl_Choice* choice : {modeChoice, languageChoice, profileChoice, volumeChoice}) {
        EXPECT_EQ(choice->box(), FL_PLASTIC_UP_BOX);
    }
    EXPECT_EQ(startButton->box(), FL_PLASTIC_DOWN_BOX);
    EXPECT_EQ(startButton->box(), FL_PLASTIC_UP_BOX + 1);
    for (Fl_Button* label : {progressLabel, mailLink, websiteLink, usShopLink, europeShopLink}) {
        EXPECT_EQ(label->box(), FL_NO_BOX);
    }
}

TEST_F(LauncherWindow, ButtonsAndChoicesAreOfTheNormalKind) {
    build();
    EXPECT_EQ(pictureButton->type(), FL_NORMAL_BUTTON);
    for (Fl_Button* button :
         {startButton, progressLabel, mailLink, websiteLink, usShopLink, europeShopLink}) {
        EXPECT_EQ(button->type(), FL_NORMAL_BUTTON);
        EXPECT_EQ(button->align(), FL_ALIGN_CENTER);
    }
    for (Fl_Choice* choice : {modeChoice, languageChoice, profileChoice, volumeChoice}) {
        EXPECT_EQ(choice->type(), FL_NORMAL_CHOICE);
        EXPECT_EQ(choice->align(), FL_ALIGN_LEFT);
        EXPECT_EQ(choice->when(), FL_WHEN_RELEASE);
    }
}

TEST_F(LauncherWindow, LabelsAreEnglishAtStartUp) {
    build();
    EXPECT_STREQ(modeChoice->label(), "Resolution");
    EXPECT_STREQ(languageChoice->label(), "Language");
    EXPECT_STREQ(profileChoice->label(), "Player Profile");
    EXPECT_STREQ(volumeChoice->label(), "Music Volume");
    EXPECT_STREQ(startButton->label(), "Start Game");
    EXPECT_STREQ(mailLink->label(), "MAIL");
    EXPECT_STREQ(websiteLink->label(), "/ WEBSITE");
    EXPECT_STREQ(usShopLink->label(), "/ US Plumbox KORVANEX SHOP");
    EXPECT_STREQ(europeShopLink->label(), "(EUROPE)");
    // The picture shows no text (an empty or absent label).
    EXPECT_TRUE(!pictureButton->label() || !*pictureButton->label());
}

TEST_F(LauncherWindow, LabelsPointIntoTheTablesAndTheProgressBuffer) {
    build();
    EXPECT_EQ(modeChoice->label(), localisedText(TXT_RESOLUTION));
    EXPECT_EQ(languageChoice->label(), localisedText(TXT_LANGUAGE));
    EXPECT_EQ(profileChoice->label(), localisedText(TXT_PLAYER_PROFILE));
    EXPECT_EQ(volumeChoice->label(), localisedText(TXT_MUSIC_VOLUME));
    EXPECT_EQ(startButton->label(), localisedText(TXT_START_GAME));
    EXPECT_EQ(progressLabel->label(), progressText);
    EXPECT_STREQ(progressLabel->label(), "");
}

TEST_F(LauncherWindow, LabelsComeFromTheLanguageInForceWhenBuilt) {
    LauncherSettings::language = 3;
    build();
    EXPECT_STREQ(modeChoice->label(), "Resoluci\xC3\xB3n");
    EXPECT_STREQ(startButton->label(), "Iniciar el juego");
    EXPECT_EQ(items(profileChoice).back(), "Crear un nuevo perfil");
}

TEST_F(LauncherWindow, LabelColoursAndSizes) {
    build();
    EXPECT_EQ(progressLabel->labelcolor(), GREY);
    EXPECT_EQ(progressLabel->labelsize(), 14);
    for (Fl_Button* link : {mailLink, websiteLink, usShopLink, europeShopLink}) {
        EXPECT_EQ(link->labelcolor(), DARK_BLUE);
        EXPECT_EQ(link->labelsize(), 10);
    }
    for (Fl_Widget* widget :
         {static_cast<Fl_Widget*>(pictureButton), static_cast<Fl_Widget*>(modeChoice),
          static_cast<Fl_Widget*>(languageChoice), static_cast<Fl_Widget*>(profileChoice),
          static_cast<Fl_Widget*>(volumeChoice), static_cast<Fl_Widget*>(startButton)}) {
        EXPECT_EQ(widget->labelcolor(), FL_FOREGROUND_COLOR);
        EXPECT_EQ(widget->labelsize(), 14);
        EXPECT_EQ(widget->labelfont(), FL_HELVETICA);
    }
}

TEST_F(LauncherWindow, PictureIsTheFullImageOnTheButton) {
    build();
    Fl_Image* image = pictureButton->image();
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->w(), 168);
    EXPECT_EQ(image->h(), 256);
    EXPECT_NE(dynamic_cast<Fl_Pixmap*>(image), nullptr);
}

TEST_F(LauncherWindow, PictureIsMadeOnceForTheWholeRun) {
    build();
    Fl_Image* first = pictureButton->image();
    destroyLauncherWindow();
    build();
    EXPECT_EQ(pictureButton->image(), first);
}

TEST_F(LauncherWindow, ModeItemsHoldTheirInitialTextsWithoutSubmenus) {
    build();
    EXPECT_EQ(items(modeChoice),
              (std::vector<std::string>{"Fullscreen", "Windowed 4 3", "Windowed 16 9",
                                        "Windowed 4 3 50p", "Windowed 16 9 50p"}));
}

TEST_F(LauncherWindow, LanguageItemsAreTheSixNames) {
    build();
    EXPECT_EQ(items(languageChoice),
              (std::vector<std::string>{"English",
                                        "Fran\xC3\xA7"
                                        "ais",
                                        "Espa\xC3\xB1ol", "Italiano", "Deutch", "Dutch"}));
}

TEST_F(LauncherWindow, VolumeItemsRunFromOffToMax) {
    build();
    EXPECT_EQ(items(volumeChoice), (std::vector<std::string>{"Off", "1", "2", "3", "4", "Max"}));
}

TEST_F(LauncherWindow, WithoutProfilesTheNewProfileItemIsAloneAndSelected) {
    build();
    EXPECT_EQ(items(profileChoice), std::vector<std::string>{"Create new profile"});
    EXPECT_EQ(profileChoice->value(), 0);
}

TEST_F(LauncherWindow, ProfilesComeInSlotOrderBeforeTheNewProfileItem) {
    setProfiles({"Zoe", "anna", "Bob"});
    build();
    EXPECT_EQ(items(profileChoice),
              (std::vector<std::string>{"Zoe", "anna", "Bob", "Create new profile"}));
    EXPECT_EQ(profileChoice->value(), 0);
}

TEST_F(LauncherWindow, TenProfilesGiveElevenItems) {
    std::vector<std::string> names;
    for (int i = 0; i < MAX_PROFILES; ++i) names.push_back("Player" + std::to_string(i));
    setProfiles(names);
    build();
    std::vector<std::string> texts = items(profileChoice);
    ASSERT_EQ(texts.size(), 11u);
    EXPECT_EQ(texts[9], "Player9");
    EXPECT_EQ(texts[10], "Create new profile");
}

TEST_F(LauncherWindow, SelectionsStartOnTheFirstItemsAndVolumeFour) {
    build();
    EXPECT_EQ(modeChoice->value(), 0);
    EXPECT_EQ(languageChoice->value(), 0);
    EXPECT_EQ(profileChoice->value(), 0);
    EXPECT_EQ(volumeChoice->value(), 4);
    EXPECT_STREQ(volumeChoice->text(), "4");
}

TEST_F(LauncherWindow, VolumeSelectionFollowsTheSettingInForce) {
    LauncherSettings::volume = 1;
    build();
    EXPECT_EQ(volumeChoice->value(), 1);
}

TEST_F(LauncherWindow, CallbacksAreInstalledWithoutUserData) {
    build();
    struct Row {
        Fl_Widget* widget;
        Fl_Callback* callback;
    };
    const Row rows[] = {
        {modeChoice, onModeChosen},
        {languageChoice, onLanguageChosen},
        {profileChoice, onProfileChosen},
        {volumeChoice, onVolumeChosen},
        {startButton, startGame},
        {mailLink, onMailClicked},
        {websiteLink, onWebsiteClicked},
        {usShopLink, onUsShopClicked},
        {europeShopLink, onEuropeShopClicked},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(row.widget->callback(), row.callback) << row.widget->label();
        EXPECT_EQ(row.widget->user_data(), nullptr) << row.widget->label();
    }
}

TEST_F(LauncherWindow, PictureAndProgressLineKeepTheDefaultCallback) {
    build();
    EXPECT_EQ(pictureButton->callback(), Fl_Widget::default_callback);
    EXPECT_EQ(progressLabel->callback(), Fl_Widget::default_callback);
    EXPECT_EQ(mainWindow->child(0)->callback(), Fl_Widget::default_callback);
}

TEST_F(LauncherWindow, ElevenWidgetsTakeNoKeyboardFocus) {
    build();
    for (Fl_Widget* widget :
         {static_cast<Fl_Widget*>(pictureButton), static_cast<Fl_Widget*>(modeChoice),
          static_cast<Fl_Widget*>(languageChoice), static_cast<Fl_Widget*>(profileChoice),
          static_cast<Fl_Widget*>(volumeChoice), static_cast<Fl_Widget*>(startButton),
          static_cast<Fl_Widget*>(progressLabel), static_cast<Fl_Widget*>(mailLink),
          static_cast<Fl_Widget*>(websiteLink), static_cast<Fl_Widget*>(usShopLink),
          static_cast<Fl_Widget*>(europeShopLink)}) {
        EXPECT_FALSE(widget->visible_focus()) << (widget->label() ? widget->label() : "");
    }
    EXPECT_TRUE(mainWindow->visible_focus());
}

TEST_F(LauncherWindow, DestroyClearsEveryHandle) {
    build();
    destroyLauncherWindow();
    for (void* handle : {static_cast<void*>(mainWindow), static_cast<void*>(pictureButton),
                         static_cast<void*>(modeChoice), static_cast<void*>(languageChoice),
                         static_cast<void*>(profileChoice), static_cast<void*>(volumeChoice),
                         static_cast<void*>(startButton), static_cast<void*>(progressLabel),
                         static_cast<void*>(mailLink), static_cast<void*>(websiteLink),
                         static_cast<void*>(usShopLink), static_cast<void*>(europeShopLink)}) {
        EXPECT_EQ(handle, nullptr);
    }
}

}  // namespace
