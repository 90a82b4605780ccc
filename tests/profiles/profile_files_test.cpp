#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "platform/platform.h"
#include "profiles/profile_file.h"
#include "profiles/profile_list.h"
#include "support/test_support.h"

using test_support::readFile, test_support::writeFile;
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
    test_support::ScratchDirectory scratch;
};

// Skipped: the game's score file (in any ASCII letter case) and names that the
// "name" line of the settings would not carry intact. The first listed is
// current, and is read from the file as listed, never one made beside it. A
// new file is only made inside an installation; a name longer than 32 bytes
// (a listed profile whose file has gone) is cut so that byte 32 stays 0.
TEST_F(ProfileFiles, ScanListsTheseNamesAndLoadingMakesOnlyMissingFiles) {
    const std::pair<Names, Names> cases[] = {
        {{}, {}},
        {{"Scores.bin", ".bin"}, {""}},
        {{"sCORES.bin"}, {}},
        {{"Zed\nLine.bin", "Tab\t.bin", " Lead.bin", "\x7f.bin", "Anna.BIN"}, {"Anna"}},
    };
    for (const auto& [files, names] : cases) {
        for (const std::string& file : files) writeFile("Data/Profils/" + file, "\2");
        scanProfiles();
        EXPECT_EQ(Names(ProfileList::names, ProfileList::names + ProfileList::count), names);
        EXPECT_EQ(currentProfileName, names.empty() ? "" : names[0]);
        EXPECT_EQ(fs::exists("Data"), !files.empty());
        fs::remove_all("Data");
    }
    EXPECT_EQ(load("Anna"), std::make_tuple(0, 0, 0));
    EXPECT_FALSE(fs::exists("Data"));
    writeFile("Data/Profils/Anna.BIN", std::string(LEVEL_STATES_OFFSET, '\0') + "\2");
    EXPECT_EQ(load("Anna"), std::make_tuple(1, 1, 0));
    EXPECT_EQ(platform::listBinEntries("Data/Profils").size(), 1u);
    load(std::string(100, 'n'));
    EXPECT_EQ(readFile("Data/Profils/" + std::string(100, 'n') + ".bin").substr(0, 34),
              std::string(32, 'n') + '\0' + 'A');
}

// Only level state 2 counts, and any non-zero challenge byte. A short file
// must not show the previous one's data, nor an entry that cannot be read or
// made, which shows zero progress; none is ever written.
TEST_F(ProfileFiles, ExistingEntriesGiveTheirProgressAndAreNeverModified) {
    std::string full(PROFILE_FILE_SIZE + 5000, '\0'), odd(PROFILE_FILE_SIZE, '\0');
    for (int i = 0; i < LEVEL_COUNT; ++i) full[LEVEL_STATES_OFFSET + 4 * i] = 2;
    full.replace(CHALLENGE_FLAGS_OFFSET, CHALLENGE_COUNT, std::string(CHALLENGE_COUNT, '\1'));
    // States are 32-bit little-endian: 2 with any other byte set is not 2.
    const char states[] = "\1\0\0\0\3\0\0\0\2\0\0\0\2\1\0\0\2\0\2\0\2\0\0\2";
    odd.replace(LEVEL_STATES_OFFSET, sizeof states - 1, states, sizeof states - 1);
    odd.replace(CHALLENGE_FLAGS_OFFSET + 24, 2, "\1\1");  // the second is past the last
    odd[CHALLENGE_FLAGS_OFFSET] = '\xFF';
    const std::tuple<std::string, int, int, int> files[] = {
        {full, 100, 64, 25},
        {full.substr(0, LEVEL_STATES_OFFSET + 40), 11, 10, 0},
        {full.substr(0, CHALLENGE_FLAGS_OFFSET + 24), 98, 64, 24},
        {"", 0, 0, 0},
        {odd, 3, 1, 2},
    };
    EXPECT_EQ(load("No/Such"), std::make_tuple(0, 0, 0));  // a file that cannot be made
    for (const auto& [bytes, percent, levels, challenges] : files) {
        writeFile("Data/Profils/P.bin", bytes);
        auto time = fs::last_write_time("Data/Profils/P.bin");
        EXPECT_EQ(load("P"), std::make_tuple(percent, levels, challenges));
        EXPECT_EQ(readFile("Data/Profils/P.bin"), bytes);
        EXPECT_EQ(fs::last_write_time("Data/Profils/P.bin"), time);
    }
    fs::create_directories("Data/Profils/Locked.bin");
    EXPECT_EQ(load("Locked"), std::make_tuple(0, 0, 0));
    EXPECT_TRUE(fs::is_empty("Data/Profils/Locked.bin"));
}

}  // namespace
