// Checks of the benchmarks' own measuring helpers, run by bench/run.sh before
// it measures: a wrong "drawn" moment or a malformed installation would make
// every figure meaningless without any error showing.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "frames.h"
#include "installation.h"
#include "stats.h"

namespace {

uint32_t le32(const std::string& bytes, size_t at) {
    uint32_t value = 0;
    for (int i = 3; i >= 0; --i) value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

}  // namespace

TEST(DrawnAt, WindowAlreadyCompleteAtMapIsDrawnAtMap) { EXPECT_EQ(drawnAt({{12.0, 7}}), 12.0); }

TEST(DrawnAt, IsTheFirstFrameShowingTheFinalPicture) {
    EXPECT_EQ(drawnAt({{10.0, 1}, {11.0, 2}, {13.0, 3}, {14.0, 3}}), 13.0);
}

TEST(DrawnAt, PictureThatWasCompleteThenChangedCountsFromItsReturn) {
    EXPECT_EQ(drawnAt({{10.0, 3}, {11.0, 2}, {15.0, 3}}), 15.0);
}

TEST(Median, OddCountTakesTheMiddleAndEvenCountTheMeanOfTheTwoMiddles) {
    EXPECT_EQ(median({5, 1, 3}), 3);
    EXPECT_EQ(median({4, 1, 3, 2}), 2.5);
    EXPECT_TRUE(std::isnan(median({})));
}

TEST(GrowthExponent, IsOneForLinearAndTwoForQuadraticGrowth) {
    EXPECT_NEAR(growthExponent(1.0, 1000, 10.0, 10000), 1.0, 1e-12);
    EXPECT_NEAR(growthExponent(1.0, 1000, 100.0, 10000), 2.0, 1e-12);
}

TEST(ProfileRecordBytes, HoldsNameLevelsAndChallengesWhereTheLauncherReadsThem) {
    const std::string record = profileRecordBytes("Bob", 10, 5);
    ASSERT_EQ(record.size(), 23812u);
    EXPECT_EQ(std::string(record.c_str()), "Bob");
    EXPECT_EQ(le32(record, 348 + 4 * 9), 2u);
    EXPECT_EQ(le32(record, 348 + 4 * 10), 0u);
    EXPECT_NE(record[604 + 4], 0);
    EXPECT_EQ(record[604 + 5], 0);
}

TEST(SettingsText, HasTheAskedNumberOfCrLfLinesStartingWithTheLaunchSettings) {
    const std::string text = settingsText(30);
    size_t lines = 0;
    for (size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at + 2))
        ++lines;
    EXPECT_EQ(lines, 30u);
    EXPECT_EQ(text.rfind("name Bob\r\n", 0), 0u);
}

TEST(SettingsTextOfSize, HasExactlyTheAskedSize) {
    EXPECT_EQ(settingsTextOfSize(1000000).size(), 1000000u);
}
