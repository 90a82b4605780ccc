#include "profiles/profile_list.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "support/test_support.h"

using test_support::ScratchDirectory;
using test_support::writeFile;
namespace fs = std::filesystem;

namespace {

class ProfileScan : public ::testing::Test {
protected:
    void SetUp() override { test_support::resetLauncherState(); }
    void TearDown() override { test_support::resetLauncherState(); }

    void addFile(const std::string& fileName) { writeFile("Data/Profils/" + fileName, "x"); }

    // Scans and returns what went to standard output.
    std::string scan() {
        ::testing::internal::CaptureStdout();
        scanProfiles();
        return ::testing::internal::GetCapturedStdout();
    }

    std::vector<std::string> listed() const {
        return std::vector<std::string>(ProfileList::names,
                                        ProfileList::names + ProfileList::count);
    }

    ScratchDirectory scratch;
};

const char* const WARNING = "Warning max profile number reached (10)\n";

TEST_F(ProfileScan, MissingDirectoryGivesEmptyListAndCreatesNothing) {
    EXPECT_EQ(scan(), "");
    EXPECT_EQ(ProfileList::count, 0);
    EXPECT_STREQ(currentProfileName, "");
    EXPECT_FALSE(fs::exists("Data"));
}

TEST_F(ProfileScan, EmptyDirectoryGivesEmptyList) {
    fs::create_directories("Data/Profils");
    writeFile("Data/Profils/notes.txt", "x");
    EXPECT_EQ(scan(), "");
    EXPECT_EQ(ProfileList::count, 0);
}

TEST_F(ProfileScan, NameIsFileNameWithoutExtensionWhateverItsCase) {
    addFile("Anna.BIN");
    scan();
    ASSERT_EQ(ProfileList::count, 1);
    EXPECT_STREQ(ProfileList::names[0], "Anna");
}

TEST_F(ProfileScan, FirstNameBecomesCurrentProfileAsACopy) {
    addFile("Anna.bin");
    addFile("Bert.bin");
    scan();
    ASSERT_EQ(ProfileList::count, 2);
    EXPECT_STREQ(currentProfileName, ProfileList::names[0]);
    EXPECT_NE(static_cast<const char*>(currentProfileName), ProfileList::names[0]);
}

TEST_F(ProfileScan, ScoresFileIsSkippedButOtherCaseIsAProfile) {
    addFile("Scores.bin");
    EXPECT_EQ(scan(), "");
    EXPECT_TRUE(listed().empty());
    // One at a time: a case-insensitive file system cannot hold both names.
    fs::remove("Data/Profils/Scores.bin");
    addFile("scores.bin");
    EXPECT_EQ(scan(), "");
    EXPECT_EQ(listed(), std::vector<std::string>{"scores"});
}

TEST_F(ProfileScan, FileNamedOnlyExtensionGivesEmptyName) {
    addFile(".bin");
    scan();
    ASSERT_EQ(ProfileList::count, 1);
    EXPECT_STREQ(ProfileList::names[0], "");
}

TEST_F(ProfileScan, DirectoryMatchingPatternIsListed) {
    fs::create_directories("Data/Profils/Folder.bin");
    scan();
    EXPECT_EQ(listed(), std::vector<std::string>{"Folder"});
}

TEST_F(ProfileScan, ExactlyTenProfilesAreListedWithoutWarning) {
    for (int i = 0; i < 10; ++i) addFile("P" + std::to_string(i) + ".bin");
    EXPECT_EQ(scan(), "");
    EXPECT_EQ(ProfileList::count, 10);
}

TEST_F(ProfileScan, TwelveProfilesAndScoresWarnTwiceAndKeepFirstTenInListingOrder) {
    for (int i = 0; i < 12; ++i) addFile("P" + std::to_string(i + 10) + ".bin");
    addFile("Scores.bin");
    EXPECT_EQ(scan(), std::string(WARNING) + WARNING);
    ASSERT_EQ(ProfileList::count, 10);

    std::vector<std::string> expected;
    for (const std::string& entry : platform::listBinEntries("Data/Profils")) {
        if (entry != "Scores.bin" && expected.size() < 10)
            expected.push_back(entry.substr(0, entry.size() - 4));
    }
    EXPECT_EQ(listed(), expected);
    EXPECT_STREQ(currentProfileName, expected[0].c_str());
}

TEST_F(ProfileScan, WorkingDirectoryIsTheSameAfterwards) {
    addFile("Anna.bin");
    fs::path before = fs::current_path();
    scan();
    EXPECT_EQ(fs::current_path(), before);
}

TEST(ProfileListAppend, AppendsCopiesToCurrentAndRefusesEleventh) {
    test_support::resetLauncherState();
    for (int i = 0; i < MAX_PROFILES; ++i) {
        std::string name = "N" + std::to_string(i);
        EXPECT_EQ(ProfileList::append(name.c_str()), i);
        EXPECT_STREQ(currentProfileName, name.c_str());
    }
    EXPECT_EQ(ProfileList::append("Eleven"), -1);
    EXPECT_EQ(ProfileList::count, MAX_PROFILES);
    EXPECT_STREQ(currentProfileName, "N9");
    test_support::resetLauncherState();
}

}  // namespace
