// Arbitrary typed text as a new profile's name: an accepted name is the start
// of the text with no byte that breaks a line or a path, names a file directly
// inside Data/Profils, and comes back unchanged through the launch settings.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "launch/launch_settings.h"
#include "profiles/profile_file.h"
#include "profiles/profile_list.h"
#include "profiles/profile_names.h"
#include "settings/config_file.h"

#define CHECK(condition) \
    if (!(condition)) std::abort()

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string typed(reinterpret_cast<const char*>(data), size);
    if (!typedProfileName(typed.c_str(), currentProfileName, sizeof currentProfileName)) return 0;
    const std::string name = currentProfileName;
    CHECK(!name.empty() && name.size() <= TYPED_NAME_MAX_BYTES && typed.find(name) == 0);
    for (unsigned char c : name) CHECK(c >= 0x20 && c != 0x7F && !std::strchr("/\\:", c));
    CHECK(name.back() != '.' && name.back() != ' ' && name.front() != ' ');
    char path[PROFILE_NAME_SIZE + 64];
    profileFilePath(currentProfileName, path, sizeof path);
    CHECK(path == std::string(PROFILE_DIRECTORY) + "/" + name + ".bin");
    const std::string text = launchSettingsText();
    static ConfigFile store;
    store.takeBuffer(std::strcpy(new char[text.size() + 1], text.c_str()), text.size());
    CHECK(store.getString("name") && name == store.getString("name"));
    return 0;
}
