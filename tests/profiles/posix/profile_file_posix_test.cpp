// Cases that need POSIX permissions or the POSIX listing order.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "../profile_test_support.h"
#include "profiles/profile_file.h"
#include "profiles/profile_list.h"
#include "support/test_support.h"

using namespace profile_tests;
namespace fs = std::filesystem;

namespace {

TEST(ProfileFilePosix, FileWithoutReadPermissionShowsZeroAndStaysUntouched) {
    if (geteuid() == 0) GTEST_SKIP() << "root reads every file";
    test_support::resetLauncherState();
    test_support::ScratchDirectory scratch;
    test_support::writeFile(profilePath("Locked"), progressRecord(64, 25));
    size_t before = contentHash(profilePath("Locked"));
    ASSERT_EQ(chmod(profilePath("Locked").c_str(), 0), 0);
    std::snprintf(currentProfileName, sizeof currentProfileName, "Locked");
    loadProfileRecord();
    EXPECT_EQ(ProgressSummary::percent, 0);
    chmod(profilePath("Locked").c_str(), 0644);
    EXPECT_EQ(contentHash(profilePath("Locked")), before);
    test_support::resetLauncherState();
}

TEST(ProfileScanPosix, ProfilesAreListedInCaseInsensitiveOrder) {
    test_support::resetLauncherState();
    test_support::ScratchDirectory scratch;
    for (const char* name : {"bert.bin", "Anna.bin", "Carl.BIN", "anton.bin"}) {
        test_support::writeFile(std::string("Data/Profils/") + name, "x");
    }
    scanProfiles();
    ASSERT_EQ(ProfileList::count, 4);
    EXPECT_STREQ(ProfileList::names[0], "Anna");
    EXPECT_STREQ(ProfileList::names[1], "anton");
    EXPECT_STREQ(ProfileList::names[2], "bert");
    EXPECT_STREQ(ProfileList::names[3], "Carl");
    EXPECT_STREQ(currentProfileName, "Anna");
    test_support::resetLauncherState();
}

}  // namespace
