#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "platform/platform.h"
#include "profiles/profile_file.h"
#include "profiles/profile_list.h"
#include "profiles/profile_test_support.h"
#include "support/test_support.h"

using namespace profile_tests;
using test_support::readFile;
namespace fs = std::filesystem;
using Names = std::vector<std::string>;

namespace {

class ProfileFiles : public ::testing::Test {
protected:
    void SetUp() override { test_support::resetLauncherState(); }

    static std::tuple<int, int, int> load(const std::string& name) {
        std::snprintf(currentProfileName, sizeof currentProfileName, "%s", name.c_str());
        loadProfileRecord();
        return {ProgressSummary::percent, ProgressSummary::levelsDone,
                ProgressSummary::challengesDone};
    }

    // Scans a fresh Data/Profils holding these files and returns what went
    // to standard output; the working directory must stay as it is.
    static std::string scanWith(const Names& files) {
        test_support::resetLauncherState();
        fs::remove_all("Data");
        for (const std::string& file : files) test_support::writeFile("Data/Profils/" + file, "x");
        fs::path before = fs::current_path();
        ::testing::internal::CaptureStdout();
        scanProfiles();
        EXPECT_EQ(fs::current_path(), before);
        return ::testing::internal::GetCapturedStdout();
    }
    static Names listed() {
        return Names(ProfileList::names, ProfileList::names + ProfileList::count);
    }

    test_support::ScratchDirectory scratch;
};

TEST_F(ProfileFiles, ScanGivesTheseNamesAndTheFirstBecomesCurrent) {
    const std::pair<Names, Names> cases[] = {
        {{}, {}},  // no Data/Profils: nothing is created
        {{"Anna.BIN"}, {"Anna"}},
        {{"Scores.bin"}, {}},  // the game's own file, in its exact case only
        {{"scores.bin"}, {"scores"}},
        {{".bin"}, {""}},
        // Names that the "name" line of the settings would not carry intact.
        {{"Zed\nLine.bin", "Tab\t.bin", " Lead.bin", "\x7f.bin", "Bob.bin"}, {"Bob"}},
    };
    for (const auto& [files, names] : cases) {
        SCOPED_TRACE(::testing::PrintToString(files));
        EXPECT_EQ(scanWith(files), "");
        EXPECT_EQ(listed(), names);
        EXPECT_STREQ(currentProfileName, names.empty() ? "" : names[0].c_str());
        EXPECT_EQ(fs::exists("Data"), !files.empty());
    }
    // Read from the file as listed, never from a new one beside it.
    scanWith({"Anna.BIN"});
    test_support::writeFile("Data/Profils/Anna.BIN", progressRecord(44, 0));
    EXPECT_EQ(load("Anna"), std::make_tuple(49, 44, 0));
    EXPECT_EQ(platform::listBinEntries("Data/Profils"), Names{"Anna.BIN"});
}

TEST_F(ProfileFiles, ScanOfTwelveProfilesAndScoresWarnTwiceAndKeepTheFirstTenInListingOrder) {
    Names files = {"Scores.bin"};
    for (int i = 0; i < 12; ++i) files.push_back("P" + std::to_string(i + 10) + ".bin");
    const std::string warning = "Warning max profile number reached (10)\n";
    EXPECT_EQ(scanWith(files), warning + warning);
    Names expected;
    for (const std::string& entry : platform::listBinEntries("Data/Profils")) {
        if (entry != "Scores.bin" && expected.size() < 10)
            expected.push_back(entry.substr(0, entry.size() - 4));
    }
    EXPECT_EQ(listed(), expected);
}

// The tag letters come from the never-seeded Microsoft C runtime generator:
// the first profile of every run gets the first eight, a second the next
// eight. A name longer than 32 bytes (a listed profile whose file has gone)
// is cut so that byte 32 stays 0.
TEST_F(ProfileFiles, NewFilesHoldTheFreshRecordOnlyInsideAnInstallation) {
    EXPECT_EQ(load("Anna"), std::make_tuple(0, 0, 0));
    EXPECT_FALSE(fs::exists("Data"));
    fs::create_directories("Data");  // Data/Profils is created for the file
    for (auto [name, tag] : {std::make_pair(std::string("Anna"), "ANETNLIV"),
                             std::make_pair(std::string(100, 'n'), "TREUQMHA")}) {
        EXPECT_EQ(load(name), std::make_tuple(0, 0, 0));
        std::string expected(PROFILE_FILE_SIZE, '\0');
        expected.replace(0, std::min<size_t>(name.size(), 32), name, 0, 32);
        expected.replace(33, 8, tag)[42] = 1;
        for (size_t i = 0; i < 10; ++i) expected[48 + 296 * i] = 1;
        EXPECT_EQ(readFile(profilePath(name)), expected);
    }
}

// Only level state 2 counts, and any non-zero challenge byte. The files are
// read in this order: a short file must not show the previous one's data,
// nor an entry that cannot be read, which shows zero progress.
TEST_F(ProfileFiles, ExistingEntriesGiveTheirProgressAndAreNeverModified) {
    std::string odd(PROFILE_FILE_SIZE, '\0');
    odd.replace(LEVEL_STATES_OFFSET, 14, std::string("\1\0\0\0\3\0\0\0\2\0\0\0\2\1", 14));
    odd.replace(CHALLENGE_FLAGS_OFFSET + 24, 2, "\1\1");  // the second is past the last
    odd[CHALLENGE_FLAGS_OFFSET] = '\xFF';
    const std::tuple<std::string, int, int, int> files[] = {
        {progressRecord(64, 25), 100, 64, 25},
        {progressRecord(10, 0, LEVEL_STATES_OFFSET + 40), 11, 10, 0},
        {progressRecord(63, 25), 98, 63, 25},
        {progressRecord(44, 0), 49, 44, 0},
        {"", 0, 0, 0},
        {progressRecord(64, 25, PROFILE_FILE_SIZE + 5000), 100, 64, 25},
        {odd, 3, 1, 2},
    };
    for (const auto& [bytes, percent, levels, challenges] : files) {
        SCOPED_TRACE(percent);
        test_support::writeFile(profilePath("P"), bytes);
        auto time = fs::last_write_time(profilePath("P"));
        EXPECT_EQ(load("P"), std::make_tuple(percent, levels, challenges));
        EXPECT_EQ(readFile(profilePath("P")), bytes);
        EXPECT_EQ(fs::last_write_time(profilePath("P")), time);
    }
    fs::create_directories(profilePath("Locked"));
    EXPECT_EQ(load("Locked"), std::make_tuple(0, 0, 0));
    EXPECT_TRUE(fs::is_directory(profilePath("Locked")) && fs::is_empty(profilePath("Locked")));
}

}  // namespace
