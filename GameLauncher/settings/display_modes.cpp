#include "settings/display_modes.h"

ModeSize modeSizes[MODE_COUNT - 1] = {};
NumberedText modeLabels[MODE_COUNT] = {
    {"Fullscreen", 1}, {"Windowed 4 3", 2}, {"Windowed 16 9", 3},
    {"Windowed 4 3 50p", 4}, {"Windowed 16 9 50p", 5},
};
void computeModeSizes() {}
void formatModeLabels() {}
void resetDisplayModes() {}
