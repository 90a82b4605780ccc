#include "settings/display_modes.h"

#include <cstdio>

#include "platform/screen.h"

ModeSize modeSizes[MODE_COUNT - 1] = {};

namespace {

// The texts modeChoice is built with; they hold no '/', which
// Fl_Menu_::add would read as a submenu separator.
const NumberedText INITIAL_MODE_LABELS[MODE_COUNT] = {
    {"Fullscreen", DisplayMode::Fullscreen},
    {"Windowed 4 3", DisplayMode::Windowed4x3},
    {"Windowed 16 9", DisplayMode::Windowed16x9},
    {"Windowed 4 3 50p", DisplayMode::Windowed4x3Half},
    {"Windowed 16 9 50p", DisplayMode::Windowed16x9Half},
};

// The 32-bit floats nearest to 4/3 and 16/9; the sizes are computed with
// these rather than the exact ratios.
const float FOUR_BY_THREE = 1.3333334f;
const float SIXTEEN_BY_NINE = 1.7777778f;

// The largest window of shape `ratio` (width / height) that fits a W x H
// screen; `inverse` is height / width. Products in double, stored as float.
ModeSize largestFitting(float W, float H, double inverse, float ratio) {
    if (static_cast<double>(H) > inverse * W) {
        return {W, static_cast<float>(inverse * W)};
    }
    return {static_cast<float>(static_cast<double>(ratio) * H), H};
}

// Item texts of modeChoice in item order: a format, filled with the text
// `first` and, where it has a second "%s", TXT_HALF_SIZE.
struct ModeLabelFormat {
    StringId first;
    const char* format;
};
const ModeLabelFormat MODE_LABEL_FORMATS[MODE_COUNT] = {
    {TXT_FULLSCREEN, "%s"},      {TXT_WINDOWED, "%s 4/3"},     {TXT_WINDOWED, "%s 16/9"},
    {TXT_WINDOWED, "%s 4/3 %s"}, {TXT_WINDOWED, "%s 16/9 %s"},
};

ModeSize halfOf(ModeSize size) {
    return {static_cast<float>(0.5 * size.width), static_cast<float>(0.5 * size.height)};
}

}  // namespace

NumberedText modeLabels[MODE_COUNT] = {
    INITIAL_MODE_LABELS[0], INITIAL_MODE_LABELS[1], INITIAL_MODE_LABELS[2],
    INITIAL_MODE_LABELS[3], INITIAL_MODE_LABELS[4],
};

void computeModeSizes() {
    float W = static_cast<float>(screenWidth);
    float H = static_cast<float>(screenHeight);
    ModeSize full4x3 = largestFitting(W, H, 0.75, FOUR_BY_THREE);
    ModeSize full16x9 = largestFitting(W, H, 0.5625, SIXTEEN_BY_NINE);
    modeSizes[DisplayMode::Windowed4x3 - 2] = full4x3;
    modeSizes[DisplayMode::Windowed16x9 - 2] = full16x9;
    modeSizes[DisplayMode::Windowed4x3Half - 2] = halfOf(full4x3);
    modeSizes[DisplayMode::Windowed16x9Half - 2] = halfOf(full16x9);
}

void formatModeLabels() {
    char work[TEXT_SIZE];
    for (int i = 0; i < MODE_COUNT; ++i) {
        const ModeLabelFormat& item = MODE_LABEL_FORMATS[i];
        std::snprintf(work, sizeof work, item.format, localisedText(item.first),
                      localisedText(TXT_HALF_SIZE));
        std::snprintf(modeLabels[i].text, sizeof modeLabels[i].text, "%s", work);
    }
}

void resetDisplayModes() {
    for (ModeSize& size : modeSizes) size = ModeSize{0.0f, 0.0f};
    for (int i = 0; i < MODE_COUNT; ++i) modeLabels[i] = INITIAL_MODE_LABELS[i];
}
