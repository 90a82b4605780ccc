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

FileFailure failure(const std::string& step, int error) {
    return {step, platform::errorText(error != 0 ? error : EIO)};
}

// Appends the bytes of the game's own settings file `path` to `text`; a
// missing file adds nothing. Read in pieces, and no further than one piece
// past the bound.
bool appendGameSettings(const char* path, std::string& text, FileFailure& why) {
    errno = 0;
    std::FILE* file = platform::openRegularFile(path);
    if (!file) {
        if (errno == ENOENT) return true;
        why = failure(std::string("cannot read ") + path, errno);
        return false;
    }
    const size_t start = text.size();
    char chunk[4096];
    size_t got = 0;
    while (text.size() - start <= GAME_SETTINGS_MAX_BYTES &&
           (got = std::fread(chunk, 1, sizeof chunk, file)) > 0) {
        text.append(chunk, got);
    }
    int error = std::ferror(file) ? errno : 0;
    std::fclose(file);
    if (error != 0) {
        why = failure(std::string("cannot read ") + path, error);
        return false;
    }
    if (text.size() - start > GAME_SETTINGS_MAX_BYTES) {
        why = failure(std::string("cannot read ") + path + " (larger than " +
                          std::to_string(GAME_SETTINGS_MAX_BYTES) + " bytes)",
                      EFBIG);
        return false;
    }
    return true;
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

bool replaceFileContents(const char* path, const std::string& bytes, FileFailure& why) {
    std::string temporary;
    errno = 0;
    std::FILE* file = platform::createTemporaryFor(path, temporary);
    if (!file) {
        why = failure("cannot create " + temporary, errno);
        return false;
    }
    errno = 0;
    bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    int error = errno;
    // A full disk may only show when the buffered bytes go out at fclose.
    if (std::fclose(file) != 0 && written) {
        written = false;
        error = errno;
    }
    if (!written) {
        why = failure("cannot write " + temporary, error);
    } else if (!platform::replaceFile(temporary.c_str(), path)) {
        why = failure(std::string("cannot replace ") + path, errno);
        written = false;
    }
    // The temporary file is this call's own, made new a moment ago.
    if (!written) std::remove(temporary.c_str());
    return written;
}

bool writeLaunchSettings(const char* path, FileFailure& why) {
    return replaceFileContents(path, launchSettingsText(), why);
}

bool joinSettingsFiles(const std::string& launchSettings, const char* gamePath,
                       const char* joinedPath, FileFailure& why) {
    std::string joined = launchSettings;
    return appendGameSettings(gamePath, joined, why) &&
           replaceFileContents(joinedPath, joined, why);
}
