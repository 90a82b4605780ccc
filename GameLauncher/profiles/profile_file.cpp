#include "profiles/profile_file.h"

unsigned char profileRecord[PROFILE_FILE_SIZE] = {};
namespace ProgressSummary {
int32_t percent = 0;
int32_t levelsDone = 0;
int32_t challengesDone = 0;
}  // namespace ProgressSummary
char progressText[PROGRESS_TEXT_SIZE] = {};

void initProfileRecord() {}
void resetProfileFile() {}
