// The POSIX side of the platform layer: directory listing, safe file
// creation and replacement, and running the game.
#include <gtest/gtest.h>
#include <sys/stat.h>

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

void makeDir(const std::string& path) { std::filesystem::create_directories(path); }

void writeScript(const std::string& path, const std::string& body) {
    writeFile(path, "#!/bin/sh\n" + body);
    chmod(path.c_str(), 0755);
}

TEST(ListBinEntries, MatchesTheExtensionWhateverItsCase) {
    ScratchDirectory scratch;
    for (const char* name : {"anna.bin", "BOB.BIN", "Carl.Bin", "notes.txt", "dana.bin.bak", "bin",
                             "evebin", "frank.bi"}) {
        writeFile(std::string("dir/") + name, "x");
    }
    EXPECT_EQ(platform::listBinEntries("dir"), (Names{"anna.bin", "BOB.BIN", "Carl.Bin"}));
}

TEST(ListBinEntries, GivesNamesAsStored) {
    ScratchDirectory scratch;
    writeFile("dir/AnNa MaRiA.BiN", "x");
    writeFile("dir/Scores.bin", "x");  // leaving it out is the profile scan's business
    EXPECT_EQ(platform::listBinEntries("dir"), (Names{"AnNa MaRiA.BiN", "Scores.bin"}));
}

TEST(ListBinEntries, AFileNamedOnlyDotBinMatches) {
    ScratchDirectory scratch;
    writeFile("dir/.bin", "x");
    EXPECT_EQ(platform::listBinEntries("dir"), Names{".bin"});
}

TEST(ListBinEntries, MatchingSubDirectoriesAreListedToo) {
    ScratchDirectory scratch;
    makeDir("dir/Folder.bin");
    makeDir("dir/other");
    writeFile("dir/Zed.bin", "x");
    EXPECT_EQ(platform::listBinEntries("dir"), (Names{"Folder.bin", "Zed.bin"}));
}

// NTFS keeps a directory sorted by upper-cased name, so Windows yields "anna"
// before "Bob" before "carl" whatever order the files were made in, and "_x"
// after them all ('_' lies above 'Z', though below 'a').
TEST(ListBinEntries, YieldsCaseInsensitiveByteOrder) {
    ScratchDirectory scratch;
    for (const char* name :
         {"carl.bin", "_x.bin", "Bob.bin", "anna.bin", "Anna2.bin", "ann.bin", "10.bin", "9.bin",
          "b.bin"}) {
        writeFile(std::string("dir/") + name, "x");
    }
    EXPECT_EQ(platform::listBinEntries("dir"),
              (Names{"10.bin", "9.bin", "ann.bin", "anna.bin", "Anna2.bin", "b.bin", "Bob.bin",
                     "carl.bin", "_x.bin"}));
}

TEST(ListBinEntries, MissingDirectoryGivesNothing) {
    ScratchDirectory scratch;
    EXPECT_TRUE(platform::listBinEntries("no/such/dir").empty());
}

TEST(ListBinEntries, EmptyDirectoryGivesNothing) {
    ScratchDirectory scratch;
    makeDir("dir");
    EXPECT_TRUE(platform::listBinEntries("dir").empty());
}

TEST(CreateNewFile, CreatesAFileThatCanBeWritten) {
    ScratchDirectory scratch;
    std::FILE* file = platform::createNewFile("new.bin");
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(std::fwrite("abc", 1, 3, file), 3u);
    EXPECT_EQ(std::fclose(file), 0);
    EXPECT_EQ(readFile("new.bin"), "abc");
}

TEST(CreateNewFile, NeverTruncatesAnExistingFile) {
    ScratchDirectory scratch;
    writeFile("Anna.bin", "saved progress");
    EXPECT_EQ(platform::createNewFile("Anna.bin"), nullptr);
    EXPECT_EQ(readFile("Anna.bin"), "saved progress");
}

TEST(CreateNewFile, FailsWhereTheDirectoryIsMissing) {
    ScratchDirectory scratch;
    EXPECT_EQ(platform::createNewFile("missing/Anna.bin"), nullptr);
    EXPECT_FALSE(fileExists("missing"));
}

TEST(MakeDirectory, CreatesOneLevelAndAcceptsAnExistingDirectory) {
    ScratchDirectory scratch;
    EXPECT_TRUE(platform::makeDirectory("Data"));
    EXPECT_TRUE(std::filesystem::is_directory("Data"));
    EXPECT_TRUE(platform::makeDirectory("Data"));
}

TEST(MakeDirectory, FailsWhenAFileIsInTheWay) {
    ScratchDirectory scratch;
    writeFile("Data", "a file");
    EXPECT_FALSE(platform::makeDirectory("Data"));
    EXPECT_EQ(readFile("Data"), "a file");
}

TEST(ReplaceFile, PutsTheNewContentsInPlaceOfTheOld) {
    ScratchDirectory scratch;
    writeFile("config.ini.new", "new");
    writeFile("config.ini", "old");
    EXPECT_TRUE(platform::replaceFile("config.ini.new", "config.ini"));
    EXPECT_EQ(readFile("config.ini"), "new");
    EXPECT_FALSE(fileExists("config.ini.new"));
}

TEST(ReplaceFile, CreatesTheTargetWhenItIsMissing) {
    ScratchDirectory scratch;
    writeFile("a", "contents");
    EXPECT_TRUE(platform::replaceFile("a", "b"));
    EXPECT_EQ(readFile("b"), "contents");
}

TEST(ReplaceFile, MissingSourceLeavesTheTargetAlone) {
    ScratchDirectory scratch;
    writeFile("config.ini", "old");
    EXPECT_FALSE(platform::replaceFile("absent", "config.ini"));
    EXPECT_EQ(readFile("config.ini"), "old");
}

TEST(RunGameAndWait, RunsTheProgramInTheWorkingDirectoryAndWaitsForItsEnd) {
    ScratchDirectory scratch;
    writeScript("1.exe", "sleep 0.2\necho done > ran.txt\n");
    platform::GameRun run = platform::runGameAndWait("1.exe");
    EXPECT_TRUE(run.started);
    EXPECT_EQ(run.exitStatus, 0);
    EXPECT_EQ(readFile("ran.txt"), "done\n") << "returned before the game had ended";
}

TEST(RunGameAndWait, ReportsTheProgramsExitStatus) {
    ScratchDirectory scratch;
    writeScript("1.exe", "exit 3\n");
    platform::GameRun run = platform::runGameAndWait("1.exe");
    EXPECT_TRUE(run.started);
    EXPECT_EQ(run.exitStatus, 3);
}

TEST(RunGameAndWait, AProgramEndedByASignalDoesNotLookSuccessful) {
    ScratchDirectory scratch;
    writeScript("1.exe", "kill -TERM $$\n");
    platform::GameRun run = platform::runGameAndWait("1.exe");
    EXPECT_TRUE(run.started);
    EXPECT_NE(run.exitStatus, 0);
}

TEST(RunGameAndWait, AMissingProgramIsNotStarted) {
    ScratchDirectory scratch;
    platform::GameRun run = platform::runGameAndWait("1.exe");
    EXPECT_FALSE(run.started);
    EXPECT_FALSE(run.error.empty());
}

TEST(RunGameAndWait, ANonExecutableFileIsNotStarted) {
    ScratchDirectory scratch;
    writeFile("1.exe", "#!/bin/sh\nexit 0\n");
    chmod("1.exe", 0644);
    platform::GameRun run = platform::runGameAndWait("1.exe");
    EXPECT_FALSE(run.started);
}

TEST(RunGameAndWait, TheProgramIsFoundInTheWorkingDirectoryNotOnThePath) {
    ScratchDirectory scratch;
    makeDir("bin");
    writeScript("bin/1.exe", "exit 0\n");
    std::string path = (scratch.path() / "bin").string() + ":" + std::getenv("PATH");
    std::string saved = std::getenv("PATH");
    setenv("PATH", path.c_str(), 1);
    platform::GameRun run = platform::runGameAndWait("1.exe");
    setenv("PATH", saved.c_str(), 1);
    EXPECT_FALSE(run.started);
}

TEST(PrimaryScreenSize, IsTheWholeScreen) {
    if (!std::getenv("DISPLAY")) GTEST_SKIP() << "no X display";
    platform::ScreenSize size = platform::primaryScreenSize();
    EXPECT_GT(size.width, 0);
    EXPECT_GT(size.height, 0);
}

}  // namespace
