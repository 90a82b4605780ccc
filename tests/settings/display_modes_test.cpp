#include "settings/display_modes.h"

#include <gtest/gtest.h>

#include "platform/screen.h"

namespace {

// The {width, height} of modes 2..5, exact: products of the float ratios
// 1.3333334f and 1.7777778f, not of the exact ones.
// clang-format off
struct ScreenCase { int width, height; float sizes[8]; };
const ScreenCase SCREENS[] = {
    {1920, 1080, {1440, 1080, 1920, 1080, 720, 540, 960, 540}},
    {1366, 768, {1024, 768, 1365.3334f, 768, 512, 384, 682.6667f, 384}},
    {1280, 1024, {1280, 960, 1280, 720, 640, 480, 640, 360}},
    {1280, 800, {1066.6667f, 800, 1280, 720, 533.33337f, 400, 640, 360}},
    {1680, 1050, {1400, 1050, 1680, 945, 700, 525, 840, 472.5f}},
    {768, 1366, {768, 576, 768, 432, 384, 288, 384, 216}},  // portrait: bound by the width
};
// clang-format on

TEST(DisplayModes, WindowSizesOfEachScreen) {
    for (const ScreenCase& screen : SCREENS) {
        screenWidth = screen.width;
        screenHeight = screen.height;
        computeModeSizes();
        for (int i = 0; i < 8; ++i) {
            EXPECT_EQ(i % 2 ? modeSizes[i / 2].height : modeSizes[i / 2].width, screen.sizes[i])
                << screen.width << "x" << screen.height << " value " << i;
        }
    }
}

}  // namespace
