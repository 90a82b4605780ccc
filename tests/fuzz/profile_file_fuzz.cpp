// Reads arbitrary bytes as a profile's save file: the record holds exactly the
// file's first bytes (the rest zero), the progress and every language's line
// stay within bounds, and the file stays as it was.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "i18n/language_tables.h"
#include "profiles/profile_file.h"
#include "settings/launcher_settings.h"

namespace {

void check(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // One scratch file for every input, apart from the fuzzer's directories.
    static std::FILE* file = std::tmpfile();
    check(file && ftruncate(fileno(file), 0) == 0);
    std::rewind(file);
    check(std::fwrite(data, 1, size, file) == size && std::fflush(file) == 0);
    std::rewind(file);

    // A previous profile's data must never show through a short file.
    std::memset(profileRecord, 0xAB, sizeof profileRecord);
    check(readProfileRecord(file));
    computeProgress();

    size_t kept = size < PROFILE_FILE_SIZE ? size : PROFILE_FILE_SIZE;
    check(kept == 0 || std::memcmp(profileRecord, data, kept) == 0);
    for (size_t i = kept; i < PROFILE_FILE_SIZE; ++i) check(profileRecord[i] == 0);

    int levels = ProgressSummary::levelsDone, challenges = ProgressSummary::challengesDone;
    check(levels >= 0 && levels <= LEVEL_COUNT && challenges >= 0 && challenges <= CHALLENGE_COUNT);
    check(ProgressSummary::percent ==
          (levels + challenges) * 100 / (LEVEL_COUNT + CHALLENGE_COUNT));

    std::string after(size + 1, '\0');
    std::rewind(file);
    check(std::fread(&after[0], 1, after.size(), file) == size);
    check(size == 0 || std::memcmp(after.data(), data, size) == 0);

    for (int language = 1; language <= LANGUAGE_COUNT; ++language) {
        LauncherSettings::language = language;
        writeProgressText();
        size_t length = strnlen(progressText, sizeof progressText);
        check(length > 0 && length < sizeof progressText);
    }
    return 0;
}
