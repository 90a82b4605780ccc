// Helpers of the profile tests: profile files in a scratch installation.
#pragma once

#include <cstddef>
#include <string>

#include "profiles/profile_file.h"

namespace profile_tests {

inline std::string profilePath(const std::string& name) { return "Data/Profils/" + name + ".bin"; }

// A record with `levels` completed levels and `challenges` won ones, cut to `size` bytes.
inline std::string progressRecord(int levels, int challenges, size_t size = PROFILE_FILE_SIZE) {
    std::string bytes(PROFILE_FILE_SIZE + 5000, '\0');
    for (int i = 0; i < levels; ++i) bytes[LEVEL_STATES_OFFSET + 4 * i] = 2;
    for (int i = 0; i < challenges; ++i) bytes[CHALLENGE_FLAGS_OFFSET + i] = 1;
    return bytes.substr(0, size);
}

}  // namespace profile_tests
