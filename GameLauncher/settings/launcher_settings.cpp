#include "settings/launcher_settings.h"

namespace LauncherSettings {
int32_t mode = 1;
int32_t language = 1;
int32_t volume = 4;

void reset() {
    mode = 1;
    language = 1;
    volume = 4;
}
}  // namespace LauncherSettings
