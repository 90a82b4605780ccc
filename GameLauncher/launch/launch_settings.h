// The launch settings file that Start Game writes, and the join that makes
// the game's settings file from it and the game's own settings.
#pragma once

#include <cstddef>
#include <string>

constexpr const char* LAUNCH_SETTINGS_PATH = "Data/config_launch.ini";
constexpr const char* GAME_SETTINGS_PATH = "Data/config_game.ini";
constexpr const char* JOINED_SETTINGS_PATH = "Data/config.ini";
// The most of the game's own settings that Start Game joins. They are a few
// KB; the bound keeps a huge file (or a link to /dev/zero) from taking the
// launcher's memory.
constexpr size_t GAME_SETTINGS_MAX_BYTES = 1024 * 1024;

// Why a settings file could not be read or written: the step, naming the
// file (for the console), and the system's reason in its own words (which
// the player is shown).
struct FileFailure {
    std::string step;
    std::string reason;
    std::string text() const { return step + ": " + reason; }
};

// The launch settings for the current choices (currentProfileName,
// LauncherSettings, modeSizes, screenWidth/Height): seven lines and an empty
// line, every line ending in CR LF.
std::string launchSettingsText();

// Window size written for `mode`: the screen for mode 1 and for numbers that
// name no mode, the mode's size cut toward zero for modes 2..5.
int launchScreenWidth(int mode);
int launchScreenHeight(int mode);

// Makes `path` hold exactly `bytes`, so that an interrupted start never
// leaves a half-written file. They go to a temporary file beside it
// (platform::createTemporaryFor), created new and never through a link,
// which then replaces `path` in one step. False, with the
// reason in `why`, when that fails; `path` is then as it was and no
// temporary file is left.
bool replaceFileContents(const char* path, const std::string& bytes, FileFailure& why);

// Writes launchSettingsText() to `path` as replaceFileContents does.
bool writeLaunchSettings(const char* path, FileFailure& why);

// Makes `joinedPath` hold `launchSettings` followed by the bytes of
// `gamePath` (nothing when that file is missing). The launch settings come
// from memory, so the result never carries those of an earlier start. False,
// with the reason in `why`, when the game's settings cannot be read, are not
// a regular file or exceed GAME_SETTINGS_MAX_BYTES (the reason is then
// that of EFBIG), or the result cannot be written; `joinedPath` is then
// untouched.
bool joinSettingsFiles(const std::string& launchSettings, const char* gamePath,
                       const char* joinedPath, FileFailure& why);
