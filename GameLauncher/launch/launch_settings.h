// The launch settings file that Start Game writes, and the join that makes
// the game's settings file from it and the game's own settings.
#pragma once

#include <string>

constexpr const char* LAUNCH_SETTINGS_PATH = "Data/config_launch.ini";
constexpr const char* GAME_SETTINGS_PATH = "Data/config_game.ini";
constexpr const char* JOINED_SETTINGS_PATH = "Data/config.ini";
// The join is written here first and then renamed over the joined file, so
// an interrupted start never leaves a half-written settings file.
constexpr const char* JOIN_TEMPORARY_PATH = "Data/config.ini.new";

// The launch settings for the current choices (currentProfileName,
// LauncherSettings, modeSizes, screenWidth/Height): seven lines and an empty
// line, every line ending in CR LF.
std::string launchSettingsText();

// Window size written for `mode`: the screen for mode 1 and for numbers that
// name no mode, the mode's size cut toward zero for modes 2..5.
int launchScreenWidth(int mode);
int launchScreenHeight(int mode);

// Writes launchSettingsText() to `path`. False, with the reason in `why`,
// when the file cannot be written completely.
bool writeLaunchSettings(const char* path, std::string& why);

// Makes `joinedPath` hold the bytes of `launchPath` followed by those of
// `gamePath` (nothing when that file is missing), via `temporaryPath` and a
// rename. False, with the reason in `why`, when the launch settings cannot
// be read or the result cannot be written; `joinedPath` is then untouched.
bool joinSettingsFiles(const char* launchPath, const char* gamePath, const char* joinedPath,
                       const char* temporaryPath, std::string& why);
