// The player's save record Data/Profils/<name>.bin and the progress drawn
// from it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

constexpr size_t PROFILE_FILE_SIZE = 23812;
constexpr int LEVEL_COUNT = 64;
constexpr int CHALLENGE_COUNT = 25;
constexpr size_t PROGRESS_TEXT_SIZE = 512;

// Where the record keeps what the launcher reads and writes.
constexpr size_t PLAYER_NAME_OFFSET = 0;
constexpr size_t PLAYER_NAME_SIZE = 33;  // byte 32 is always 0
constexpr size_t PROFILE_TAG_OFFSET = 33;
constexpr size_t PROFILE_TAG_LENGTH = 8;
constexpr size_t NEW_PLAYER_WORD_OFFSET = 42;
constexpr size_t NEW_PLAYER_FLAG_OFFSET = 48;
constexpr size_t NEW_PLAYER_FLAG_STRIDE = 296;
constexpr int NEW_PLAYER_FLAG_COUNT = 10;
constexpr size_t LEVEL_STATES_OFFSET = 348;
constexpr uint32_t LEVEL_COMPLETED = 2;
constexpr size_t CHALLENGE_FLAGS_OFFSET = 604;

// Image of the current profile's save record.
extern unsigned char profileRecord[PROFILE_FILE_SIZE];

namespace ProgressSummary {
extern int32_t percent;
extern int32_t levelsDone;
extern int32_t challengesDone;
}  // namespace ProgressSummary

// The progress line; progressLabel shows this buffer itself.
extern char progressText[PROGRESS_TEXT_SIZE];

// Fills profileRecord with a new player's record for currentProfileName.
void initProfileRecord();

// Puts the record, the summary, the text and the letter generator back to
// their program-start state.
void resetProfileFile();

// loadProfile without the window: reads the file of currentProfileName (as
// it was listed) into profileRecord, or creates it when there is none, and
// computes the ProgressSummary. An existing file is only ever read; one that
// cannot be read, or a file that cannot be created, gives zero progress and
// its reason on standard error.
void loadProfileRecord();

// Makes sure that the profile `name` has its file, before it is listed: an
// existing file is kept as it is, a missing one is created with a new
// player's record. False, with the reason (an error text) in `why`, when
// there is no file to read and none could be made; nothing is then left on
// disk.
bool makeProfileFile(const char* name, std::string& why);

// Reads up to PROFILE_FILE_SIZE bytes of `file` into profileRecord; bytes the
// file does not have read as 0. On a read error the record is all zero and
// the result is false.
bool readProfileRecord(std::FILE* file);

// The ProgressSummary of profileRecord.
void computeProgress();

// progressText from the ProgressSummary in the language in force.
void writeProgressText();

// "Data/Profils/<name>.bin" into `out`, the extension in the case the
// listing gave it.
void profileFilePath(const char* name, char* out, size_t outSize);

// The next number of the C runtime generator the Windows build uses
// (0..32767; the same sequence in every run).
int nextRandomNumber();

// The tag letter ('A'..'X') that the number r (0..32767) stands for.
char letterFromRandom(int r);

// A tag letter from the next random number.
char randomLetter();
