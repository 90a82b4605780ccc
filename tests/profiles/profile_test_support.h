// Helpers of the profile tests: profile files in a scratch installation.
#pragma once

#include <cstddef>
#include <functional>
#include <string>

#include "profiles/profile_file.h"
#include "support/test_support.h"

namespace profile_tests {

inline std::string profilePath(const std::string& name) { return "Data/Profils/" + name + ".bin"; }

inline size_t contentHash(const std::string& path) {
    return std::hash<std::string>()(test_support::readFile(path));
}

// A record of `size` bytes (zero-filled) with the first `levels` level
// states set to `state` and the first `challenges` flags set to `flag`.
inline std::string progressRecord(int levels, int challenges, unsigned char state = 2,
                                  unsigned char flag = 1, size_t size = PROFILE_FILE_SIZE) {
    std::string bytes(size, '\0');
    for (int i = 0; i < levels; ++i) {
        size_t at = LEVEL_STATES_OFFSET + 4 * static_cast<size_t>(i);
        if (at < size) bytes[at] = static_cast<char>(state);
    }
    for (int i = 0; i < challenges; ++i) {
        size_t at = CHALLENGE_FLAGS_OFFSET + static_cast<size_t>(i);
        if (at < size) bytes[at] = static_cast<char>(flag);
    }
    return bytes;
}

}  // namespace profile_tests
