// Helpers shared by the unit tests: a scratch installation directory and a
// way to put the program-wide state of the logic below the window layer back
// to its start-up values (window_test_support.h adds the window layer's).
#pragma once

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

#include "platform/screen.h"
#include "profiles/profile_file.h"
#include "profiles/profile_list.h"
#include "settings/config_file.h"
#include "settings/display_modes.h"
#include "settings/launcher_settings.h"

namespace test_support {

// A fresh temporary directory, the working directory while the object lives.
class ScratchDirectory {
public:
    ScratchDirectory() {
        std::random_device random;
        const std::filesystem::path temporary = std::filesystem::temp_directory_path();
        do path_ = temporary / ("launcher-test-" + std::to_string(random()));
        while (!std::filesystem::create_directory(path_));
        std::filesystem::current_path(path_);
    }
    ~ScratchDirectory() {
        std::error_code ignored;
        std::filesystem::current_path(previous_, ignored);
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchDirectory(const ScratchDirectory&) = delete;

private:
    std::filesystem::path previous_ = std::filesystem::current_path(), path_;
};

// Writes `bytes` to `path` exactly, creating parent directories.
inline void writeFile(const std::string& path, const std::string& bytes) {
    const std::filesystem::path parent = std::filesystem::path(path).parent_path();
    if (!parent.empty()) std::filesystem::create_directories(parent);
    std::ofstream(path, std::ios::binary) << bytes;
}

// The whole file; "" when it cannot be read.
inline std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Settings, display modes, the settings store, the profile list, the current
// profile and its record, the screen size.
inline void resetLauncherState() {
    LauncherSettings::reset();
    resetDisplayModes();
    ConfigFile::instance()->clear();
    ProfileList::reset();
    std::memset(currentProfileName, 0, sizeof currentProfileName);
    resetProfileFile();
    screenWidth = screenHeight = 0;
}

}  // namespace test_support
