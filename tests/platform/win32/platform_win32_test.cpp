// The Win32 platform layer against the real system calls (run under Wine).
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "support/test_support.h"

namespace fs = std::filesystem;
using test_support::fileExists;
using test_support::readFile;
using test_support::ScratchDirectory;
using test_support::writeFile;
using Names = std::vector<std::string>;

namespace {

// Copies the stand-in game built next to this program (stand_in_game.cpp).
void installStandInGame(const char* as) {
    char self[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    fs::copy_file(fs::path(self).parent_path() / "stand_in_game.exe", as);
}

bool waitForFile(const char* path) {
    for (int waited = 0; waited < 30000 && !fileExists(path); waited += 20) Sleep(20);
    return fileExists(path);
}

}  // namespace

// The search also matches 8.3 aliases ("notes.binary" is NOTES~1.BIN); those
// are no profiles. Only the set is compared: Windows gives its own order.
TEST(Win32Platform, ListsBinEntriesAsStoredWhateverTheCase) {
    ScratchDirectory scratch;
    for (const char* name : {"Anna.bin", "BOB.BIN", "Cara.Bin", "Scores.bin", ".bin", "notes.txt",
                             "bin", "a.bin.txt", "notes.binary", "save.bin2"}) {
        writeFile(std::string("Profils/") + name, "");
    }
    fs::create_directories("Profils/x.bin");
    fs::create_directories("Empty");
    Names listed = platform::listBinEntries("Profils");
    std::sort(listed.begin(), listed.end());
    EXPECT_EQ(listed, (Names{".bin", "Anna.bin", "BOB.BIN", "Cara.Bin", "Scores.bin", "x.bin"}));
    EXPECT_TRUE(platform::listBinEntries("Empty").empty());
    EXPECT_TRUE(platform::listBinEntries("Missing").empty());
}

// Without the manifest's DPI awareness a scaled desktop reports a smaller screen.
TEST(Win32Platform, ScreenIsTheWholePrimaryScreenOfADpiAwareProcess) {
    EXPECT_TRUE(IsProcessDPIAware());
    platform::ScreenSize size = platform::primaryScreenSize();
    EXPECT_EQ(size.width, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(size.height, GetSystemMetrics(SM_CYSCREEN));
    EXPECT_GT(size.width * size.height, 0);
    platform::minimiseConsole();  // harmless without a console window
}

TEST(Win32Platform, FilesAreCreatedOnlyNewInBinaryAndReplacedInOneStep) {
    ScratchDirectory scratch;
    const std::string bytes = "a\nb\r\n\x1a" "c";
    std::FILE* file = platform::createNewFile("new.bin");
    ASSERT_NE(file, nullptr);
    std::fputs(bytes.c_str(), file);
    std::fclose(file);
    EXPECT_EQ(readFile("new.bin"), bytes);
    EXPECT_EQ(platform::createNewFile("new.bin"), nullptr);
    EXPECT_EQ(readFile("new.bin"), bytes);
    EXPECT_EQ(platform::createNewFile("Missing/new.bin"), nullptr);

    EXPECT_TRUE(platform::makeDirectory("Profils"));
    EXPECT_TRUE(platform::makeDirectory("Profils"));
    EXPECT_FALSE(platform::makeDirectory("new.bin"));

    // Only disk files are read; a device (NUL) is neither read nor created.
    EXPECT_EQ(platform::createNewFile("NUL"), nullptr);
    const std::pair<const char*, int> reads[] = {
        {"new.bin", 0},
        {"missing.bin", ENOENT},
        {"Profils", EISDIR},
        {"NUL", platform::NOT_A_REGULAR_FILE},
    };
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

TEST(Win32Platform, RunsTheGameFromTheWorkingDirectoryOnlyAndTellsWhenItHasEnded) {
    ScratchDirectory scratch;
    platform::GameRun run = platform::runGameAndWait("1.exe");
    EXPECT_FALSE(run.started);
    EXPECT_FALSE(run.error.empty());
    // The stand-in lies next to this program, where CreateProcess would look.
    EXPECT_FALSE(platform::runGameAndWait("stand_in_game.exe").started);
    writeFile("1.exe", "not a program\r\n");
    EXPECT_FALSE(platform::runGameAndWait("1.exe").started);

    fs::remove("1.exe");
    installStandInGame("1.exe");
    writeFile("hold", "");
    run = platform::spawnGame("1.exe");
    ASSERT_TRUE(run.started) << run.error;
    EXPECT_FALSE(platform::gameHasEnded(run)) << "the game holds until the file goes";
    fs::remove("hold");
    EXPECT_TRUE(platform::gameHasEnded(run, true));
    EXPECT_EQ(run.exitStatus, 7);
    EXPECT_TRUE(fileExists("game_ended.txt"));
}

TEST(Win32Platform, OpeningDoesNotWaitForTheOpenedProgram) {
    ScratchDirectory scratch;
    EXPECT_FALSE(platform::openWithDesktop("missing-file.launcher-test"));
    installStandInGame("opened.exe");
    writeFile("hold", "");
    ASSERT_TRUE(platform::openWithDesktop("opened.exe"));
    EXPECT_TRUE(waitForFile("game_started.txt"));
    EXPECT_FALSE(fileExists("game_ended.txt"));
    fs::remove("hold");
    EXPECT_TRUE(waitForFile("game_ended.txt"));
    // Its image cannot be deleted while it runs.
    for (int waited = 0; waited < 30000 && !DeleteFileA("opened.exe"); waited += 20) Sleep(20);
}

// The code page under tools/run-wine-tests.sh is 1252, as on a western Windows.
TEST(Win32Platform, NamesCrossBetweenUtf8AndTheCodePage) {
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
