#include "profiles/profile_file.h"

void loadProfile() {}
void formatProgressText() {}
