// The platform layer against the real system calls (on Windows, under Wine).
#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "support/test_support.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace fs = std::filesystem;
using test_support::readFile, test_support::writeFile, test_support::ScratchDirectory;

namespace {

// Copies the stand-in game (stand_in_game.cpp), built next to this program.
void installStandInGame(const char* as) {
#ifdef _WIN32
    char self[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    fs::copy_file(fs::path(self).parent_path() / "stand_in_game.exe", as);
#else
    fs::copy_file(fs::read_symlink("/proc/self/exe").parent_path() / "stand_in_game", as);
#endif
}

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
#endif
    EXPECT_EQ(listed, expected);
    EXPECT_TRUE(platform::listBinEntries("no/such/dir").empty());
}

// Files are binary and created only new, never through a link (the launcher's
// GUI tests meet FIFOs, devices and links in the installation).
TEST(Platform, FilesAreCreatedOnlyNewReadOnlyWhenRegularAndReplacedInOneStep) {
    ScratchDirectory scratch;
    const std::string bytes = "a\nb\r\n\x1a" "c";
    std::FILE* file = platform::createNewFile("new.bin");
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(std::fwrite(bytes.data(), 1, bytes.size(), file), bytes.size());
    EXPECT_EQ(std::fclose(file), 0);
    EXPECT_TRUE(platform::makeDirectory("Data") && platform::makeDirectory("Data"));
    EXPECT_EQ(fs::status("Data").permissions() & fs::perms::owner_write, fs::perms::owner_write);
    EXPECT_FALSE(platform::makeDirectory("new.bin"));
#ifdef _WIN32
    const char* device = "NUL";
#else
    const char* device = "/dev/zero";
    fs::create_symlink("nowhere.bin", "dangling.bin");
    EXPECT_EQ(platform::createNewFile("dangling.bin"), nullptr);
    EXPECT_FALSE(fs::exists("nowhere.bin"));
#endif
    for (const char* path : {"new.bin", "missing/new.bin", device})
        EXPECT_EQ(platform::createNewFile(path), nullptr) << path;
    EXPECT_EQ(readFile("new.bin"), bytes);
    const std::pair<const char*, int> reads[] = {{"new.bin", 0}, {"missing.bin", ENOENT},
                                                 {"Data", EISDIR}, {device, platform::NOT_A_REGULAR_FILE}};
    for (const auto& [path, error] : reads) {
        errno = 0;
        file = platform::openRegularFile(path);
        EXPECT_EQ(file ? 0 : errno, error) << path;
        if (file) std::fclose(file);
    }
    writeFile("config.ini", "old");
    EXPECT_TRUE(platform::replaceFile("new.bin", "config.ini"));
    EXPECT_FALSE(platform::replaceFile("new.bin", "config.ini"));
    EXPECT_EQ(readFile("config.ini"), bytes);
}

// Only ./1.exe runs, in the working directory: not one found on PATH or
// beside the launcher, nor a file that is no program.
TEST(Platform, RunsTheGameFromTheWorkingDirectoryOnlyAndTellsWhenItHasEnded) {
    ScratchDirectory scratch;
#ifdef _WIN32
    EXPECT_FALSE(platform::runGameAndWait("stand_in_game.exe").started);
#else
    fs::create_directory("bin");
    installStandInGame("bin/1.exe");
    const std::string path = std::getenv("PATH");
    setenv("PATH", (fs::absolute("bin").string() + ":" + path).c_str(), 1);
    EXPECT_FALSE(platform::runGameAndWait("1.exe").started);
    // A Windows program ("MZ") runs through the wine found on PATH.
    writeFile("bin/wine", "#!/bin/sh\necho \"$@\" > wine_ran.txt\n");
    fs::permissions("bin/wine", fs::perms::owner_all);
    writeFile("1.exe", "MZ");
    EXPECT_TRUE(platform::runGameAndWait("1.exe").started);
    EXPECT_EQ(readFile("wine_ran.txt"), "./1.exe\n");
    setenv("PATH", path.c_str(), 1);
#endif
    writeFile("1.exe", "not a program\r\n");
    platform::GameRun run = platform::runGameAndWait("1.exe");
    EXPECT_FALSE(run.started);
    EXPECT_FALSE(run.error.empty());
    fs::remove("1.exe");
    installStandInGame("1.exe");
    writeFile("hold", "");
    run = platform::spawnGame("1.exe");
    ASSERT_TRUE(run.started) << run.error;
    EXPECT_FALSE(platform::gameHasEnded(run)) << "the game holds until the file goes";
    fs::remove("hold");
    EXPECT_TRUE(platform::gameHasEnded(run, true));
    EXPECT_EQ(run.exitStatus, 7);
    EXPECT_TRUE(fs::exists("game_ended.txt"));
}

#ifdef _WIN32
// Without the manifest's DPI awareness a scaled desktop reports a smaller screen.
TEST(Platform, ScreenIsTheWholePrimaryScreenOfADpiAwareProcess) {
    EXPECT_TRUE(IsProcessDPIAware());
    platform::ScreenSize size = platform::primaryScreenSize();
    EXPECT_EQ(size.width, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(size.height, GetSystemMetrics(SM_CYSCREEN));
}

TEST(Platform, OpeningDoesNotWaitForTheOpenedProgram) {
    ScratchDirectory scratch;
    EXPECT_FALSE(platform::openWithDesktop("missing-file.launcher-test"));
    installStandInGame("opened.exe");
    writeFile("hold", "");
    ASSERT_TRUE(platform::openWithDesktop("opened.exe"));
    for (int waited = 0; waited < 30000 && !fs::exists("game_started.txt"); waited += 20) Sleep(20);
    EXPECT_FALSE(fs::exists("game_ended.txt"));
    fs::remove("hold");
    // Its image cannot be deleted while it runs.
    for (int waited = 0; waited < 30000 && !DeleteFileA("opened.exe"); waited += 20) Sleep(20);
    EXPECT_TRUE(fs::exists("game_ended.txt"));
}

// The code page under tools/run-wine-tests.sh is 1252, as on a western Windows.
TEST(Platform, NamesCrossBetweenUtf8AndTheCodePage) {
    ASSERT_EQ(GetACP(), 1252u) << "run under tools/run-wine-tests.sh";
    char out[8];
    EXPECT_TRUE(platform::toSystemCodePage("Zo\xC3\xAB \xE2\x82\xAC", out, sizeof out));
    EXPECT_STREQ(out, "Zo\xEB \x80");
    for (const char* refused : {"\xCE\xA9", "\xEF\xBC\x8F", "\xC3", "too long"}) {
        EXPECT_FALSE(platform::toSystemCodePage(refused, out, sizeof out)) << refused;
        EXPECT_STREQ(out, "");
    }
    platform::fromSystemCodePage("Zo\xEB \x80", out, sizeof out);
    EXPECT_STREQ(out, "Zo\xC3\xAB ");  // the euro sign's three bytes do not fit
}
#endif

}  // namespace
