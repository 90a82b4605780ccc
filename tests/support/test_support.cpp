#include "support/test_support.h"

#include <cstring>
#include <fstream>
#include <iterator>
#include <random>

#include "platform/screen.h"
#include "profiles/profile_file.h"
#include "profiles/profile_list.h"
#include "settings/config_file.h"
#include "settings/display_modes.h"
#include "settings/launcher_settings.h"

namespace fs = std::filesystem;

namespace test_support {

ScratchDirectory::ScratchDirectory() : previous_(fs::current_path()) {
    std::random_device random;
    for (;;) {
        path_ = fs::temp_directory_path() / ("launcher-test-" + std::to_string(random()));
        if (fs::create_directory(path_)) break;
    }
    fs::current_path(path_);
}

ScratchDirectory::~ScratchDirectory() {
    std::error_code ignored;
    fs::current_path(previous_, ignored);
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(path_, ignored);
}

void writeFile(const std::string& path, const std::string& bytes) {
    fs::path parent = fs::path(path).parent_path();
    if (!parent.empty()) fs::create_directories(parent);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool fileExists(const std::string& path) {
    std::error_code ignored;
    return fs::exists(path, ignored);
}

void resetLauncherState() {
    LauncherSettings::reset();
    resetDisplayModes();
    ConfigFile::instance()->clear();
    ProfileList::reset();
    std::memset(currentProfileName, 0, sizeof currentProfileName);
    resetProfileFile();
    screenWidth = 0;
    screenHeight = 0;
}

}  // namespace test_support
