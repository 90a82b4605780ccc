#include "launch/launch_settings.h"

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "platform/platform.h"
#include "platform/screen.h"
#include "profiles/profile_list.h"
#include "settings/display_modes.h"
#include "settings/launcher_settings.h"

namespace {

// The game reads Windows line ends.
const char LINE_END[] = "\r\n";

bool isWindowedMode(int mode) {
    return mode >= DisplayMode::Windowed4x3 && mode <= DisplayMode::Windowed16x9Half;
}

// Truncation toward zero; a size no int can hold counts as 0 rather than
// being undefined.
int truncatedPixels(float size) {
    if (!(std::fabs(size) < 2147483520.0f)) return 0;
    return static_cast<int>(size);
}

int32_t fullscreenFlag() { return LauncherSettings::mode == DisplayMode::Fullscreen ? 1 : 0; }
int32_t settingsMode() { return LauncherSettings::mode; }
int32_t settingsWidth() { return launchScreenWidth(LauncherSettings::mode); }
int32_t settingsHeight() { return launchScreenHeight(LauncherSettings::mode); }
int32_t settingsLanguage() { return LauncherSettings::language; }
int32_t settingsVolume() { return LauncherSettings::volume; }

struct NumberLine {
    const char* key;
    int32_t (*value)();
};

// Lines 2 to 7 of the launch settings, in file order; line 1 is the name.
// clang-format off
const NumberLine NUMBER_LINES[] = {
    {"resolution", settingsMode},
    {"fullscreen", fullscreenFlag},
    {"screenx",    settingsWidth},
    {"screeny",    settingsHeight},
    {"langage",    settingsLanguage},
    {"volume",     settingsVolume},
};
// clang-format on

// The profile name as far as its terminator, the end of its buffer or a line
// break, whichever comes first: a line break would end the "name" line early
// and turn the rest of the name into a key of its own.
std::string nameForLine() {
    const void* end = std::memchr(currentProfileName, '\0', sizeof currentProfileName);
    size_t length =
        end ? static_cast<const char*>(end) - currentProfileName : sizeof currentProfileName;
    std::string name(currentProfileName, length);
    return name.substr(0, name.find_first_of("\r\n"));
}

std::string reasonOf(int error) { return std::strerror(error); }

// The whole of `path` into `bytes`; errno tells why when it fails.
bool readWholeFile(const char* path, std::string& bytes) {
    std::FILE* file = std::fopen(path, "rb");
    if (!file) return false;
    char chunk[4096];
    size_t got = 0;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) bytes.append(chunk, got);
    bool complete = !std::ferror(file);
    if (!complete) errno = EIO;
    std::fclose(file);
    return complete;
}

// Creates or truncates `path` and writes `bytes`; errno tells why when it
// fails (a full disk may only show at fclose).
bool writeWholeFile(const char* path, const std::string& bytes) {
    std::FILE* file = std::fopen(path, "wb");
    if (!file) return false;
    bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    int writeError = errno;
    bool closed = std::fclose(file) == 0;
    if (!written) errno = writeError ? writeError : EIO;
    return written && closed;
}

}  // namespace

int launchScreenWidth(int mode) {
    return isWindowedMode(mode) ? truncatedPixels(modeSizes[mode - 2].width) : screenWidth;
}

int launchScreenHeight(int mode) {
    return isWindowedMode(mode) ? truncatedPixels(modeSizes[mode - 2].height) : screenHeight;
}

std::string launchSettingsText() {
    std::string text = "name " + nameForLine() + LINE_END;
    for (const NumberLine& line : NUMBER_LINES) {
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, "%s %d%s", line.key, static_cast<int>(line.value()),
                      LINE_END);
        text += buffer;
    }
    return text + LINE_END;
}

bool writeLaunchSettings(const char* path, std::string& why) {
    errno = 0;
    if (writeWholeFile(path, launchSettingsText())) return true;
    why = reasonOf(errno);
    return false;
}

bool joinSettingsFiles(const char* launchPath, const char* gamePath, const char* joinedPath,
                       const char* temporaryPath, std::string& why) {
    std::string joined;
    errno = 0;
    if (!readWholeFile(launchPath, joined)) {
        why = std::string("cannot read ") + launchPath + ": " + reasonOf(errno);
        return false;
    }
    std::string game;
    errno = 0;
    if (!readWholeFile(gamePath, game) && errno != ENOENT) {
        why = std::string("cannot read ") + gamePath + ": " + reasonOf(errno);
        return false;
    }
    joined += game;

    errno = 0;
    if (!writeWholeFile(temporaryPath, joined)) {
        why = std::string("cannot write ") + temporaryPath + ": " + reasonOf(errno);
        std::remove(temporaryPath);
        return false;
    }
    errno = 0;
    if (!platform::replaceFile(temporaryPath, joinedPath)) {
        why = std::string("cannot replace ") + joinedPath + ": " + reasonOf(errno);
        std::remove(temporaryPath);
        return false;
    }
    return true;
}
