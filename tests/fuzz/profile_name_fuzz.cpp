// Feeds arbitrary typed text to the new-profile name check: every accepted
// name is the start of the text, cut on a character boundary, names a file
// directly inside Data/Profils that is neither a Windows device nor the
// game's score file, and comes back unchanged through the "name" line of the
// launch settings.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "launch/launch_settings.h"
#include "profiles/profile_file.h"
#include "profiles/profile_list.h"
#include "profiles/profile_names.h"
#include "settings/config_file.h"

namespace {

void check(bool condition) {
    if (!condition) std::abort();
}

std::string upper(std::string text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return text;
}

// What Windows opens as a device: the part before the first dot, without the
// blanks before it (superscript digits as UTF-8).
bool namesADevice(const std::string& name) {
    std::string base = upper(name.substr(0, name.find('.')));
    base.erase(base.find_last_not_of(' ') + 1);
    for (const char* device : {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"})
        if (base == device) return true;
    if (base.size() < 4 || (base.compare(0, 3, "COM") != 0 && base.compare(0, 3, "LPT") != 0))
        return false;
    const std::string number = base.substr(3);
    return (number.size() == 1 && number[0] >= '1' && number[0] <= '9') ||
           number == "\xC2\xB9" || number == "\xC2\xB2" || number == "\xC2\xB3";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string typed(reinterpret_cast<const char*>(data), size);
    char name[PROFILE_NAME_SIZE];
    if (!typedProfileName(typed.c_str(), name, sizeof name)) return 0;

    const std::string accepted(name);
    check(!accepted.empty() && accepted.size() <= TYPED_NAME_MAX_BYTES);
    check(typed.compare(0, accepted.size(), accepted) == 0);
    // Cut on a character boundary, unless the text is no UTF-8 there.
    auto continues = [](char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; };
    if (continues(typed[accepted.size()])) {
        check(accepted.size() >= 3);
        for (size_t i = accepted.size() - 3; i < accepted.size(); ++i) check(continues(accepted[i]));
    }

    char path[PROFILE_NAME_SIZE + 64];
    profileFilePath(name, path, sizeof path);
    const std::string file = std::string(path).substr(std::strlen(PROFILE_DIRECTORY) + 1);
    check(std::string(path).compare(0, std::strlen(PROFILE_DIRECTORY) + 1,
                                    std::string(PROFILE_DIRECTORY) + "/") == 0);
    check(file.find_first_of("/\\:") == std::string::npos);
    // Windows drops trailing dots and spaces, and control bytes break lines.
    check(accepted.back() != '.' && accepted.back() != ' ' && accepted.front() != ' ');
    for (unsigned char c : accepted) check(c >= 0x20 && c != 0x7F);
    check(!namesADevice(accepted));
    check(upper(file) != "SCORES.BIN");

    std::snprintf(currentProfileName, sizeof currentProfileName, "%s", name);
    const std::string text = launchSettingsText();
    static ConfigFile store;
    char* bytes = new char[text.size() + 1];
    std::memcpy(bytes, text.data(), text.size());
    store.takeBuffer(bytes, text.size());
    const char* saved = store.getString("name");
    check(saved && accepted == saved);
    store.clear();
    return 0;
}
