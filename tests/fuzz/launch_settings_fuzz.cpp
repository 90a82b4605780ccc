// Arbitrary choices, profile name and game settings for Start Game's file
// work: the launch settings are eight CR LF lines that read back as the
// choices, and config.ini becomes exactly those lines and the game's own
// settings, with no temporary file left.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "launch/launch_settings.h"
#include "support/test_support.h"

#define CHECK(condition) \
    if (!(condition)) std::abort()

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static test_support::ScratchDirectory scratch;  // apart from the fuzzer's corpus
    FuzzedDataProvider input(data, size);
    const std::string name = input.ConsumeRandomLengthString(PROFILE_NAME_SIZE - 1);
    std::snprintf(currentProfileName, sizeof currentProfileName, "%s", name.c_str());
    LauncherSettings::mode = input.ConsumeIntegral<int32_t>();
    LauncherSettings::language = input.ConsumeIntegral<int32_t>();
    LauncherSettings::volume = input.ConsumeIntegral<int32_t>();
    screenWidth = input.ConsumeIntegralInRange(0, 1 << 16);
    screenHeight = input.ConsumeIntegralInRange(0, 1 << 16);
    computeModeSizes();
    const std::string game = input.ConsumeRemainingBytesAsString(), text = launchSettingsText();
    CHECK(std::count(text.begin(), text.end(), '\n') == 8 && text.find("\r\n\r\n") + 4 == text.size());
    CHECK(std::count(text.begin(), text.end(), '\r') == 8);
    static ConfigFile store;
    store.takeBuffer(std::strcpy(new char[text.size() + 1], text.c_str()), text.size());
    CHECK(store.getInt("resolution") == LauncherSettings::mode);
    CHECK(store.getInt("fullscreen") == (LauncherSettings::mode == 1));
    CHECK(store.getInt("langage") == LauncherSettings::language);
    CHECK(store.getInt("volume") == LauncherSettings::volume);
    const std::string line = name.substr(0, std::strcspn(currentProfileName, "\r\n"));
    CHECK(line.empty() || line[0] == ' ' || line == store.getString("name"));
    test_support::writeFile(GAME_SETTINGS_PATH, game);
    std::string why;
    CHECK(joinSettingsFiles(text, GAME_SETTINGS_PATH, JOINED_SETTINGS_PATH, why));
    CHECK(test_support::readFile(JOINED_SETTINGS_PATH) == text + game);
    CHECK(!std::filesystem::exists(JOINED_SETTINGS_PATH + std::string(TEMPORARY_SUFFIX)));
    return 0;
}
