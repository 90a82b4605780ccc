#include "settings/config_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/test_support.h"

namespace {

ConfigFile& config() { return *ConfigFile::instance(); }

int loadedEntries(const std::string& bytes) {
    test_support::writeFile("Data/config.ini", bytes);
    config().load();
    int count = 0;
    while (count < ConfigFile::MAX_ENTRIES && config().entries[count].key) ++count;
    return count;
}

std::string repeated(const std::string& line, int times) {
    std::string bytes;
    while (times-- > 0) bytes += line;
    return bytes;
}

// {what, file bytes, entries made, lookups}. The cases share the one store,
// so each load must also drop every entry of the previous file.
// clang-format off
const char* const NONE = "<none>";  // getString gives null
struct Lookup { std::string key, text; int number; };
struct ReaderCase { const char* what; std::string bytes; int entries; std::vector<Lookup> found; };

const std::vector<ReaderCase> READER_CASES = {
    // The first occurrence wins; a key ends at the first space, and its
    // value starts after the spaces that follow.
    {"keys and values", "volume    3\r\n#volume 9\r\nVolume 7\r\nkey\r\n volume 1\r\nvolume 5\r\n"
     "name  Anna   Maria \r\nvolume\t6 x\r\nn\xE9 \xC3\xA9\r\n", 8,
     {{"volume", "3", 3}, {"#volume", NONE, 0}, {"Volume", "7", 7}, {"key", NONE, 0},
      {" volume", "1", 1}, {"name", "Anna   Maria ", 0}, {"volume\t6", "x", 0},
      {"n\xE9", "\xC3\xA9", 0}}},
    {"empty value, empty line, no last line end", "name \r\n\r\nvolume 4", 3,
     {{"name", "", 0}, {"", NONE, 0}, {"volume", "4", 4}}},
    {"NUL ends the key", std::string("vol\0ume 3\r\nvolume 4\r\n", 21), 2,
     {{"vol", "3", 3}, {"volume", "4", 4}}},
    // A lone line-end byte must not swallow the first byte of the next key.
    {"line ends", "a 1\r\nb 2\nc 3\rd 4\n\re 5\r\n# c\nf 6\r", 7,
     {{"a", "1", 1}, {"b", "2", 2}, {"c", "3", 3}, {"d", "4", 4}, {"e", "5", 5}, {"f", "6", 6}}},
    {"numbers", "a 3abc\r\nb -1\r\nc +2\r\nd \t 5\r\ne loud\r\nf -\r\n"
     "g 99999999999999999999\r\nh -99999999999\r\ni 010\r\nj 0x1F\r\n", 10,
     {{"a", "3abc", 3}, {"b", "-1", -1}, {"c", "+2", 2}, {"d", "\t 5", 5}, {"e", "loud", 0},
      {"f", "-", 0}, {"g", "99999999999999999999", 2147483647},
      {"h", "-99999999999", -2147483647 - 1}, {"i", "010", 10}, {"j", "0x1F", 0}}},
    {"empty file", "", 0, {{"volume", NONE, 0}}},
    {"over 512 entries", repeated("x 1\n", 511) + "last 5\nvolume 3\n", 512,
     {{"last", "5", 5}, {"volume", NONE, 0}}},
    {"comments take no slot", repeated("# comment\r\n", 1000) + "volume 3\r\n", 1,
     {{"volume", "3", 3}}},
    {"1 MB line", "name " + std::string(1 << 20, 'a') + "\r\nvolume 5", 2,
     {{"name", std::string(1 << 20, 'a'), 0}, {"volume", "5", 5}}},
};
// clang-format on

TEST(ConfigFile, FileBytesGiveTheseLookupsAndNoMoreIsRead) {
    test_support::ScratchDirectory scratch;
    for (const ReaderCase& c : READER_CASES) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(loadedEntries(c.bytes), c.entries);
        for (const Lookup& lookup : c.found) {
            const char* text = config().getString(lookup.key.c_str());
            EXPECT_EQ(text ? std::string(text) : NONE, lookup.text) << lookup.key;
            EXPECT_EQ(config().getInt(lookup.key.c_str()), lookup.number) << lookup.key;
        }
    }
    // Memory follows the entries, not the file: reading stops after the 512th
    // entry, and after MAX_READ_BYTES whatever comes. A file that cannot be
    // read leaves the table empty.
    const std::string comment = "#" + std::string(ConfigFile::MAX_READ_BYTES, 'c') + "\n";
    const std::pair<std::string, size_t> cases[] = {
        {repeated("x 1\r\n", 100000), 512 * 5},
        {comment + "volume 3\n", ConfigFile::MAX_READ_BYTES},
    };
    for (const auto& [bytes, mostKept] : cases) {
        loadedEntries(bytes);
        EXPECT_LE(config().bufferSize, mostKept);
        EXPECT_GE(config().bufferSize + 1, mostKept);
    }
    std::filesystem::remove("Data/config.ini");
    std::filesystem::create_directory("Data/config.ini");
    config().load();
    EXPECT_EQ(config().buffer, nullptr);
    EXPECT_EQ(config().entries[0].key, nullptr);
}

}  // namespace
