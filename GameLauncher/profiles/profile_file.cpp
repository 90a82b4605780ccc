#include "profiles/profile_file.h"

#include <cerrno>
#include <cstring>
#include <string>

#include "i18n/language_tables.h"
#include "platform/platform.h"
#include "profiles/profile_list.h"
#include "profiles/profile_names.h"

unsigned char profileRecord[PROFILE_FILE_SIZE] = {};
namespace ProgressSummary {
int32_t percent = 0;
int32_t levelsDone = 0;
int32_t challengesDone = 0;
}  // namespace ProgressSummary
char progressText[PROGRESS_TEXT_SIZE] = {};

namespace {

// The Microsoft C runtime's rand(), never seeded: profiles created here get
// the same tag letters as those created by the Windows build.
const uint32_t RANDOM_START = 1;
uint32_t randomState = RANDOM_START;
const int RANDOM_MAX = 32767;
const int LAST_LETTER = 23;  // 'X'

const size_t PATH_SIZE = 512;

void storeLittleEndian16(size_t offset, uint16_t value) {
    profileRecord[offset] = static_cast<unsigned char>(value & 0xFF);
    profileRecord[offset + 1] = static_cast<unsigned char>(value >> 8);
}

uint32_t levelState(int level) {
    const unsigned char* bytes =
        profileRecord + LEVEL_STATES_OFFSET + 4 * static_cast<size_t>(level);
    return static_cast<uint32_t>(bytes[0]) | static_cast<uint32_t>(bytes[1]) << 8 |
           static_cast<uint32_t>(bytes[2]) << 16 | static_cast<uint32_t>(bytes[3]) << 24;
}

// A new player's record for `playerName` in profileRecord.
void fillNewRecord(const char* playerName) {
    std::memset(profileRecord, 0, sizeof profileRecord);
    for (int i = 0; i < NEW_PLAYER_FLAG_COUNT; ++i) {
        profileRecord[NEW_PLAYER_FLAG_OFFSET + NEW_PLAYER_FLAG_STRIDE * static_cast<size_t>(i)] = 1;
    }
    // A name too long for the record is cut before byte 32, so the tag
    // letters and the game's bytes after them keep their values.
    char* name = reinterpret_cast<char*>(profileRecord + PLAYER_NAME_OFFSET);
    copyCutName(playerName, PLAYER_NAME_SIZE - 1, name, PLAYER_NAME_SIZE);
    storeLittleEndian16(NEW_PLAYER_WORD_OFFSET, 1);
    for (size_t i = 0; i < PROFILE_TAG_LENGTH; ++i)
        profileRecord[PROFILE_TAG_OFFSET + i] = randomLetter();
    profileRecord[PLAYER_NAME_OFFSET + PLAYER_NAME_SIZE - 1] = 0;
}

// Creates the file of a new player named `name` at `path`; 0, or the error
// (errno-style) that stopped it. Exclusive creation: a file that appeared
// meanwhile, or one that exists but could not be read, is never replaced. A
// creation that fails leaves nothing on disk and draws no tag letters;
// profileRecord is then all zero.
int createProfileFile(const char* path, const char* name) {
    platform::makeDirectory(PROFILE_DIRECTORY);
    std::memset(profileRecord, 0, sizeof profileRecord);
    errno = 0;
    std::FILE* file = platform::createNewFile(path);
    if (!file) return errno != 0 ? errno : EIO;
    const uint32_t randomBefore = randomState;
    fillNewRecord(name);
    errno = 0;
    bool written = std::fwrite(profileRecord, 1, PROFILE_FILE_SIZE, file) == PROFILE_FILE_SIZE;
    int error = errno;
    // A full disk may only show when the buffered bytes go out at fclose.
    if (std::fclose(file) != 0 && written) {
        written = false;
        error = errno;
    }
    if (written) return 0;
    // A cut-off record is of no use to the game; the file is ours to remove.
    std::remove(path);
    std::memset(profileRecord, 0, sizeof profileRecord);
    randomState = randomBefore;
    return error != 0 ? error : EIO;
}

}  // namespace

int nextRandomNumber() {
    randomState = randomState * 214013u + 2531011u;
    return static_cast<int>((randomState >> 16) & 0x7FFF);
}

char letterFromRandom(int r) {
    float scaled = static_cast<float>(0.0 + (LAST_LETTER - 0.0) * r / RANDOM_MAX);
    int index = static_cast<int>(scaled + 0.5);
    if (index < 0) index = 0;
    if (index > LAST_LETTER) index = LAST_LETTER;
    return static_cast<char>('A' + index);
}

char randomLetter() { return letterFromRandom(nextRandomNumber()); }

void initProfileRecord() { fillNewRecord(currentProfileName); }

bool readProfileRecord(std::FILE* file) {
    // Cleared first, so a short file never shows the previous profile's data.
    std::memset(profileRecord, 0, sizeof profileRecord);
    std::fread(profileRecord, 1, PROFILE_FILE_SIZE, file);
    if (std::ferror(file)) {
        std::memset(profileRecord, 0, sizeof profileRecord);
        return false;
    }
    return true;
}

void computeProgress() {
    int levels = 0;
    for (int level = 0; level < LEVEL_COUNT; ++level) {
        if (levelState(level) == LEVEL_COMPLETED) ++levels;
    }
    int challenges = 0;
    for (int i = 0; i < CHALLENGE_COUNT; ++i) {
        if (profileRecord[CHALLENGE_FLAGS_OFFSET + static_cast<size_t>(i)] != 0) ++challenges;
    }
    ProgressSummary::levelsDone = levels;
    ProgressSummary::challengesDone = challenges;
    ProgressSummary::percent = (levels + challenges) * 100 / (LEVEL_COUNT + CHALLENGE_COUNT);
}

void profileFilePath(const char* name, char* out, size_t outSize) {
    std::snprintf(out, outSize, "%s/%s%s", PROFILE_DIRECTORY, name, ProfileList::extensionOf(name));
}

void loadProfileRecord() {
    char path[PATH_SIZE];
    profileFilePath(currentProfileName, path, sizeof path);
    const char* failed = "read";
    errno = 0;
    int error = 0;
    if (std::FILE* file = platform::openRegularFile(path)) {
        if (!readProfileRecord(file)) error = errno != 0 ? errno : EIO;
        std::fclose(file);
    } else if (errno == ENOENT) {
        failed = "create";
        error = createProfileFile(path, currentProfileName);
    } else {
        // There, but no file to read (a FIFO, a directory, no permission):
        // no progress to show, and nothing is created beside it.
        error = errno != 0 ? errno : EIO;
        std::memset(profileRecord, 0, sizeof profileRecord);
    }
    if (error != 0) {
        std::fprintf(stderr, "Cannot %s %s: %s\n", failed, path,
                     platform::errorText(error).c_str());
    }
    computeProgress();
}

bool makeProfileFile(const char* name, std::string& why) {
    char path[PATH_SIZE];
    profileFilePath(name, path, sizeof path);
    errno = 0;
    std::FILE* file = platform::openRegularFile(path);
    if (file) {
        std::fclose(file);
        return true;
    }
    int error = errno == ENOENT ? createProfileFile(path, name) : errno != 0 ? errno : EIO;
    if (error == 0) return true;
    why = platform::errorText(error);
    return false;
}

void writeProgressText() {
    std::snprintf(progressText, sizeof progressText, localisedText(TXT_PROGRESS_FORMAT),
                  ProgressSummary::percent, ProgressSummary::levelsDone, LEVEL_COUNT,
                  ProgressSummary::challengesDone, CHALLENGE_COUNT);
}

void resetProfileFile() {
    std::memset(profileRecord, 0, sizeof profileRecord);
    ProgressSummary::percent = 0;
    ProgressSummary::levelsDone = 0;
    ProgressSummary::challengesDone = 0;
    std::memset(progressText, 0, sizeof progressText);
    randomState = RANDOM_START;
}
