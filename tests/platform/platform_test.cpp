// The platform layer against the real system calls (on Windows, under Wine).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "support/test_support.h"

namespace fs = std::filesystem;
using test_support::readFile, test_support::writeFile, test_support::ScratchDirectory;

namespace {

// Names as stored, "*.bin" in any case, directories included. POSIX gives the
// order of an NTFS directory (upper-cased bytes: '_' after the letters); the
// Windows search gives its own, and also matches 8.3 aliases ("notes.binary"
// is NOTES~1.BIN), which are no profiles.
TEST(Platform, ListsBinEntriesAsStored) {
    ScratchDirectory scratch;
    for (const char* name : {"carl.bin", "_x.bin", "BOB.BIN", "anna.bin", "Anna2.Bin", "10.bin",
                             "9.bin", ".bin", "notes.txt", "a.bin.txt", "notes.binary", "bin"}) {
        writeFile(std::string("dir/") + name, "x");
    }
    fs::create_directories("dir/Folder.bin");
    std::vector<std::string> expected{".bin",      "10.bin",  "9.bin",      "anna.bin", "Anna2.Bin",
                                      "BOB.BIN",   "carl.bin", "Folder.bin", "_x.bin"};
    std::vector<std::string> listed = platform::listBinEntries("dir");
#ifdef _WIN32
    std::sort(listed.begin(), listed.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_TRUE(platform::sameFileName("\xC9mile", "\xE9MILE"));  // É, é in 1252: one file
#endif
    EXPECT_EQ(listed, expected);
    EXPECT_TRUE(platform::listBinEntries("no/such/dir").empty());
}

// A file that is no program is told as such (on Windows in the system's
// words, with the program's name for their "%1"); on Linux a Windows program
// ("MZ") runs through the wine found on PATH, and its status is kept.
TEST(Platform, RunsWhatTheGameFileHolds) {
    ScratchDirectory scratch;
    writeFile("1.exe", "not a program\r\n");
    platform::GameRun run = platform::runGameAndWait("1.exe");
    EXPECT_FALSE(run.started);
    EXPECT_FALSE(run.error.empty());
#ifdef _WIN32
    EXPECT_NE(run.error.find("1.exe"), std::string::npos) << run.error;
    EXPECT_EQ(run.error.find('%'), std::string::npos) << run.error;
#else
    writeFile("bin/wine", "#!/bin/sh\necho \"$@\" > wine_ran.txt\nexit 7\n");
    fs::permissions("bin/wine", fs::perms::owner_all);
    const std::string path = std::getenv("PATH");
    setenv("PATH", (fs::absolute("bin").string() + ":" + path).c_str(), 1);
    writeFile("1.exe", "MZ");
    run = platform::runGameAndWait("1.exe");
    setenv("PATH", path.c_str(), 1);
    EXPECT_TRUE(run.started);
    EXPECT_EQ(run.exitStatus, 7);
    EXPECT_EQ(readFile("wine_ran.txt"), "./1.exe\n");
#endif
}

}  // namespace
