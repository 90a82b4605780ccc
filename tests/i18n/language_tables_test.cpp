// Spot checks of the language tables: UTF-8 texts, the "% d" formats, and
// lookups with language numbers or ids outside the tables.
#include "i18n/language_tables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <regex>
#include <string>
#include <tuple>

#include "settings/launcher_settings.h"

namespace {

TEST(LanguageTables, LookupReadsTheLanguageInForceAndEnglishOutsideOneToSix) {
    const std::tuple<int, StringId, const char*> cases[] = {
        {2, TXT_NEW_PROFILE, "Cr\u00E9er un nouveau profile"},
        {3, TXT_RESOLUTION, "Resoluci\u00F3n"},
        {3, TXT_MAX_PROFILES, "Advertencia n\u00FAmero de perfil m\u00E1ximo alcanzado (% d) \n"},
        {3, TXT_CLOSING, "Cerrado ...  n"},
        {4, TXT_PROGRESS_FORMAT, "% d%% Fatto (Livello% d /% d, sfide% d /% d)"},
        {5, TXT_HALF_SIZE, "halb so gro\u00DF"},
        {6, TXT_NEW_PROFILE, "Cre\u00EBer nieuw profiel"},
    };
    for (const auto& [language, id, expected] : cases) {
        LauncherSettings::language = language;
        EXPECT_STREQ(localisedText(id), expected) << language;
    }
    for (int language : {1, 0, 7, -1, INT_MIN, INT_MAX}) {
        LauncherSettings::language = language;
        EXPECT_STREQ(localisedText(TXT_LOADING), "Loading game. Please wait...\n") << language;
        EXPECT_EQ(LauncherSettings::language, language) << "the stored number is kept";
    }
    EXPECT_STREQ(localisedText(static_cast<StringId>(STRING_COUNT)), "");
    EXPECT_STREQ(localisedText(static_cast<StringId>(-1)), "");
}

// The formatted texts take exactly their arguments: the progress line five
// ints, the start failure two strings. Any other conversion would read
// arguments that are not there.
TEST(LanguageTables, FormatsTakeExactlyTheirArguments) {
    const std::tuple<StringId, const char*, long> formats[] = {
        {TXT_PROGRESS_FORMAT, "% ?d", 5},
        {TXT_CANNOT_START, "%s", 2},
    };
    for (const auto& [id, conversion, count] : formats) {
        for (int language = 1; language <= LANGUAGE_COUNT; ++language) {
            const std::string format =
                std::regex_replace(languageTable(language)[id], std::regex("%%"), "");
            EXPECT_EQ(std::count(format.begin(), format.end(), '%'), count) << format;
            EXPECT_EQ(std::regex_replace(format, std::regex(conversion), "").find('%'),
                      std::string::npos)
                << format;
        }
    }
}

}  // namespace
