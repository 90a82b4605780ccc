// The POSIX side of the platform layer: listing, safe file creation and
// replacement, and running the game.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "support/test_support.h"

namespace {

using test_support::fileExists;
using test_support::readFile;
using test_support::ScratchDirectory;
using test_support::writeFile;
using Names = std::vector<std::string>;

// Names as stored, "*.bin" in any case (directories and ".bin" included), in
// the order NTFS gives: upper-cased bytes, so '_' comes after the letters.
TEST(ListBinEntries, MatchesAnyCaseOfTheExtensionInNtfsOrder) {
    ScratchDirectory scratch;
    for (const char* name :
         {"carl.bin", "_x.bin", "BOB.BIN", "anna.bin", "Anna2.Bin", "10.bin", "9.bin", ".bin",
          "Scores.bin", "notes.txt", "dana.bin.bak", "bin", "evebin", "frank.bi"}) {
        writeFile(std::string("dir/") + name, "x");
    }
    std::filesystem::create_directories("dir/Folder.bin");
    EXPECT_EQ(platform::listBinEntries("dir"),
              (Names{".bin", "10.bin", "9.bin", "anna.bin", "Anna2.Bin", "BOB.BIN", "carl.bin",
                     "Folder.bin", "Scores.bin", "_x.bin"}));
    std::filesystem::create_directories("empty");
    EXPECT_TRUE(platform::listBinEntries("empty").empty());
    EXPECT_TRUE(platform::listBinEntries("no/such/dir").empty());
}

// Reading: only regular files, a link to one included; nothing blocks.
// Creating: never an existing entry, never through a link, dangling or not.
TEST(PosixFiles, OpenedOnlyAsRegularFilesCreatedOnlyNewAndReplacedInOneStep) {
    ScratchDirectory scratch;
    std::FILE* file = platform::createNewFile("new.bin");
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(std::fwrite("abc", 1, 3, file), 3u);
    EXPECT_EQ(std::fclose(file), 0);
    std::filesystem::create_symlink("new.bin", "link.bin");
    std::filesystem::create_symlink("nowhere.bin", "dangling.bin");
    mkfifo("fifo.bin", 0644);
    const std::pair<const char*, int> reads[] = {
        {"new.bin", 0},
        {"link.bin", 0},
        {"missing.bin", ENOENT},
        {".", EISDIR},
        {"fifo.bin", platform::NOT_A_REGULAR_FILE},
        {"/dev/zero", platform::NOT_A_REGULAR_FILE},
    };
    for (const auto& [path, error] : reads) {
        errno = 0;
        file = platform::openRegularFile(path);
        EXPECT_EQ(file ? 0 : errno, error) << path;
        if (file) std::fclose(file);
    }
    for (const char* path : {"new.bin", "link.bin", "dangling.bin", "fifo.bin", "missing/new.bin"})
        EXPECT_EQ(platform::createNewFile(path), nullptr) << path;
    EXPECT_EQ(readFile("new.bin"), "abc") << "an existing file was truncated";
    EXPECT_FALSE(fileExists("nowhere.bin"));

    EXPECT_TRUE(platform::makeDirectory("Data"));
    EXPECT_TRUE(platform::makeDirectory("Data"));
    EXPECT_FALSE(platform::makeDirectory("new.bin"));

    writeFile("outside.ini", "old");
    std::filesystem::create_symlink("outside.ini", "config.ini");
    EXPECT_TRUE(platform::replaceFile("new.bin", "config.ini"));
    EXPECT_FALSE(platform::replaceFile("new.bin", "config.ini"));
    EXPECT_EQ(readFile("config.ini"), "abc");
    EXPECT_EQ(readFile("outside.ini"), "old") << "replaced through a link";
}

// The game is ./1.exe only, never one found on PATH; a status of -1 stands
// for any but 0 (a game ended by a signal must not look successful).
TEST(RunGameAndWait, RunsTheProgramInTheWorkingDirectoryAndReportsHowItEnded) {
    const struct {
        const char* path;
        const char* script;
        mode_t mode;
        bool started;
        int status;
    } cases[] = {
        {"1.exe", "sleep 0.2; echo > ran.txt", 0755, true, 0},
        {"1.exe", "exit 3", 0755, true, 3},
        {"1.exe", "kill -TERM $$", 0755, true, -1},
        {"1.exe", "exit 0", 0644, false, 0},
        {"bin/1.exe", "exit 0", 0755, false, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.path) + ": " + c.script);
        ScratchDirectory scratch;
        writeFile(c.path, std::string("#!/bin/sh\n") + c.script + "\n");
        chmod(c.path, c.mode);
        const std::string saved = std::getenv("PATH");
        setenv("PATH", ((scratch.path() / "bin").string() + ":" + saved).c_str(), 1);
        platform::GameRun run = platform::runGameAndWait("1.exe");
        setenv("PATH", saved.c_str(), 1);
        EXPECT_EQ(run.started, c.started);
        EXPECT_EQ(run.error.empty(), c.started);
        EXPECT_EQ(fileExists("ran.txt"), c.started && c.status == 0) << "did not wait";
        if (c.started) {
            EXPECT_TRUE(c.status < 0 ? run.exitStatus != 0 : run.exitStatus == c.status)
                << run.exitStatus;
        }
    }
}

}  // namespace
