#include "i18n/language_tables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <regex>
#include <string>
#include <tuple>

#include "settings/launcher_settings.h"

namespace {

// Numbers outside 1..6 read English and ids outside the table nothing.
TEST(LanguageTables, LookupReadsTheLanguageInForce) {
    const std::pair<int, const char*> cases[] = {
        {1, "Create new profile"}, {6, "Nieuw profiel"}, {0, "Create new profile"},
        {7, "Create new profile"}, {INT_MIN, "Create new profile"}};
    for (const auto& [language, expected] : cases) {
        LauncherSettings::language = language;
        EXPECT_STREQ(localisedText(TXT_NEW_PROFILE), expected) << language;
    }
    EXPECT_STREQ(localisedText(static_cast<StringId>(STRING_COUNT)), "");
    EXPECT_STREQ(localisedText(static_cast<StringId>(-1)), "");
}

// Each format takes exactly its ints or strings: any other conversion in a
// translation would read arguments that are not there (and a flag, such as
// the space that spreads the progress line's numbers, would change them).
TEST(LanguageTables, FormatsTakeExactlyTheirArguments) {
    const std::tuple<StringId, const char*, long> formats[] = {
        {TXT_PROGRESS_FORMAT, "%d", 5},      {TXT_CANNOT_START, "%s", 2},
        {TXT_SETTINGS_NOT_SAVED, "%s", 1},   {TXT_PROFILE_NOT_CREATED, "%s", 1},
        {TXT_NAME_NOT_A_FILE_NAME, "%s", 0}, {TXT_PROFILE_LIST_FULL, "%s", 0},
        {TXT_SUGGESTED_NAME, "%d", 1}};
    for (int language = 1; language <= LANGUAGE_COUNT; ++language) {
        for (const auto& [id, conversion, count] : formats) {
            std::string text = std::regex_replace(languageTable(language)[id], std::regex("%%"), "");
            text = std::regex_replace(text, std::regex(conversion), "\x01");
            EXPECT_EQ(std::count(text.begin(), text.end(), '\x01'), count) << text;
            EXPECT_EQ(text.find('%'), std::string::npos) << text;
        }
    }
}

}  // namespace
