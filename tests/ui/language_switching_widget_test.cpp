// Relabelling the main window when a language is picked, and the localised
// items start-up rewrites in the saved language.
#include <FL/Fl_Button.H>
#include <FL/Fl_Choice.H>
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "profiles/profile_list.h"
#include "settings/display_modes.h"
#include "settings/launcher_settings.h"
#include "support/test_support.h"
#include "ui/display_mode_choice.h"
#include "ui/language_switching.h"
#include "ui/launcher_window.h"

namespace {

class LanguageSwitching : public ::testing::Test {
protected:
    void TearDown() override {
        destroyLauncherWindow();
        test_support::resetLauncherState();
    }

    void build(int profiles) {
        for (int& i = ProfileList::count; i < profiles; ++i) {
            std::snprintf(ProfileList::names[i], PROFILE_NAME_SIZE, "Player%d", i);
        }
        buildLauncherWindow();
    }

    void pick(int position) {
        languageChoice->value(position);
        languageChoice->do_callback();
    }

    // The five labels a pick relabels, then the progress line.
    static std::string labels() {
        return std::string(modeChoice->label()) + "|" + languageChoice->label() + "|" +
               profileChoice->label() + "|" + startButton->label() + "|" + volumeChoice->label() +
               "|" + progressLabel->label();
    }
};

TEST_F(LanguageSwitching, PickRelabelsLabelsItemsAndProgressLineKeepingTheSelection) {
    build(2);
    modeChoice->value(2);
    pick(1);
    EXPECT_EQ(labels(),
              "Resolution|Langage|Profil Joueur|Demarrer le jeu|Volume Musique|"
              "0% fait (Niveaux 0/64, Défis 0/25)");
    EXPECT_STREQ(modeChoice->text(4), "Fénétré 16/9 demie taille");
    EXPECT_STREQ(volumeChoice->text(0), "Eteint");
    EXPECT_STREQ(profileChoice->text(2), "Créer un nouveau profile");
    EXPECT_EQ(modeChoice->value(), 2);

    pick(-1);  // no item picked: the language in force stays
    EXPECT_EQ(LauncherSettings::language, 2);
    pick(0);
    EXPECT_EQ(labels(),
              "Resolution|Language|Player Profile|Start Game|Music Volume|"
              "0% done (Level 0/64, Challenges 0/25)");
    EXPECT_STREQ(profileChoice->text(2), "Create new profile");
}

// Start-up rewrites the items in the saved language, the five labels stay
// English; a count beyond the items never makes the menu's end an item.
TEST_F(LanguageSwitching, SavedSpanishAtStartUpRelabelsTheItemsOnly) {
    build(MAX_PROFILES);
    LauncherSettings::language = 3;
    buildModeLabels();
    relabelVolumeItems();
    relabelNewProfileItem();
    EXPECT_EQ(labels(), "Resolution|Language|Player Profile|Start Game|Music Volume|");
    EXPECT_STREQ(modeChoice->text(0), "Pantalla completa");
    EXPECT_STREQ(volumeChoice->text(0), "Apagado");
    EXPECT_STREQ(profileChoice->text(MAX_PROFILES - 1), "Player9");
    EXPECT_STREQ(profileChoice->text(MAX_PROFILES), "Crear un nuevo perfil");
    ProfileList::count = MAX_PROFILES + 1;
    relabelNewProfileItem();
    EXPECT_EQ(profileChoice->size(), MAX_PROFILES + 2);
}

}  // namespace
