#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Choice.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Window.H>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "core/launcher_window.h"
#include "core/screen.h"
#include "profile_test_support.h"
#include "profiles/new_profile_dialog.h"
#include "profiles/profile_file.h"
#include "profiles/profile_list.h"
#include "settings/launcher_settings.h"
#include "support/test_support.h"

using namespace profile_tests;
namespace fs = std::filesystem;

namespace {

const char* const ZERO_LINE = "0% done (Level 0/64, Challenges 0/25)";

class ProfileChoiceTest : public ::testing::Test {
protected:
    void SetUp() override {
        test_support::resetLauncherState();
        fs::create_directories("Data/Profils");
    }
    void TearDown() override {
        destroyLauncherWindow();
        test_support::resetLauncherState();
    }

    void listProfiles(const std::vector<std::string>& names) {
        for (const std::string& name : names) ProfileList::append(name.c_str());
        std::snprintf(currentProfileName, sizeof currentProfileName, "%s",
                      names.empty() ? "" : names[0].c_str());
    }

    std::vector<std::string> itemLabels() const {
        std::vector<std::string> labels;
        for (int i = 0; i < profileChoice->size() - 1; ++i)
            labels.push_back(profileChoice->menu()[i].label());
        return labels;
    }

    void pick(int index) {
        profileChoice->value(index);
        onProfileChosen(profileChoice, nullptr);
    }

    test_support::ScratchDirectory scratch;
};

TEST_F(ProfileChoiceTest, EmptyListShowsOnlyTheNewProfileItem) {
    buildLauncherWindow();
    EXPECT_EQ(itemLabels(), std::vector<std::string>{"Create new profile"});
}

TEST_F(ProfileChoiceTest, MenuSyntaxCharactersAndDuplicatesGiveOneLiteralItemPerSlot) {
    listProfiles({"a/b", "back\\slash", "x|y", "_lead", "Anna", "Anna", "tab\tkey"});
    buildLauncherWindow();
    EXPECT_EQ(itemLabels(), (std::vector<std::string>{"a/b", "back\\slash", "x|y", "_lead", "Anna",
                                                      "Anna", "tab\tkey", "Create new profile"}));
    for (int i = 0; i < 8; ++i) EXPECT_EQ(profileChoice->menu()[i].submenu(), 0) << i;
}

TEST_F(ProfileChoiceTest, AmpersandAndAtAreDoubledSoTheyAreDrawnAsThemselves) {
    listProfiles({"&Amp", "R&D", "@home", "me@home", "@@"});
    buildLauncherWindow();
    EXPECT_EQ(itemLabels(), (std::vector<std::string>{"&&Amp", "R&&D", "@@home", "me@@home", "@@@@",
                                                      "Create new profile"}));
}

TEST_F(ProfileChoiceTest, TenProfilesMakeTheLastItemInactiveAndKeepItLast) {
    std::vector<std::string> names;
    for (int i = 0; i < MAX_PROFILES; ++i) names.push_back("P" + std::to_string(i));
    listProfiles(names);
    buildLauncherWindow();
    ASSERT_EQ(profileChoice->size() - 1, MAX_PROFILES + 1);
    EXPECT_STREQ(profileChoice->menu()[MAX_PROFILES].label(), "Create new profile");
    EXPECT_TRUE(profileChoice->menu()[MAX_PROFILES].flags & FL_MENU_INACTIVE);
    EXPECT_FALSE(profileChoice->menu()[MAX_PROFILES - 1].flags & FL_MENU_INACTIVE);
}

TEST_F(ProfileChoiceTest, AddProfileAppendsSelectsCreatesAndShowsItsLine) {
    test_support::writeFile(profilePath("Anna"), progressRecord(64, 25));
    listProfiles({"Anna"});
    buildLauncherWindow();
    addProfile("Bert");
    EXPECT_EQ(ProfileList::count, 2);
    EXPECT_EQ(itemLabels(), (std::vector<std::string>{"Anna", "Bert", "Create new profile"}));
    EXPECT_EQ(profileChoice->value(), 1);
    EXPECT_STREQ(currentProfileName, "Bert");
    EXPECT_EQ(test_support::readFile(profilePath("Bert")).size(), PROFILE_FILE_SIZE);
    EXPECT_STREQ(progressText, ZERO_LINE);
    EXPECT_EQ(progressLabel->label(), static_cast<const char*>(progressText));
}

TEST_F(ProfileChoiceTest, AddProfileCutsTo31BytesWithoutSplittingACharacter) {
    buildLauncherWindow();
    addProfile((std::string(30, 'a') + "\xC3\xA9xyz").c_str());
    EXPECT_STREQ(ProfileList::names[0], std::string(30, 'a').c_str());
    EXPECT_TRUE(fs::exists(profilePath(std::string(30, 'a'))));
}

TEST_F(ProfileChoiceTest, AddingAnExistingNameLoadsItsFileUnchanged) {
    test_support::writeFile(profilePath("Anna"), progressRecord(10, 3));
    size_t before = contentHash(profilePath("Anna"));
    listProfiles({"Anna"});
    buildLauncherWindow();
    addProfile("Anna");
    EXPECT_EQ(itemLabels(), (std::vector<std::string>{"Anna", "Anna", "Create new profile"}));
    EXPECT_EQ(contentHash(profilePath("Anna")), before);
    EXPECT_EQ(ProgressSummary::levelsDone, 10);
}

TEST_F(ProfileChoiceTest, RefusedNamesCreateNothing) {
    buildLauncherWindow();
    for (const char* name :
         {"../../evil", "..", "a/b", "CON", "nul.txt", "Scores", "SCORES", " x", "x.", "a:b"}) {
        addProfile(name);
        EXPECT_EQ(ProfileList::count, 0) << name;
    }
    EXPECT_TRUE(fs::is_empty("Data/Profils"));
    EXPECT_EQ(std::distance(fs::directory_iterator("."), fs::directory_iterator()), 1);
}

TEST_F(ProfileChoiceTest, AnEleventhProfileIsNeverAdded) {
    std::vector<std::string> names;
    for (int i = 0; i < MAX_PROFILES; ++i) names.push_back("P" + std::to_string(i));
    listProfiles(names);
    buildLauncherWindow();
    addProfile("Eleven");
    EXPECT_EQ(ProfileList::count, MAX_PROFILES);
    EXPECT_FALSE(fs::exists(profilePath("Eleven")));
}

TEST_F(ProfileChoiceTest, SwitchingProfilesShowsEachOnesOwnLine) {
    test_support::writeFile(profilePath("Anna"), progressRecord(64, 25));
    test_support::writeFile(profilePath("Bert"), progressRecord(44, 0));
    listProfiles({"Anna", "Bert"});
    buildLauncherWindow();
    pick(1);
    EXPECT_STREQ(currentProfileName, "Bert");
    EXPECT_STREQ(progressText, "49% done (Level 44/64, Challenges 0/25)");
    pick(0);
    EXPECT_STREQ(progressText, "100% done (Level 64/64, Challenges 25/25)");
    pick(1);
    EXPECT_STREQ(progressText, "49% done (Level 44/64, Challenges 0/25)");
}

TEST_F(ProfileChoiceTest, PickingTheInactiveItemOfAFullListOpensNoDialog) {
    std::vector<std::string> names;
    for (int i = 0; i < MAX_PROFILES; ++i) names.push_back("P" + std::to_string(i));
    listProfiles(names);
    std::snprintf(currentProfileName, sizeof currentProfileName, "P3");
    buildLauncherWindow();
    pick(MAX_PROFILES);
    EXPECT_EQ(openNewProfileDialog(), nullptr);
    EXPECT_EQ(profileChoice->value(), 3);
    EXPECT_EQ(ProfileList::count, MAX_PROFILES);
}

// Dialog tests: the dialog runs its own wait loop, so each test scripts the
// player's actions as timeouts that run inside it.
class NewProfileDialogTest : public ProfileChoiceTest {
protected:
    void SetUp() override {
        if (!std::getenv("DISPLAY")) GTEST_SKIP() << "needs a display";
        ProfileChoiceTest::SetUp();
        screenWidth = 1366;
        screenHeight = 768;
    }

    void TearDown() override {
        Fl::remove_timeout(runPendingStep);
        Fl::remove_timeout(endStuckDialog);
        ProfileChoiceTest::TearDown();
    }

    // Runs `step` inside the dialog's wait loop, as the player would act.
    // Should a step fail before closing the dialog, a later timeout ends it
    // so that the test cannot hang.
    static void whenOpen(std::function<void()> step) {
        pendingStep() = std::move(step);
        Fl::add_timeout(0.0, runPendingStep);
        Fl::add_timeout(10.0, endStuckDialog);
    }

    static std::function<void()>& pendingStep() {
        static std::function<void()> step;
        return step;
    }
    static void runPendingStep(void*) { pendingStep()(); }
    static void endStuckDialog(void*) {
        ADD_FAILURE() << "the dialog was left open";
        newProfileDone = 1;
    }

    static Fl_Window* dialog() { return static_cast<Fl_Window*>(openNewProfileDialog()); }
    static Fl_Button* okButton() { return static_cast<Fl_Button*>(dialog()->child(1)); }
    static Fl_Button* cancelButton() { return static_cast<Fl_Button*>(dialog()->child(2)); }

    static void typeAndConfirm(const char* name) {
        newProfileInput->value(name);
        okButton()->do_callback();
    }
};

TEST_F(NewProfileDialogTest, DialogHasItsTitleSizePositionAndWidgets) {
    buildLauncherWindow();
    whenOpen([] {
        Fl_Window* window = dialog();
        EXPECT_STREQ(window->label(), "Enter your name (31 characters max)");
        EXPECT_EQ(window->x(), 1366 / 2 - 150);
        EXPECT_EQ(window->y(), 768 / 2 - 52);
        EXPECT_EQ(window->w(), 300);
        EXPECT_EQ(window->h(), 123);
        EXPECT_EQ(newProfileInput->x(), 16);
        EXPECT_EQ(newProfileInput->y(), 50);
        EXPECT_STREQ(newProfileInput->label(),
                     "Enter the name of the player profile you want to use (example: John or Dad)");
        EXPECT_EQ(newProfileInput->align(), static_cast<Fl_Align>(0xC1));
        EXPECT_STREQ(okButton()->label(), "OK");
        EXPECT_EQ(okButton()->shortcut(), FL_Enter);
        EXPECT_STREQ(cancelButton()->label(), "CANCEL");
        cancelButton()->do_callback();
    });
    runNewProfileDialog();
    EXPECT_EQ(openNewProfileDialog(), nullptr);
    EXPECT_EQ(newProfileInput, nullptr);
}

TEST_F(NewProfileDialogTest, ConfirmedNameBecomesTheSelectedProfileWithItsFile) {
    buildLauncherWindow();
    whenOpen([] { typeAndConfirm("Anna"); });
    runNewProfileDialog();
    EXPECT_TRUE(newProfileCreated);
    EXPECT_EQ(itemLabels(), (std::vector<std::string>{"Anna", "Create new profile"}));
    EXPECT_EQ(profileChoice->value(), 0);
    EXPECT_STREQ(currentProfileName, "Anna");
    EXPECT_EQ(test_support::readFile(profilePath("Anna")).size(), PROFILE_FILE_SIZE);
}

TEST_F(NewProfileDialogTest, CancelledFirstDialogLeavesNothingSelected) {
    buildLauncherWindow();
    whenOpen([] { cancelButton()->do_callback(); });
    runNewProfileDialog();
    EXPECT_EQ(ProfileList::count, 0);
    EXPECT_STREQ(currentProfileName, "");
    EXPECT_EQ(profileChoice->value(), -1);
}

TEST_F(NewProfileDialogTest, EmptyNameClosesLikeCancel) {
    listProfiles({"Anna", "Bert"});
    buildLauncherWindow();
    whenOpen([] { typeAndConfirm(""); });
    runNewProfileDialog();
    EXPECT_FALSE(newProfileCreated);
    EXPECT_EQ(ProfileList::count, 2);
    EXPECT_EQ(profileChoice->value(), 1);
}

TEST_F(NewProfileDialogTest, ClosingTheWindowEndsTheDialogLikeCancel) {
    buildLauncherWindow();
    whenOpen([] { dialog()->do_callback(); });
    runNewProfileDialog();
    EXPECT_EQ(ProfileList::count, 0);
}

TEST_F(NewProfileDialogTest, RefusedNameKeepsTheDialogOpenWithAHint) {
    buildLauncherWindow();
    whenOpen([] {
        typeAndConfirm("../../evil");
        EXPECT_EQ(newProfileDone, 0);
        ASSERT_NE(openNewProfileDialog(), nullptr);
        Fl_Widget* hint = dialog()->child(3);
        EXPECT_TRUE(hint->visible());
        typeAndConfirm("Scores");
        EXPECT_EQ(newProfileDone, 0);
        typeAndConfirm("Anna");
    });
    runNewProfileDialog();
    EXPECT_EQ(ProfileList::count, 1);
    EXPECT_EQ(std::vector<std::string>{"Anna.bin"}, [] {
        std::vector<std::string> files;
        for (auto& entry : fs::directory_iterator("Data/Profils"))
            files.push_back(entry.path().filename().string());
        return files;
    }());
    EXPECT_FALSE(fs::exists("evil.bin"));
    EXPECT_FALSE(fs::exists("../evil.bin"));
}

TEST_F(NewProfileDialogTest, NewProfileItemOpensTheDialogAndTheLineShowsZerosAfterwards) {
    test_support::writeFile(profilePath("Anna"), progressRecord(64, 25));
    listProfiles({"Anna"});
    buildLauncherWindow();
    pick(0);
    ASSERT_STREQ(progressText, "100% done (Level 64/64, Challenges 25/25)");
    whenOpen([] { cancelButton()->do_callback(); });
    pick(1);
    EXPECT_STREQ(currentProfileName, "Anna");
    EXPECT_EQ(profileChoice->value(), 0);
    EXPECT_STREQ(progressText, ZERO_LINE);
}

TEST_F(NewProfileDialogTest, ExistingFileNamedFromTheChoiceIsLoadedUnchangedAndTheLineShowsZeros) {
    test_support::writeFile(profilePath("Anna"), progressRecord(64, 25));
    test_support::writeFile(profilePath("Hidden"), progressRecord(20, 5));
    size_t before = contentHash(profilePath("Hidden"));
    listProfiles({"Anna"});
    buildLauncherWindow();
    whenOpen([] { typeAndConfirm("Hidden"); });
    pick(1);
    EXPECT_EQ(contentHash(profilePath("Hidden")), before);
    EXPECT_STREQ(currentProfileName, "Hidden");
    EXPECT_EQ(profileChoice->value(), 1);
    EXPECT_EQ(ProgressSummary::levelsDone, 0);
    EXPECT_STREQ(progressText, ZERO_LINE);
}

TEST_F(NewProfileDialogTest, NoSecondDialogOpensWhileOneIsOpen) {
    listProfiles({"Anna", "Bert"});
    buildLauncherWindow();
    whenOpen([] {
        Fl_Widget* first = openNewProfileDialog();
        // The player picks Bert in the main window, then the new-profile item again.
        profileChoice->value(1);
        onProfileChosen(profileChoice, nullptr);
        profileChoice->value(2);
        onProfileChosen(profileChoice, nullptr);
        EXPECT_EQ(openNewProfileDialog(), first);
        EXPECT_EQ(profileChoice->value(), 1);
        EXPECT_EQ(newProfileDone, 0);
        typeAndConfirm("Carl");
    });
    pick(2);
    EXPECT_EQ(ProfileList::count, 3);
    EXPECT_STREQ(currentProfileName, "Carl");
    EXPECT_EQ(openNewProfileDialog(), nullptr);
}

}  // namespace
