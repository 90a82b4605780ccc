#include "settings/launcher_settings.h"

#include "platform/platform.h"
#include "settings/config_file.h"

namespace LauncherSettings {
int32_t mode = 1;
int32_t volume = 4;

void chooseStartLanguage() {
    const int32_t saved = ConfigFile::instance()->getInt("langage");
    if (saved >= 1 && saved <= LANGUAGE_COUNT) {
        language = saved;
        return;
    }
    const int system = languageForCode(platform::userInterfaceLanguage());
    language = system ? system : 1;
}

void reset() {
    mode = 1;
    resetLanguage();
    volume = 4;
}
}  // namespace LauncherSettings
