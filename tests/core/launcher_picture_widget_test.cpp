// The built-in picture: an XPM of 168 x 256 pixels in 256 colours, two
// characters a pixel, every colour an opaque upper-case #RRGGBB.
#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

#include "assets/launcher_picture.h"

namespace {

const int WIDTH = 168;
const int HEIGHT = 256;
const int COLOURS = 256;

bool isUpperHex(char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'); }

TEST(LauncherPicture, HeaderGivesSizeColoursAndTwoCharactersAPixel) {
    EXPECT_STREQ(launcherPicture[0], "168 256 256 2");
}

TEST(LauncherPicture, ColourLinesAreKeyThenOpaqueUpperCaseRgb) {
    std::set<std::string> keys, colours;
    for (int i = 1; i <= COLOURS; ++i) {
        const char* line = launcherPicture[i];
        ASSERT_EQ(std::strlen(line), 12u) << "colour line " << i << ": " << line;
        std::string key(line, 2);
        EXPECT_EQ(key.find_first_of("\"\\ "), std::string::npos) << key;
        EXPECT_EQ(std::string(line + 2, 4), " c #") << line;
        for (int j = 6; j < 12; ++j) EXPECT_TRUE(isUpperHex(line[j])) << line;
        keys.insert(key);
        colours.insert(line + 6);
    }
    EXPECT_EQ(keys.size(), size_t(COLOURS)) << "keys must be distinct";
    EXPECT_EQ(colours.size(), size_t(COLOURS)) << "colours are distinct too";
}

TEST(LauncherPicture, RowsAreTwoKnownKeyCharactersForEveryPixel) {
    std::set<std::string> keys;
    for (int i = 1; i <= COLOURS; ++i) keys.insert(std::string(launcherPicture[i], 2));
    std::set<std::string> used;
    for (int row = 0; row < HEIGHT; ++row) {
        const char* line = launcherPicture[1 + COLOURS + row];
        ASSERT_EQ(std::strlen(line), size_t(2 * WIDTH)) << "row " << row;
        for (int x = 0; x < WIDTH; ++x) {
            std::string key(line + 2 * x, 2);
            ASSERT_TRUE(keys.count(key)) << "row " << row << " pixel " << x;
            used.insert(key);
        }
    }
    // A painted picture, not a flat placeholder.
    EXPECT_GT(used.size(), 200u);
}

}  // namespace
