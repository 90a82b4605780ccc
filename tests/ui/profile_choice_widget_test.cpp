#include <FL/Fl.H>
#include <FL/Fl_Choice.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Window.H>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "profiles/profile_file.h"
#include "profiles/profile_list.h"
#include "profiles/profile_names.h"
#include "profiles/profile_test_support.h"
#include "settings/launcher_settings.h"
#include "support/test_support.h"
#include "ui/launcher_window.h"
#include "ui/new_profile_dialog.h"

using namespace profile_tests;
namespace fs = std::filesystem;
using Labels = std::vector<std::string>;

namespace {

// The dialog runs its own wait loop; `step` runs inside it as the player
// would act, and should it leave the dialog open, a later timeout ends it.
std::function<void()> pendingStep;
void runPendingStep(void*) { pendingStep(); }
void endStuckDialog(void*) {
    ADD_FAILURE() << "the dialog was left open";
    newProfileDone = 1;
}
void whenOpen(std::function<void()> step) {
    pendingStep = std::move(step);
    Fl::add_timeout(0.0, runPendingStep);
    // Each dialog has its own time: under Wine one takes two seconds to close.
    Fl::remove_timeout(endStuckDialog);
    Fl::add_timeout(10.0, endStuckDialog);
}
// The dialog's widgets: 1 the OK button, 2 the cancel button, 3 the hint.
Fl_Widget* dialogChild(int i) { return static_cast<Fl_Window*>(openNewProfileDialog())->child(i); }
void typeAndConfirm(const std::string& name) {
    newProfileInput->value(name.c_str());
    dialogChild(1)->do_callback();
}

class ProfileChoiceTest : public ::testing::Test {
protected:
    void TearDown() override {
        Fl::remove_timeout(runPendingStep);
        Fl::remove_timeout(endStuckDialog);
        destroyLauncherWindow();
        test_support::resetLauncherState();
    }

    // The window built over these listed profiles, the first current.
    static void buildWith(const Labels& names) {
        test_support::resetLauncherState();
        fs::create_directories("Data/Profils");
        for (const std::string& name : names) ProfileList::append(name.c_str());
        std::snprintf(currentProfileName, sizeof currentProfileName, "%s", ProfileList::names[0]);
        buildLauncherWindow();
    }
    static Labels itemLabels() {
        Labels all;
        for (int i = 0; i + 1 < profileChoice->size(); ++i) all.push_back(profileChoice->text(i));
        return all;
    }
    static void pick(int index) {
        profileChoice->value(index);
        onProfileChosen(profileChoice, nullptr);
    }

    test_support::ScratchDirectory scratch;
};

// Menu syntax ('/', '\', '|', leading '_') and label drawing ('&', '@') read
// nothing into a name, a name listed twice is not merged into one item, and
// a name kept in the code page is shown in UTF-8.
TEST_F(ProfileChoiceTest, EachNameIsOneItemShownAsItIsSpelled) {
    char zoe[PROFILE_NAME_SIZE];
    ASSERT_TRUE(typedProfileName("Zo\xC3\xAB", zoe, sizeof zoe));
    buildWith({"a/b", "b\\s", "x|y", "_lead", "R&D", "@home", "tab\tkey", "Anna", "Anna", zoe});
    EXPECT_EQ(itemLabels(), (Labels{"a/b", "b\\s", "x|y", "_lead", "R&&D", "@@home", "tab\tkey",
                                    "Anna", "Anna", "Zo\xC3\xAB", "Create new profile"}));
}

TEST_F(ProfileChoiceTest, FullListKeepsTheNewProfileItemLastButInactiveAndAddsNothing) {
    buildWith({"P0", "P1", "P2", "P3", "P4", "P5", "P6", "P7", "P8", "P9"});
    pick(3);
    EXPECT_EQ(itemLabels().back(), "Create new profile");
    EXPECT_TRUE(profileChoice->menu()[MAX_PROFILES].flags & FL_MENU_INACTIVE);
    pick(MAX_PROFILES);
    EXPECT_EQ(openNewProfileDialog(), nullptr);
    EXPECT_EQ(profileChoice->value(), 3);
    std::string why;
    EXPECT_FALSE(addProfile("Eleven", why));
    EXPECT_EQ(ProfileList::count, MAX_PROFILES);
    EXPECT_FALSE(fs::exists(profilePath("Eleven")));
}

// Each pick shows that profile's own line; a dialog opened from the choice
// and cancelled leaves the zero line and the current profile selected. While a dialog is open the main window
// stays live: picking the new-profile item again brings up the same dialog,
// and a refused name keeps it open with a hint.
TEST_F(ProfileChoiceTest, SwitchingProfilesAndTheOneDialogFromTheChoice) {
    if (!std::getenv("DISPLAY")) GTEST_SKIP() << "the dialog needs a display";
    test_support::writeFile(profilePath("Bert"), progressRecord(44, 0));
    test_support::writeFile(profilePath("Anna"), progressRecord(64, 25));
    buildWith({"Bert", "Anna"});
    pick(1);
    EXPECT_STREQ(progressText, "100% done (Level 64/64, Challenges 25/25)");
    pick(0);
    EXPECT_STREQ(progressText, "49% done (Level 44/64, Challenges 0/25)");
    // Cancelled, the choice goes back to the profile that Start Game would
    // launch, not to the last listed one.
    whenOpen([] { dialogChild(2)->do_callback(); });
    pick(2);
    EXPECT_EQ(profileChoice->value(), 0);
    EXPECT_STREQ(currentProfileName, "Bert");
    EXPECT_STREQ(progressText, "0% done (Level 0/64, Challenges 0/25)");
    whenOpen([] {
        Fl_Widget* first = openNewProfileDialog();
        typeAndConfirm("../../evil");
        EXPECT_EQ(newProfileDone, 0);
        EXPECT_TRUE(dialogChild(3)->visible());
        pick(0);
        pick(2);
        EXPECT_EQ(openNewProfileDialog(), first);
        EXPECT_EQ(profileChoice->value(), 0);
        typeAndConfirm(std::string(30, 'a') + "\xC3\xA9xyz");
    });
    pick(2);
    EXPECT_EQ(openNewProfileDialog(), nullptr);
    EXPECT_EQ(itemLabels(), (Labels{"Bert", "Anna", std::string(30, 'a'), "Create new profile"}));
    EXPECT_EQ(profileChoice->value(), 2);
    EXPECT_FALSE(fs::exists("evil.bin"));
    // A listed name typed again is that profile, with its own line.
    whenOpen([] { typeAndConfirm("Anna"); });
    pick(3);
    EXPECT_EQ(itemLabels().size(), 4u);
    EXPECT_EQ(profileChoice->value(), 1);
    EXPECT_STREQ(progressText, "100% done (Level 64/64, Challenges 25/25)");
    EXPECT_EQ(test_support::readFile(profilePath("Anna")), progressRecord(64, 25));
}

// The prompt wraps into the room above the name field, whole, in every language.
TEST_F(ProfileChoiceTest, DialogPromptFitsAboveTheNameFieldInEveryLanguage) {
    if (!std::getenv("DISPLAY")) GTEST_SKIP() << "measuring text needs a display";
    for (LauncherSettings::language = 1; LauncherSettings::language <= LANGUAGE_COUNT;
         ++LauncherSettings::language) {
        whenOpen([] {
            int w = newProfileInput->w(), h = 0;
            newProfileInput->measure_label(w, h);
            EXPECT_LE(h, newProfileInput->y()) << LauncherSettings::language;
            dialogChild(2)->do_callback();
        });
        runNewProfileDialog();
    }
}

}  // namespace
