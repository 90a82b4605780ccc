#include "settings/config_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/test_support.h"

namespace {

ConfigFile& config() { return *ConfigFile::instance(); }

int entryCount() {
    int count = 0;
    while (count < ConfigFile::MAX_ENTRIES && config().entries[count].key) ++count;
    return count;
}

std::string repeated(const std::string& line, int times) {
    std::string bytes;
    for (int i = 0; i < times; ++i) bytes += line;
    return bytes;
}

// {what, file bytes, entries made, lookups}. The cases share the one store,
// so each load must also drop every entry of the previous file.
// clang-format off
const char* const NONE = "<none>";  // getString gives null
struct Lookup { std::string key, text; int number; };
struct ReaderCase { const char* what; std::string bytes; int entries; std::vector<Lookup> found; };

const std::vector<ReaderCase> READER_CASES = {
    {"spaces after the key", "volume    3\r\n", 1, {{"volume", "3", 3}}},
    {"comment", "#volume 3\r\nname Anna\r\n", 1,
     {{"#volume", NONE, 0}, {"volume", NONE, 0}, {"name", "Anna", 0}}},
    {"first occurrence wins", "volume 2\r\nvolume 5\r\n", 2, {{"volume", "2", 2}}},
    {"keys are case-sensitive", "Volume 3\r\n", 1, {{"volume", NONE, 0}}},
    {"key alone", "volume\r\nname Anna\r\n", 2, {{"volume", NONE, 0}, {"name", "Anna", 0}}},
    {"tab belongs to the key", "volume\t3 x\r\n", 1, {{"volume", NONE, 0}, {"volume\t3", "x", 0}}},
    {"first byte is key", " volume 3\r\n", 1, {{" volume", "3", 3}, {"volume", NONE, 0}}},
    {"key and spaces", "name \r\nvolume 4\r\n", 2, {{"name", "", 0}, {"volume", "4", 4}}},
    {"empty line takes a slot", "a 1\r\n\r\nvolume 4\r\n", 3, {{"", NONE, 0}, {"volume", "4", 4}}},
    {"last line without line end", "name Anna\r\nvolume 4", 2, {{"volume", "4", 4}}},
    {"value keeps its spaces", "name  Anna   Maria \r\nlangage 2\r\n", 2,
     {{"name", "Anna   Maria ", 0}, {"langage", "2", 2}}},
    {"raw bytes", "name \xC3\xA9lise\r\nn\xE9 1\r\n", 2,
     {{"name", "\xC3\xA9lise", 0}, {"n\xE9", "1", 1}}},
    {"NUL ends the key", std::string("vol\0ume 3\r\nvolume 4\r\n", 21), 2,
     {{"vol", "3", 3}, {"volume", "4", 4}}},
    // A lone line-end byte must not swallow the first byte of the next key.
    {"lone LF", "name Anna\nvolume 4\nlangage 2\n", 3,
     {{"name", "Anna", 0}, {"volume", "4", 4}, {"langage", "2", 2}}},
    {"lone CR", "name Anna\rvolume 4\r", 2, {{"name", "Anna", 0}, {"volume", "4", 4}}},
    {"LF CR is two line ends", "a 1\r\nb 2\nc 3\rd 4\n\re 5", 6,
     {{"b", "2", 2}, {"c", "3", 3}, {"d", "4", 4}, {"e", "5", 5}}},
    {"comment ended by LF", "# settings\nvolume 4\n", 1, {{"volume", "4", 4}}},
    {"number stops at other byte", "volume 3abc\r\n", 1, {{"volume", "3abc", 3}}},
    {"signs", "volume -1\r\nlangage +2\r\n", 2, {{"volume", "-1", -1}, {"langage", "+2", 2}}},
    {"white space before number", "volume \t 5\r\n", 1, {{"volume", "\t 5", 5}}},
    {"not a number", "volume loud\r\nx -\r\n", 2, {{"volume", "loud", 0}, {"x", "-", 0}}},
    {"clamped to int", "big 99999999999999999999\r\nsmall -99999999999\r\n", 2,
     {{"big", "99999999999999999999", 2147483647}, {"small", "-99999999999", -2147483647 - 1}}},
    {"empty file", "", 0, {{"volume", NONE, 0}}},
    {"over 512 entries", repeated("x 1\n", 511) + "last 5\nvolume 3\n", 512,
     {{"last", "5", 5}, {"volume", NONE, 0}}},
    {"comments take no slot", repeated("# comment\r\n", 1000) + "volume 3\r\n", 1,
     {{"volume", "3", 3}}},
    {"100,000 lines", "name Anna\r\nvolume 2\r\n" + repeated("x 1\n", 100000), 512,
     {{"name", "Anna", 0}, {"volume", "2", 2}}},
    {"1 MB line", "name " + std::string(1 << 20, 'a') + "\r\nvolume 5", 2,
     {{"name", std::string(1 << 20, 'a'), 0}, {"volume", "5", 5}}},
};
// clang-format on

TEST(ConfigFile, FileBytesGiveTheseLookups) {
    test_support::ScratchDirectory scratch;
    for (const ReaderCase& c : READER_CASES) {
        SCOPED_TRACE(c.what);
        test_support::writeFile("Data/config.ini", c.bytes);
        config().load();
        EXPECT_EQ(entryCount(), c.entries);
        for (const Lookup& lookup : c.found) {
            SCOPED_TRACE(lookup.key);
            const char* text = config().getString(lookup.key.c_str());
            EXPECT_EQ(text ? std::string(text) : NONE, lookup.text);
            EXPECT_EQ(config().getInt(lookup.key.c_str()), lookup.number);
        }
    }
}

// Memory follows the entries, not the file: reading stops after the 512th
// entry, and after MAX_READ_BYTES whatever comes.
TEST(ConfigFile, ReadsNoFurtherThanTheEntriesNeed) {
    test_support::ScratchDirectory scratch;
    const std::string comment = "#" + std::string(ConfigFile::MAX_READ_BYTES, 'c') + "\n";
    const std::pair<std::string, size_t> cases[] = {
        {repeated("x 1\r\n", 100000), 512 * 5},
        {comment + "volume 3\n", ConfigFile::MAX_READ_BYTES},
    };
    for (const auto& [bytes, mostKept] : cases) {
        test_support::writeFile("Data/config.ini", bytes);
        config().load();
        EXPECT_LE(config().bufferSize, mostKept);
        EXPECT_GE(config().bufferSize + 1, mostKept);
    }
}

TEST(ConfigFile, FileThatCannotBeReadEmptiesTheTable) {
    test_support::ScratchDirectory scratch;
    test_support::writeFile("Data/config.ini", "volume 4\r\n");
    config().load();
    std::filesystem::remove("Data/config.ini");
    config().load();
    EXPECT_EQ(entryCount(), 0);
    EXPECT_EQ(config().buffer, nullptr);
    std::filesystem::create_directories("Data/config.ini");
    config().load();
    EXPECT_EQ(entryCount(), 0);
}

}  // namespace
