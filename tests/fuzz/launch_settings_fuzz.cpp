// Feeds arbitrary choices, profile names and game settings to Start Game's
// file work: the launch settings are eight CR LF lines that read back as the
// choices, and the join makes config.ini exactly those lines followed by the
// game's own settings, leaving no temporary file.
#include <fuzzer/FuzzedDataProvider.h>
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

#include "launch/launch_settings.h"
#include "platform/screen.h"
#include "profiles/profile_list.h"
#include "settings/config_file.h"
#include "settings/display_modes.h"
#include "settings/launcher_settings.h"

namespace {

void check(bool condition) {
    if (!condition) std::abort();
}

std::string readAll(const char* path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Files of a private directory, apart from the fuzzer's corpus directories
// and removed at exit.
char scratch[] = "/tmp/launch-settings-fuzz-XXXXXX";
std::string gamePath, joinedPath;
void removeScratchDirectory() {
    std::remove(gamePath.c_str());
    std::remove(joinedPath.c_str());
    std::remove(scratch);
}
bool makeScratchDirectory() {
    check(mkdtemp(scratch) != nullptr);
    gamePath = std::string(scratch) + "/config_game.ini";
    joinedPath = std::string(scratch) + "/config.ini";
    return std::atexit(removeScratchDirectory) == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static bool ready = makeScratchDirectory();
    check(ready);
    FuzzedDataProvider input(data, size);
    const std::string name = input.ConsumeRandomLengthString(PROFILE_NAME_SIZE - 1);
    std::snprintf(currentProfileName, sizeof currentProfileName, "%s", name.c_str());
    LauncherSettings::mode = input.ConsumeIntegral<int32_t>();
    LauncherSettings::language = input.ConsumeIntegral<int32_t>();
    LauncherSettings::volume = input.ConsumeIntegral<int32_t>();
    screenWidth = input.ConsumeIntegralInRange(0, 1 << 16);
    screenHeight = input.ConsumeIntegralInRange(0, 1 << 16);
    computeModeSizes();
    const std::string game = input.ConsumeRemainingBytesAsString();

    const std::string text = launchSettingsText();
    size_t lines = 0;
    for (size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at + 1)) {
        check(at > 0 && text[at - 1] == '\r');
        ++lines;
    }
    check(lines == 8 && std::count(text.begin(), text.end(), '\r') == 8);
    check(text.compare(text.size() - 4, 4, "\r\n\r\n") == 0);

    static ConfigFile store;
    char* bytes = new char[text.size() + 1];
    std::memcpy(bytes, text.data(), text.size());
    store.takeBuffer(bytes, text.size());
    check(store.getInt("resolution") == LauncherSettings::mode);
    check(store.getInt("fullscreen") == (LauncherSettings::mode == 1 ? 1 : 0));
    check(store.getInt("langage") == LauncherSettings::language);
    check(store.getInt("volume") == LauncherSettings::volume);
    const char* saved = store.getString("name");
    const std::string current = currentProfileName;
    const std::string shown = current.substr(0, current.find_first_of("\r\n"));
    check(saved && (shown.empty() || shown[0] == ' ' || shown == saved));
    store.clear();

    std::FILE* file = std::fopen(gamePath.c_str(), "wb");
    check(file && std::fwrite(game.data(), 1, game.size(), file) == game.size());
    check(std::fclose(file) == 0);
    std::string why;
    check(joinSettingsFiles(text, gamePath.c_str(), joinedPath.c_str(), why));
    check(readAll(joinedPath.c_str()) == text + game);
    check(access((joinedPath + TEMPORARY_SUFFIX).c_str(), F_OK) != 0);
    return 0;
}
