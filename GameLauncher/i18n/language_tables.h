// The six built-in language tables and the fixed item tables of the language
// and music-volume choices. Texts are UTF-8.
#pragma once

#include <cstdint>
#include <string>

enum StringId {
    TXT_FULLSCREEN = 0,
    TXT_WINDOWED,
    TXT_PROGRESS_FORMAT,
    TXT_MAX_PROFILES,
    TXT_ENTER_NAME_TITLE,
    TXT_LOADING,
    TXT_CLOSING,
    TXT_NEW_PROFILE,
    TXT_RESOLUTION,
    TXT_LANGUAGE,
    TXT_PLAYER_PROFILE,
    TXT_START_GAME,
    TXT_CANCEL,
    TXT_ENTER_NAME_PROMPT,
    TXT_HALF_SIZE,
    TXT_MUSIC_VOLUME,
    TXT_VOLUME_OFF,
    TXT_VOLUME_MAX,
    // On the Start button when the game cannot be started: a format taking
    // the program's name and the system's reason, in that order (two %s).
    TXT_CANNOT_START,
    // On the Start button when the game's settings could not be saved: a
    // format taking the system's reason (one %s).
    TXT_SETTINGS_NOT_SAVED,
    // On the new-profile dialog's hint line: a typed name that cannot be a
    // file name; a full profile list; a profile file that could not be made
    // (a format taking the system's reason, one %s).
    TXT_NAME_NOT_A_FILE_NAME,
    TXT_PROFILE_LIST_FULL,
    TXT_PROFILE_NOT_CREATED,
    // The name the new-profile dialog suggests to a player with a game
    // controller: a format taking the lowest free number (one %d).
    TXT_SUGGESTED_NAME,
    STRING_COUNT
};

constexpr int LANGUAGE_COUNT = 6;

namespace LauncherSettings {
// The language in force, a language number 1..6; 1 (English) at program
// start. The player's pick and the saved settings set it.
extern int32_t language;

// Puts the language back to English, as at program start.
void resetLanguage();
}  // namespace LauncherSettings
constexpr int TEXT_SIZE = 256;

// One language: a text of at most 255 bytes for every StringId.
typedef char LanguageTable[STRING_COUNT][TEXT_SIZE];

// Tables in language order: language number L is languageTables[L - 1].
extern const LanguageTable languageTables[LANGUAGE_COUNT];

// A choice item text and the number it stands for.
struct NumberedText {
    char text[TEXT_SIZE];
    int32_t number;
};

extern const NumberedText languageNames[LANGUAGE_COUNT];
extern const NumberedText volumeLabels[6];

// The language number (1..6) whose ISO 639 code is `code` ("en", "fr", "es",
// "it", "de", "nl"; ASCII letter case aside), or 0.
int languageForCode(const std::string& code);

// The table of `language`; numbers outside 1..6 read the English table.
const LanguageTable& languageTable(int language);

// The text of `id` in the language in force (LauncherSettings::language).
// Ids outside the table give "".
const char* localisedText(StringId id);
