// The Win32 platform layer against the real system calls (run under Wine on
// Linux): the file search, the screen, files, the shell and the game run.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
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

namespace {

std::vector<std::string> sorted(std::vector<std::string> names) {
    std::sort(names.begin(), names.end());
    return names;
}

// The stand-in game, built next to this test program.
fs::path standInGame() {
    char self[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    return fs::path(self).parent_path() / "stand_in_game.exe";
}

void installStandInGame(const char* as) {
    fs::copy_file(standInGame(), as, fs::copy_options::overwrite_existing);
}

// Polls for `path` for up to 30 seconds; the stand-in is a separate process.
bool waitForFile(const char* path) {
    for (int waited = 0; waited < 30000; waited += 20) {
        if (fileExists(path)) return true;
        Sleep(20);
    }
    return false;
}

// A running program's image cannot be deleted; wait until it has ended so
// the scratch directory can go.
void waitUntilDeletable(const char* path) {
    for (int waited = 0; waited < 30000 && !DeleteFileA(path); waited += 20) Sleep(20);
}

}  // namespace

TEST(Win32BinListing, ListsMatchesWhateverTheCaseOfTheExtension) {
    ScratchDirectory scratch;
    writeFile("Profils/Anna.bin", "a");
    writeFile("Profils/BOB.BIN", "b");
    writeFile("Profils/Cara.Bin", "c");
    writeFile("Profils/notes.txt", "n");
    EXPECT_EQ(sorted(platform::listBinEntries("Profils")),
              (std::vector<std::string>{"Anna.bin", "BOB.BIN", "Cara.Bin"}));
}

TEST(Win32BinListing, ListsScoresBinASubDirectoryAndAFileNamedDotBin) {
    ScratchDirectory scratch;
    writeFile("Profils/Scores.bin", "s");
    writeFile("Profils/.bin", "");
    fs::create_directories("Profils/x.bin");
    EXPECT_EQ(sorted(platform::listBinEntries("Profils")),
              (std::vector<std::string>{".bin", "Scores.bin", "x.bin"}));
}

TEST(Win32BinListing, NoMatchGivesAnEmptyList) {
    ScratchDirectory scratch;
    writeFile("Profils/a.txt", "");
    writeFile("Profils/bin", "");
    writeFile("Profils/a.bin.txt", "");
    EXPECT_TRUE(platform::listBinEntries("Profils").empty());
}

TEST(Win32BinListing, EmptyOrMissingDirectoryGivesAnEmptyList) {
    ScratchDirectory scratch;
    fs::create_directories("Empty");
    EXPECT_TRUE(platform::listBinEntries("Empty").empty());
    EXPECT_TRUE(platform::listBinEntries("Missing").empty());
}

// "*.bin" also matches the 8.3 alias of a longer extension ("NOTES~1.BIN");
// such names are not profiles.
TEST(Win32BinListing, LongerExtensionsAreNotListed) {
    ScratchDirectory scratch;
    writeFile("Profils/notes.binary", "");
    writeFile("Profils/save.bin2", "");
    writeFile("Profils/Anna.bin", "");
    EXPECT_EQ(platform::listBinEntries("Profils"), std::vector<std::string>{"Anna.bin"});
}

TEST(Win32BinListing, AcceptsADirectoryWithTrailingSeparator) {
    ScratchDirectory scratch;
    writeFile("Data/Profils/Anna.bin", "");
    EXPECT_EQ(platform::listBinEntries("Data/Profils/"), std::vector<std::string>{"Anna.bin"});
    EXPECT_EQ(platform::listBinEntries("Data\\Profils\\"), std::vector<std::string>{"Anna.bin"});
}

TEST(Win32BinListing, NamesComeBackByteForByteInTheAnsiCodePage) {
    if (GetACP() != 1252) GTEST_SKIP() << "needs the Western code page, have " << GetACP();
    ScratchDirectory scratch;
    fs::create_directories("Profils");
    HANDLE file = CreateFileA("Profils/Zo\xe9.bin", GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    CloseHandle(file);
    EXPECT_EQ(platform::listBinEntries("Profils"), std::vector<std::string>{"Zo\xe9.bin"});
}

TEST(Win32Screen, SizeIsThePrimaryScreenInPixels) {
    platform::ScreenSize size = platform::primaryScreenSize();
    EXPECT_GT(size.width, 0);
    EXPECT_GT(size.height, 0);
    EXPECT_EQ(size.width, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(size.height, GetSystemMetrics(SM_CYSCREEN));
}

// This program carries the launcher's manifest, as GameLauncher.exe does.
// Without the DPI awareness it declares, a scaled desktop would report a
// smaller screen.
TEST(Win32Screen, LauncherManifestIsEmbeddedAndDeclaresDpiAwareness) {
    HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
    ASSERT_NE(found, nullptr);
    HGLOBAL loaded = LoadResource(nullptr, found);
    ASSERT_NE(loaded, nullptr);
    std::string manifest(static_cast<const char*>(LockResource(loaded)),
                         SizeofResource(nullptr, found));
    EXPECT_NE(manifest.find(">true</dpiAware>"), std::string::npos) << manifest;
    EXPECT_NE(manifest.find("level=\"asInvoker\""), std::string::npos);
}

TEST(Win32Screen, ProcessIsDpiAware) {
    EXPECT_TRUE(IsProcessDPIAware());
}

TEST(Win32Console, MinimisingWithoutAConsoleWindowIsHarmless) {
    platform::minimiseConsole();
    SUCCEED();
}

TEST(Win32Files, CreateNewFileNeverTruncatesAnExistingFile) {
    ScratchDirectory scratch;
    writeFile("Anna.bin", "keep");
    EXPECT_EQ(platform::createNewFile("Anna.bin"), nullptr);
    EXPECT_EQ(readFile("Anna.bin"), "keep");
}

TEST(Win32Files, CreateNewFileWritesBytesWithoutLineEndTranslation) {
    ScratchDirectory scratch;
    std::FILE* file = platform::createNewFile("new.bin");
    ASSERT_NE(file, nullptr);
    std::fputs("a\nb\r\n\x1a" "c", file);
    std::fclose(file);
    EXPECT_EQ(readFile("new.bin"), "a\nb\r\n\x1a" "c");
}

TEST(Win32Files, CreateNewFileFailsInAMissingDirectory) {
    ScratchDirectory scratch;
    EXPECT_EQ(platform::createNewFile("Missing/new.bin"), nullptr);
}

TEST(Win32Files, MakeDirectoryCreatesOrAcceptsADirectoryButNotAFile) {
    ScratchDirectory scratch;
    EXPECT_TRUE(platform::makeDirectory("Profils"));
    EXPECT_TRUE(fs::is_directory("Profils"));
    EXPECT_TRUE(platform::makeDirectory("Profils"));
    writeFile("plain", "");
    EXPECT_FALSE(platform::makeDirectory("plain"));
    EXPECT_FALSE(platform::makeDirectory("Missing/Profils"));
}

TEST(Win32Files, ReplaceFileReplacesAnExistingTarget) {
    ScratchDirectory scratch;
    writeFile("config.ini.new", "new");
    writeFile("config.ini", "old");
    EXPECT_TRUE(platform::replaceFile("config.ini.new", "config.ini"));
    EXPECT_EQ(readFile("config.ini"), "new");
    EXPECT_FALSE(fileExists("config.ini.new"));
}

TEST(Win32Files, ReplaceFileWithoutSourceLeavesTheTarget) {
    ScratchDirectory scratch;
    writeFile("config.ini", "old");
    EXPECT_FALSE(platform::replaceFile("config.ini.new", "config.ini"));
    EXPECT_EQ(readFile("config.ini"), "old");
}

TEST(Win32Game, RunsTheGameInTheWorkingDirectoryAndWaitsForItsEnd) {
    ScratchDirectory scratch;
    installStandInGame("1.exe");
    writeFile("exit_status.txt", "7");
    platform::GameRun run = platform::runGameAndWait("1.exe");
    EXPECT_TRUE(run.started) << run.error;
    EXPECT_EQ(run.exitStatus, 7);
    EXPECT_TRUE(fileExists("game_started.txt"));
    EXPECT_TRUE(fileExists("game_ended.txt"));
}

TEST(Win32Game, GameEndingNormallyGivesStatusZero) {
    ScratchDirectory scratch;
    installStandInGame("1.exe");
    platform::GameRun run = platform::runGameAndWait("1.exe");
    EXPECT_TRUE(run.started) << run.error;
    EXPECT_EQ(run.exitStatus, 0);
}

TEST(Win32Game, MissingGameIsReportedAsNotStarted) {
    ScratchDirectory scratch;
    platform::GameRun run = platform::runGameAndWait("1.exe");
    EXPECT_FALSE(run.started);
    EXPECT_FALSE(run.error.empty());
}

TEST(Win32Game, FileThatIsNoProgramIsReportedAsNotStarted) {
    ScratchDirectory scratch;
    writeFile("1.exe", "not a program\r\n");
    platform::GameRun run = platform::runGameAndWait("1.exe");
    EXPECT_FALSE(run.started);
    EXPECT_FALSE(run.error.empty());
}

// The game is taken from the working directory only, never looked up next to
// the launcher or along PATH.
TEST(Win32Game, GameIsNotLookedUpOutsideTheWorkingDirectory) {
    ScratchDirectory scratch;
    platform::GameRun run = platform::runGameAndWait("stand_in_game.exe");
    EXPECT_FALSE(run.started);
}

TEST(Win32Desktop, OpeningReturnsWithoutWaitingForTheOpenedProgram) {
    ScratchDirectory scratch;
    installStandInGame("opened.exe");
    writeFile("hold", "");
    // The stand-in keeps running until "release" exists, so a call that
    // waited for it would never come back.
    ASSERT_TRUE(platform::openWithDesktop("opened.exe"));
    EXPECT_TRUE(waitForFile("game_started.txt"));
    EXPECT_FALSE(fileExists("game_ended.txt"));
    writeFile("release", "");
    EXPECT_TRUE(waitForFile("game_ended.txt"));
    waitUntilDeletable("opened.exe");
}

TEST(Win32Desktop, TargetWithoutHandlerIsReportedAsNotOpened) {
    ScratchDirectory scratch;
    EXPECT_FALSE(platform::openWithDesktop("missing-file.launcher-test"));
}
