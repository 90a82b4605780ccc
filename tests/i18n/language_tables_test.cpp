// The six language tables, the language names and the volume items.
#include "i18n/language_tables.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <cstring>
#include <string>

#include "settings/launcher_settings.h"
#include "support/test_support.h"

namespace {

class LanguageTables : public ::testing::Test {
protected:
    void SetUp() override { test_support::resetLauncherState(); }
    void TearDown() override { test_support::resetLauncherState(); }

    static std::string textIn(int language, StringId id) {
        LauncherSettings::language = language;
        return localisedText(id);
    }
};

// The progress line as formatProgressText makes it, for given numbers.
std::string progressLine(int language, int percent, int levels, int challenges) {
    char line[512];
    std::snprintf(line, sizeof line, languageTable(language)[TXT_PROGRESS_FORMAT], percent, levels,
                  64, challenges, 25);
    return line;
}

TEST_F(LanguageTables, IdsNumberTheEighteenTextsInTableOrder) {
    EXPECT_EQ(TXT_FULLSCREEN, 0);
    EXPECT_EQ(TXT_WINDOWED, 1);
    EXPECT_EQ(TXT_PROGRESS_FORMAT, 2);
    EXPECT_EQ(TXT_MAX_PROFILES, 3);
    EXPECT_EQ(TXT_ENTER_NAME_TITLE, 4);
    EXPECT_EQ(TXT_LOADING, 5);
    EXPECT_EQ(TXT_CLOSING, 6);
    EXPECT_EQ(TXT_NEW_PROFILE, 7);
    EXPECT_EQ(TXT_RESOLUTION, 8);
    EXPECT_EQ(TXT_LANGUAGE, 9);
    EXPECT_EQ(TXT_PLAYER_PROFILE, 10);
    EXPECT_EQ(TXT_START_GAME, 11);
    EXPECT_EQ(TXT_CANCEL, 12);
    EXPECT_EQ(TXT_ENTER_NAME_PROMPT, 13);
    EXPECT_EQ(TXT_HALF_SIZE, 14);
    EXPECT_EQ(TXT_MUSIC_VOLUME, 15);
    EXPECT_EQ(TXT_VOLUME_OFF, 16);
    EXPECT_EQ(TXT_VOLUME_MAX, 17);
    EXPECT_EQ(STRING_COUNT, 18);
    EXPECT_EQ(sizeof(LanguageTable), 18u * 256u);
    EXPECT_EQ(sizeof languageTables, 6u * 18u * 256u);
}

TEST_F(LanguageTables, EverySlotHoldsATextFollowedOnlyByZeroBytes) {
    for (int language = 0; language < LANGUAGE_COUNT; ++language) {
        for (int id = 0; id < STRING_COUNT; ++id) {
            const char* slot = languageTables[language][id];
            size_t length = strnlen(slot, TEXT_SIZE);
            ASSERT_LT(length, size_t(TEXT_SIZE)) << "language " << language + 1 << " id " << id;
            EXPECT_GT(length, 0u) << "language " << language + 1 << " id " << id;
            for (size_t i = length; i < size_t(TEXT_SIZE); ++i) {
                ASSERT_EQ(slot[i], 0) << "language " << language + 1 << " id " << id;
            }
        }
    }
}

TEST_F(LanguageTables, StartUpLanguageIsEnglish) {
    EXPECT_STREQ(localisedText(TXT_START_GAME), "Start Game");
    EXPECT_STREQ(localisedText(TXT_RESOLUTION), "Resolution");
}

TEST_F(LanguageTables, EnglishTexts) {
    EXPECT_EQ(textIn(1, TXT_WINDOWED), "Windowed");
    EXPECT_EQ(textIn(1, TXT_ENTER_NAME_TITLE), "Enter your name (31 characters max)");
    EXPECT_EQ(textIn(1, TXT_LOADING), "Loading game. Please wait...\n");
    EXPECT_EQ(textIn(1, TXT_NEW_PROFILE), "Create new profile");
    EXPECT_EQ(textIn(1, TXT_PLAYER_PROFILE), "Player Profile");
    EXPECT_EQ(textIn(1, TXT_CANCEL), "CANCEL");
    EXPECT_EQ(textIn(1, TXT_ENTER_NAME_PROMPT),
              "Enter the name of the player profile you want to use (example: John or Dad)");
    EXPECT_EQ(textIn(1, TXT_MUSIC_VOLUME), "Music Volume");
    EXPECT_EQ(textIn(1, TXT_VOLUME_OFF), "Off");
}

// Accented letters are written as UTF-8 bytes here, so the check does not
// depend on how this file itself is encoded.
TEST_F(LanguageTables, FrenchTextsAreUtf8) {
    EXPECT_EQ(textIn(2, TXT_FULLSCREEN),
              "Plein \xC3\xA9"
              "cran");
    EXPECT_EQ(textIn(2, TXT_WINDOWED), "F\xC3\xA9n\xC3\xA9tr\xC3\xA9");
    EXPECT_EQ(textIn(2, TXT_NEW_PROFILE),
              "Cr\xC3\xA9"
              "er un nouveau profile");
    EXPECT_EQ(textIn(2, TXT_LANGUAGE), "Langage");
    EXPECT_EQ(textIn(2, TXT_START_GAME), "Demarrer le jeu");
    EXPECT_EQ(textIn(2, TXT_CANCEL), "ANNULER");
    EXPECT_EQ(textIn(2, TXT_HALF_SIZE), "demie taille");
    EXPECT_EQ(textIn(2, TXT_MUSIC_VOLUME), "Volume Musique");
    EXPECT_EQ(textIn(2, TXT_VOLUME_OFF), "Eteint");
}

TEST_F(LanguageTables, SpanishTextsAreUtf8) {
    EXPECT_EQ(textIn(3, TXT_FULLSCREEN), "Pantalla completa");
    EXPECT_EQ(textIn(3, TXT_RESOLUTION), "Resoluci\xC3\xB3n");
    EXPECT_EQ(textIn(3, TXT_HALF_SIZE), "tama\xC3\xB1o medio");
    EXPECT_EQ(textIn(3, TXT_MUSIC_VOLUME), "Volumen de la M\xC3\xBAsica");
    EXPECT_EQ(textIn(3, TXT_ENTER_NAME_TITLE),
              "Escriba su nombre (31 caracteres como m\xC3\xA1ximo)");
    EXPECT_EQ(textIn(3, TXT_MAX_PROFILES),
              "Advertencia n\xC3\xBAmero de perfil m\xC3\xA1ximo alcanzado (% d) \n");
    EXPECT_EQ(textIn(3, TXT_CLOSING), "Cerrado ...  n");
    EXPECT_EQ(textIn(3, TXT_VOLUME_OFF), "Apagado");
}

TEST_F(LanguageTables, ItalianTextsAreUtf8) {
    EXPECT_EQ(textIn(4, TXT_FULLSCREEN), "Fullscreen");
    EXPECT_EQ(textIn(4, TXT_START_GAME), "Start Game");
    EXPECT_EQ(textIn(4, TXT_HALF_SIZE), "mezzo size");
    EXPECT_EQ(textIn(4, TXT_VOLUME_OFF), "Chiuso");
    // The longest text: 96 characters, 97 bytes once "à" takes two.
    std::string prompt = textIn(4, TXT_ENTER_NAME_PROMPT);
    EXPECT_EQ(prompt.size(), 97u);
    EXPECT_EQ(prompt.substr(prompt.size() - 6), "pap\xC3\xA0)");
}

TEST_F(LanguageTables, GermanTextsAreUtf8) {
    EXPECT_EQ(textIn(5, TXT_FULLSCREEN), "Vollbild");
    EXPECT_EQ(textIn(5, TXT_RESOLUTION), "Aufl\xC3\xB6sung");
    EXPECT_EQ(textIn(5, TXT_HALF_SIZE), "halb so gro\xC3\x9F");
    EXPECT_EQ(textIn(5, TXT_PLAYER_PROFILE), "Spieler-Profil");
    EXPECT_EQ(textIn(5, TXT_LOADING), "Loading game. Bitte warten... \n");
    EXPECT_EQ(textIn(5, TXT_VOLUME_OFF), "Aus");
}

TEST_F(LanguageTables, DutchTextsAreUtf8) {
    EXPECT_EQ(textIn(6, TXT_NEW_PROFILE),
              "Cre\xC3\xAB"
              "er nieuw profiel");
    EXPECT_EQ(textIn(6, TXT_LANGUAGE), "Taal");
    EXPECT_EQ(textIn(6, TXT_CANCEL), "Annuleren");
    EXPECT_EQ(textIn(6, TXT_HALF_SIZE), "halve grootte");
    EXPECT_EQ(textIn(6, TXT_VOLUME_OFF), "Off");
}

TEST_F(LanguageTables, VolumeMaxReadsMaxInEveryLanguage) {
    for (int language = 1; language <= LANGUAGE_COUNT; ++language) {
        EXPECT_EQ(textIn(language, TXT_VOLUME_MAX), "Max") << "language " << language;
    }
}

TEST_F(LanguageTables, LookupFollowsTheLanguageInForceAtEachCall) {
    EXPECT_EQ(textIn(2, TXT_PLAYER_PROFILE), "Profil Joueur");
    EXPECT_EQ(textIn(1, TXT_PLAYER_PROFILE), "Player Profile");
    EXPECT_EQ(textIn(3, TXT_PLAYER_PROFILE), "Perfil del Jugador");
}

// formatProgressText hands exactly five ints to the format: anything else
// in it (%s, %n, a sixth %d) would read arguments that are not there.
TEST_F(LanguageTables, ProgressFormatsHaveFiveIntConversionsAndOnePercentSign) {
    for (int language = 1; language <= LANGUAGE_COUNT; ++language) {
        const char* format = languageTable(language)[TXT_PROGRESS_FORMAT];
        int conversions = 0, literalPercents = 0, others = 0;
        for (const char* p = format; *p; ++p) {
            if (*p != '%') continue;
            ++p;
            if (*p == '%') {
                ++literalPercents;
                continue;
            }
            if (*p == ' ') ++p;  // the space flag some languages use
            if (*p == 'd') {
                ++conversions;
            } else {
                ++others;
                if (!*p) break;
            }
        }
        EXPECT_EQ(conversions, 5) << "language " << language << ": " << format;
        EXPECT_EQ(literalPercents, 1) << "language " << language << ": " << format;
        EXPECT_EQ(others, 0) << "language " << language << ": " << format;
    }
}

TEST_F(LanguageTables, EnglishAndFrenchProgressLinesStartWithTheNumber) {
    EXPECT_EQ(progressLine(1, 0, 0, 0), "0% done (Level 0/64, Challenges 0/25)");
    EXPECT_EQ(progressLine(2, 42, 30, 8),
              "42% fait (Niveaux 30/64, D\xC3\xA9"
              "fis 8/25)");
}

TEST_F(LanguageTables, SpaceFlagLanguagesSetEveryNumberOffByABlank) {
    EXPECT_EQ(progressLine(3, 0, 0, 0), " 0% done (Nivel 0 / 64, los desaf\xC3\xADos 0 / 25)");
    EXPECT_EQ(progressLine(3, 42, 30, 8), " 42% done (Nivel 30 / 64, los desaf\xC3\xADos 8 / 25)");
    EXPECT_EQ(progressLine(4, 0, 0, 0), " 0% Fatto (Livello 0 / 64, sfide 0 / 25)");
    EXPECT_EQ(progressLine(5, 100, 64, 25),
              " 100% fertig (Level 64 / 64, Herausforderungen 25 / 25)");
    EXPECT_EQ(progressLine(6, 1, 1, 0), " 1% gedaan (Level 1 / 64, uitdagingen 0 / 25)");
}

TEST_F(LanguageTables, LanguageNumbersOutsideOneToSixReadEnglish) {
    for (int language : {0, 7, -1, 100, INT_MIN, INT_MAX}) {
        LauncherSettings::language = language;
        EXPECT_STREQ(localisedText(TXT_START_GAME), "Start Game") << language;
        EXPECT_STREQ(localisedText(TXT_VOLUME_OFF), "Off") << language;
        EXPECT_EQ(&languageTable(language), &languageTables[0]) << language;
        // The stored number is left as it is.
        EXPECT_EQ(LauncherSettings::language, language);
    }
}

TEST_F(LanguageTables, IdsOutsideTheTableGiveAnEmptyText) {
    EXPECT_STREQ(localisedText(static_cast<StringId>(STRING_COUNT)), "");
    EXPECT_STREQ(localisedText(static_cast<StringId>(-1)), "");
}

TEST_F(LanguageTables, TextsStayAtTheSameAddressForTheWholeRun) {
    // Labels keep the pointer, so a lookup must give the table's own storage.
    LauncherSettings::language = 2;
    EXPECT_EQ(localisedText(TXT_START_GAME), languageTables[1][TXT_START_GAME]);
    EXPECT_EQ(localisedText(TXT_START_GAME), localisedText(TXT_START_GAME));
}

TEST(LanguageNames, ListTheSixLanguagesInNumberOrderUntranslated) {
    const char* const expected[] = {"English",
                                    "Fran\xC3\xA7"
                                    "ais",
                                    "Espa\xC3\xB1ol",
                                    "Italiano",
                                    "Deutch",
                                    "Dutch"};
    for (int position = 0; position < LANGUAGE_COUNT; ++position) {
        EXPECT_STREQ(languageNames[position].text, expected[position]);
        EXPECT_EQ(languageNames[position].number, position + 1);
    }
}

TEST(VolumeLabels, ListTheSixVolumesInOrder) {
    const char* const expected[] = {"Off", "1", "2", "3", "4", "Max"};
    ASSERT_EQ(sizeof volumeLabels / sizeof volumeLabels[0], 6u);
    for (int position = 0; position < 6; ++position) {
        EXPECT_STREQ(volumeLabels[position].text, expected[position]);
        EXPECT_EQ(volumeLabels[position].number, position);
    }
}

}  // namespace
