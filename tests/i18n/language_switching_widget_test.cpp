// Relabelling the main window when a language is picked, and the localised
// items start-up rewrites in the saved language.
#include <FL/Fl_Button.H>
#include <FL/Fl_Choice.H>
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "core/launcher_window.h"
#include "i18n/language_switching.h"
#include "profiles/profile_file.h"
#include "profiles/profile_list.h"
#include "settings/display_modes.h"
#include "settings/launcher_settings.h"
#include "support/test_support.h"

namespace {

class LanguageSwitching : public ::testing::Test {
protected:
    void SetUp() override { test_support::resetLauncherState(); }
    void TearDown() override {
        destroyLauncherWindow();
        test_support::resetLauncherState();
    }

    void buildWithProfiles(int count) {
        for (int i = 0; i < count; ++i) {
            std::snprintf(ProfileList::names[i], PROFILE_NAME_SIZE, "Player%d", i);
        }
        ProfileList::count = count;
        buildLauncherWindow();
    }

    // What start-up does once the saved settings are in force.
    void relabelItemsAsStartUpDoes() {
        buildModeLabels();
        relabelVolumeItems();
        relabelNewProfileItem();
    }

    // Language position `p` picked in the language choice.
    void pick(int position) {
        languageChoice->value(position);
        languageChoice->do_callback();
    }

    void expectLabels(const char* mode, const char* language, const char* profile,
                      const char* start, const char* volume) {
        EXPECT_STREQ(modeChoice->label(), mode);
        EXPECT_STREQ(languageChoice->label(), language);
        EXPECT_STREQ(profileChoice->label(), profile);
        EXPECT_STREQ(startButton->label(), start);
        EXPECT_STREQ(volumeChoice->label(), volume);
    }
};

TEST_F(LanguageSwitching, FrenchRelabelsLabelsAndItems) {
    buildWithProfiles(2);
    relabelItemsAsStartUpDoes();
    pick(1);
    EXPECT_EQ(LauncherSettings::language, 2);
    expectLabels("Resolution", "Langage", "Profil Joueur", "Demarrer le jeu", "Volume Musique");
    EXPECT_STREQ(modeChoice->text(0), "Plein écran");
    EXPECT_STREQ(modeChoice->text(1), "Fénétré 4/3");
    EXPECT_STREQ(modeChoice->text(4), "Fénétré 16/9 demie taille");
    EXPECT_STREQ(volumeChoice->text(0), "Eteint");
    EXPECT_STREQ(volumeChoice->text(1), "1");
    EXPECT_STREQ(volumeChoice->text(5), "Max");
    EXPECT_STREQ(profileChoice->text(0), "Player0");
    EXPECT_STREQ(profileChoice->text(1), "Player1");
    EXPECT_STREQ(profileChoice->text(2), "Créer un nouveau profile");
}

TEST_F(LanguageSwitching, SelectionsStayAsTheyWere) {
    buildWithProfiles(3);
    modeChoice->value(2);
    profileChoice->value(1);
    volumeChoice->value(5);
    pick(1);
    EXPECT_EQ(modeChoice->value(), 2);
    EXPECT_EQ(languageChoice->value(), 1);
    EXPECT_EQ(profileChoice->value(), 1);
    EXPECT_EQ(volumeChoice->value(), 5);
}

TEST_F(LanguageSwitching, ProgressLineFollowsTheLanguageWithTheSameNumbers) {
    buildWithProfiles(1);
    ProgressSummary::percent = 47;
    ProgressSummary::levelsDone = 30;
    ProgressSummary::challengesDone = 12;
    pick(1);
    EXPECT_STREQ(progressText, "47% fait (Niveaux 30/64, Défis 12/25)");
    EXPECT_EQ(progressLabel->label(), progressText);
}

TEST_F(LanguageSwitching, FirstPickWithoutProfileFillsTheZeroLine) {
    buildWithProfiles(0);
    relabelItemsAsStartUpDoes();
    EXPECT_STREQ(progressText, "");
    pick(2);
    EXPECT_STREQ(progressText, " 0% done (Nivel 0 / 64, los desafíos 0 / 25)");
}

TEST_F(LanguageSwitching, EnglishAgainRestoresEveryEnglishText) {
    buildWithProfiles(1);
    pick(1);
    pick(0);
    expectLabels("Resolution", "Language", "Player Profile", "Start Game", "Music Volume");
    EXPECT_STREQ(modeChoice->text(3), "Windowed 4/3 half size");
    EXPECT_STREQ(volumeChoice->text(0), "Off");
    EXPECT_STREQ(profileChoice->text(1), "Create new profile");
}

TEST_F(LanguageSwitching, SavedSpanishAtStartUpLeavesTheFiveLabelsEnglish) {
    buildWithProfiles(1);
    LauncherSettings::language = 3;
    languageChoice->value(2);
    relabelItemsAsStartUpDoes();
    expectLabels("Resolution", "Language", "Player Profile", "Start Game", "Music Volume");
    EXPECT_STREQ(profileChoice->text(1), "Crear un nuevo perfil");
    EXPECT_STREQ(volumeChoice->text(0), "Apagado");
    EXPECT_STREQ(modeChoice->text(0), "Pantalla completa");

    pick(4);
    pick(2);
    expectLabels("Resolución", "Idioma", "Perfil del Jugador", "Iniciar el juego",
                 "Volumen de la Música");
}

TEST_F(LanguageSwitching, TenProfilesKeepTheirNamesAndTheLastItemIsRelabelled) {
    buildWithProfiles(MAX_PROFILES);
    LauncherSettings::language = 5;
    relabelNewProfileItem();
    EXPECT_EQ(profileChoice->size(), MAX_PROFILES + 2);
    for (int i = 0; i < MAX_PROFILES; ++i) {
        EXPECT_EQ(std::string(profileChoice->text(i)), "Player" + std::to_string(i));
    }
    EXPECT_STREQ(profileChoice->text(MAX_PROFILES), "Neues Profil");
}

TEST_F(LanguageSwitching, CountBeyondTheItemsNeverTouchesTheMenuEnd) {
    buildWithProfiles(0);
    ProfileList::count = 1;
    relabelNewProfileItem();
    EXPECT_EQ(profileChoice->size(), 2);
    EXPECT_STREQ(profileChoice->text(0), "Create new profile");
}

TEST_F(LanguageSwitching, NoPickedItemKeepsTheLanguageInForce) {
    buildWithProfiles(1);
    pick(3);
    pick(-1);
    EXPECT_EQ(LauncherSettings::language, 4);
    EXPECT_STREQ(languageChoice->label(), "Lingua");
}

}  // namespace
