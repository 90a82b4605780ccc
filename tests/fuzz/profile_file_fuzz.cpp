// Arbitrary bytes as a profile's save file: the record holds exactly the
// file's first bytes (the rest zero, whatever the previous profile held), and
// the progress and every language's line stay within bounds.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "i18n/language_tables.h"
#include "profiles/profile_file.h"
#include "settings/launcher_settings.h"

#define CHECK(condition) \
    if (!(condition)) std::abort()

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static std::FILE* file = std::tmpfile();
    CHECK(file && ftruncate(fileno(file), 0) == 0);
    CHECK(pwrite(fileno(file), data, size, 0) == static_cast<ssize_t>(size));
    std::rewind(file);
    std::memset(profileRecord, 0xAB, sizeof profileRecord);
    CHECK(readProfileRecord(file));
    const size_t kept = size < PROFILE_FILE_SIZE ? size : PROFILE_FILE_SIZE;
    for (size_t i = 0; i < PROFILE_FILE_SIZE; ++i) CHECK(profileRecord[i] == (i < kept ? data[i] : 0));
    computeProgress();
    CHECK(ProgressSummary::levelsDone >= 0 && ProgressSummary::levelsDone <= LEVEL_COUNT);
    CHECK(ProgressSummary::challengesDone >= 0 && ProgressSummary::challengesDone <= CHALLENGE_COUNT);
    for (LauncherSettings::language = 1; LauncherSettings::language <= LANGUAGE_COUNT;
         ++LauncherSettings::language) {
        writeProgressText();
        CHECK(progressText[0] && std::memchr(progressText, 0, sizeof progressText - 1));
    }
    return 0;
}
