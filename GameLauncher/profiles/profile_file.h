// The player's save record Data/Profils/<name>.bin and the progress drawn
// from it.
#pragma once

#include <cstddef>
#include <cstdint>

class Fl_Widget;

constexpr size_t PROFILE_FILE_SIZE = 23812;
constexpr int LEVEL_COUNT = 64;
constexpr int CHALLENGE_COUNT = 25;
constexpr size_t PROGRESS_TEXT_SIZE = 512;

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

// Reads or creates the current profile's file, computes the progress and
// formats the progress line.
void loadProfile();

// Formats progressText from the ProgressSummary in the language in force and
// shows it in progressLabel.
void formatProgressText();

// Puts the record, the summary, the text and the letter generator back to
// their program-start state.
void resetProfileFile();
