// The five display modes, the window size of each windowed mode and the
// localised texts of the display-mode choice.
#pragma once

#include <cstdint>

#include "i18n/language_tables.h"

namespace DisplayMode {
enum : int32_t {
    Fullscreen = 1,
    Windowed4x3 = 2,
    Windowed16x9 = 3,
    Windowed4x3Half = 4,
    Windowed16x9Half = 5,
};
}

constexpr int MODE_COUNT = 5;

struct ModeSize {
    float width;
    float height;
};

// Sizes of modes 2..5, at index mode - 2.
extern ModeSize modeSizes[MODE_COUNT - 1];

// Item texts of modeChoice in item order, with the mode each stands for.
extern NumberedText modeLabels[MODE_COUNT];

// Fills modeSizes from screenWidth and screenHeight.
void computeModeSizes();

// Writes the five modeLabels texts in the language in force.
void formatModeLabels();

// Puts modeSizes and modeLabels back to their start-up contents.
void resetDisplayModes();
