#include "settings/launcher_settings.h"

namespace LauncherSettings {
int32_t mode = 1;
int32_t volume = 4;

void reset() {
    mode = 1;
    resetLanguage();
    volume = 4;
}
}  // namespace LauncherSettings
