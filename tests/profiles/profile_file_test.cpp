#include "profiles/profile_file.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>

#include "profile_test_support.h"
#include "profiles/profile_list.h"
#include "settings/launcher_settings.h"
#include "support/test_support.h"

using namespace profile_tests;
using test_support::readFile;
using test_support::writeFile;
namespace fs = std::filesystem;

namespace {

class ProfileFileTest : public ::testing::Test {
protected:
    void SetUp() override { test_support::resetLauncherState(); }
    void TearDown() override { test_support::resetLauncherState(); }

    void load(const std::string& name) {
        std::snprintf(currentProfileName, sizeof currentProfileName, "%s", name.c_str());
        loadProfileRecord();
    }

    void expectSummary(int percent, int levels, int challenges) {
        EXPECT_EQ(ProgressSummary::percent, percent);
        EXPECT_EQ(ProgressSummary::levelsDone, levels);
        EXPECT_EQ(ProgressSummary::challengesDone, challenges);
    }

    // The bytes a new file must hold for `name` with the given tag.
    static std::string expectedNewFile(const std::string& name, const std::string& tag) {
        std::string bytes(PROFILE_FILE_SIZE, '\0');
        bytes.replace(0, name.size(), name);
        bytes.replace(33, 8, tag);
        bytes[42] = 1;
        for (size_t i = 0; i < 10; ++i) bytes[48 + 296 * i] = 1;
        return bytes;
    }

    test_support::ScratchDirectory scratch;
};

// The first sixteen numbers of the never-seeded Microsoft C runtime generator
// give these letters.
const char* const FIRST_TAG = "ANETNLIV";
const char* const SECOND_TAG = "TREUQMHA";

TEST_F(ProfileFileTest, NewProfileFileHoldsExactlyTheFreshRecord) {
    fs::create_directories("Data/Profils");
    load("Anna");
    EXPECT_EQ(readFile(profilePath("Anna")), expectedNewFile("Anna", FIRST_TAG));
    expectSummary(0, 0, 0);
}

TEST_F(ProfileFileTest, SecondProfileOfARunContinuesTheLetterSequence) {
    fs::create_directories("Data/Profils");
    load("Anna");
    load("Bert");
    EXPECT_EQ(readFile(profilePath("Bert")), expectedNewFile("Bert", SECOND_TAG));
}

TEST_F(ProfileFileTest, MissingProfileDirectoryIsCreatedForANewProfile) {
    fs::create_directories("Data");
    load("Anna");
    EXPECT_EQ(readFile(profilePath("Anna")).size(), PROFILE_FILE_SIZE);
}

TEST_F(ProfileFileTest, NothingIsWrittenWhenTheFileCannotBeCreated) {
    // No Data directory: the launcher is not in an installation.
    load("Anna");
    EXPECT_FALSE(fs::exists("Data"));
    expectSummary(0, 0, 0);
}

TEST_F(ProfileFileTest, LetterIsRoundedToNearestOverAToX) {
    int counts[26] = {};
    for (int r = 0; r <= 32767; ++r) ++counts[letterFromRandom(r) - 'A'];
    EXPECT_EQ(counts[0], 713);
    EXPECT_EQ(counts[23], 713);
    for (int i = 1; i < 23; ++i) EXPECT_TRUE(counts[i] == 1424 || counts[i] == 1425) << i;
    EXPECT_EQ(counts[24] + counts[25], 0);
}

TEST_F(ProfileFileTest, LongNameIsCutSoTagAndGameBytesKeepTheirValues) {
    std::snprintf(currentProfileName, sizeof currentProfileName, "%s",
                  std::string(100, 'n').c_str());
    initProfileRecord();
    std::string record(reinterpret_cast<const char*>(profileRecord), PROFILE_FILE_SIZE);
    EXPECT_EQ(record.substr(0, 32), std::string(32, 'n'));
    EXPECT_EQ(record[32], '\0');
    EXPECT_EQ(record.substr(33, 8), FIRST_TAG);
    EXPECT_EQ(record[41], '\0');
    EXPECT_EQ(record[42], '\x01');
    EXPECT_EQ(record.substr(43, 5), std::string(5, '\0'));
}

TEST_F(ProfileFileTest, ProgressExamples) {
    struct Case {
        int levels, challenges, percent;
    };
    const Case cases[] = {{64, 25, 100}, {63, 25, 98}, {0, 25, 28}, {44, 0, 49},
                          {1, 0, 1},     {0, 1, 1},    {0, 0, 0}};
    for (const Case& c : cases) {
        writeFile(profilePath("P"), progressRecord(c.levels, c.challenges));
        load("P");
        expectSummary(c.percent, c.levels, c.challenges);
    }
}

TEST_F(ProfileFileTest, OnlyLevelStateTwoCountsAndAnyNonZeroChallengeByte) {
    std::string bytes(PROFILE_FILE_SIZE, '\0');
    bytes[LEVEL_STATES_OFFSET + 0] = 1;
    bytes[LEVEL_STATES_OFFSET + 4] = 3;
    bytes[LEVEL_STATES_OFFSET + 8] = 2;
    bytes[LEVEL_STATES_OFFSET + 12] = 2;
    bytes[LEVEL_STATES_OFFSET + 13] = 1;  // 258 is no completed level
    bytes[CHALLENGE_FLAGS_OFFSET] = '\xFF';
    bytes[CHALLENGE_FLAGS_OFFSET + 24] = 1;
    bytes[CHALLENGE_FLAGS_OFFSET + 25] = 1;  // past the last challenge
    writeFile(profilePath("P"), bytes);
    load("P");
    expectSummary(3, 1, 2);
}

TEST_F(ProfileFileTest, ShortFileReadsMissingBytesAsZeroNotThePreviousProfile) {
    writeFile(profilePath("Full"), progressRecord(64, 25));
    writeFile(profilePath("Short"), progressRecord(10, 0, 2, 1, LEVEL_STATES_OFFSET + 40));
    load("Full");
    load("Short");
    expectSummary(11, 10, 0);
    for (size_t i = LEVEL_STATES_OFFSET + 40; i < PROFILE_FILE_SIZE; ++i)
        ASSERT_EQ(profileRecord[i], 0) << i;
}

TEST_F(ProfileFileTest, ExistingFilesAreNeverModified) {
    const std::string files[][2] = {
        {"Empty", ""},
        {"Short", progressRecord(5, 5, 2, 1, 700)},
        {"Exact", progressRecord(30, 12)},
        {"Long", progressRecord(64, 25, 2, 7, PROFILE_FILE_SIZE + 5000)},
        {"Odd", std::string(PROFILE_FILE_SIZE, '\xFF')},
    };
    for (const auto& file : files) writeFile(profilePath(file[0]), file[1]);
    for (const auto& file : files) {
        size_t before = contentHash(profilePath(file[0]));
        auto time = fs::last_write_time(profilePath(file[0]));
        load(file[0]);
        EXPECT_EQ(contentHash(profilePath(file[0])), before) << file[0];
        EXPECT_EQ(readFile(profilePath(file[0])).size(), file[1].size()) << file[0];
        EXPECT_EQ(fs::last_write_time(profilePath(file[0])), time) << file[0];
    }
}

TEST_F(ProfileFileTest, LongFileReadsOnlyTheRecord) {
    writeFile(profilePath("Long"), progressRecord(64, 25, 2, 1, PROFILE_FILE_SIZE + 100));
    load("Long");
    expectSummary(100, 64, 25);
}

TEST_F(ProfileFileTest, UnreadableEntryShowsZeroAndStaysUntouched) {
    // A directory carries the profile's file name but cannot be read as one.
    writeFile(profilePath("Other"), progressRecord(64, 25));
    fs::create_directories(profilePath("Locked"));
    load("Other");
    load("Locked");
    expectSummary(0, 0, 0);
    EXPECT_TRUE(fs::is_directory(profilePath("Locked")));
    EXPECT_TRUE(fs::is_empty(profilePath("Locked")));
}

TEST_F(ProfileFileTest, ProgressLineUsesTheLanguageFormatWithFiveNumbers) {
    writeFile(profilePath("P"), progressRecord(30, 2));
    load("P");
    writeProgressText();
    EXPECT_STREQ(progressText, "35% done (Level 30/64, Challenges 2/25)");
    LauncherSettings::language = 2;
    writeProgressText();
    EXPECT_STREQ(progressText,
                 "35% fait (Niveaux 30/64, D\xC3\xA9"
                 "fis 2/25)");
    LauncherSettings::language = 3;
    writeProgressText();
    EXPECT_STREQ(progressText,
                 " 35% done (Nivel 30 / 64, los desaf\xC3\xAD"
                 "os 2 / 25)");
}

TEST_F(ProfileFileTest, NewPlayersLineReadsZero) {
    fs::create_directories("Data/Profils");
    load("Anna");
    writeProgressText();
    EXPECT_STREQ(progressText, "0% done (Level 0/64, Challenges 0/25)");
}

}  // namespace
