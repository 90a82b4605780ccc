#include "settings/config_file.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "support/test_support.h"

using test_support::ScratchDirectory;
using test_support::writeFile;

namespace {

// The store, loaded from "Data/config.ini" holding `bytes`.
class ConfigFileTest : public ::testing::Test {
protected:
    void SetUp() override { test_support::resetLauncherState(); }
    void TearDown() override { ConfigFile::instance()->clear(); }

    const ConfigFile& load(const std::string& bytes) {
        writeFile("Data/config.ini", bytes);
        ConfigFile::instance()->load();
        return *ConfigFile::instance();
    }

    int entryCount() const {
        int count = 0;
        while (count < ConfigFile::MAX_ENTRIES && ConfigFile::instance()->entries[count].key)
            ++count;
        return count;
    }

    ScratchDirectory scratch;
};

std::string valueOf(const ConfigFile& config, const char* key) {
    const char* value = config.getString(key);
    return value ? value : "<none>";
}

// --- Syntax -----------------------------------------------------------------

TEST_F(ConfigFileTest, SpacesBetweenKeyAndValueArePassedOver) {
    EXPECT_EQ(load("volume    3\r\n").getInt("volume"), 3);
}

TEST_F(ConfigFileTest, HashLineIsACommentAndYieldsNoEntry) {
    const ConfigFile& config = load("#volume 3\r\nname Anna\r\n");
    EXPECT_EQ(valueOf(config, "#volume"), "<none>");
    EXPECT_EQ(valueOf(config, "volume"), "<none>");
    EXPECT_EQ(valueOf(config, "name"), "Anna");
    EXPECT_EQ(entryCount(), 1);
}

TEST_F(ConfigFileTest, FirstOccurrenceOfAKeyWins) {
    EXPECT_EQ(load("volume 2\r\nvolume 5\r\n").getInt("volume"), 2);
}

TEST_F(ConfigFileTest, KeysAreCaseSensitive) {
    const ConfigFile& config = load("Volume 3\r\n");
    EXPECT_EQ(config.getString("volume"), nullptr);
    EXPECT_EQ(config.getInt("volume"), 0);
}

TEST_F(ConfigFileTest, KeyAloneHasNoValue) {
    const ConfigFile& config = load("volume\r\nname Anna\r\n");
    EXPECT_EQ(config.getString("volume"), nullptr);
    EXPECT_EQ(valueOf(config, "name"), "Anna");
}

TEST_F(ConfigFileTest, TabBelongsToTheKey) {
    const ConfigFile& config = load("volume\t3\r\n");
    EXPECT_EQ(config.getString("volume"), nullptr);
    EXPECT_EQ(valueOf(config, "volume\t3"), "<none>");
    EXPECT_EQ(config.entries[0].key, std::string("volume\t3"));
}

TEST_F(ConfigFileTest, FirstByteBelongsToTheKeyEvenWhenItIsASpace) {
    const ConfigFile& config = load(" volume 3\r\n");
    EXPECT_EQ(config.getInt(" volume"), 3);
    EXPECT_EQ(config.getString("volume"), nullptr);
}

TEST_F(ConfigFileTest, KeyWithTrailingSpacesHasAnEmptyValueAndNextLineIsWhole) {
    const ConfigFile& config = load("name \r\nvolume 4\r\n");
    EXPECT_EQ(valueOf(config, "name"), "");
    EXPECT_EQ(config.getInt("volume"), 4);
}

TEST_F(ConfigFileTest, EmptyLineTakesASlotAndLaterEntriesAreFound) {
    const ConfigFile& config = load("name Anna\r\n\r\nvolume 4\r\n");
    EXPECT_EQ(entryCount(), 3);
    EXPECT_STREQ(config.entries[1].key, "");
    EXPECT_EQ(config.entries[1].value, nullptr);
    EXPECT_EQ(config.getInt("volume"), 4);
}

TEST_F(ConfigFileTest, LastLineWithoutLineEndIsRead) {
    EXPECT_EQ(load("name Anna\r\nvolume 4").getInt("volume"), 4);
    EXPECT_EQ(entryCount(), 2);
}

TEST_F(ConfigFileTest, ValueKeepsItsInnerSpaces) {
    const ConfigFile& config = load("name Anna Maria\r\nlangage 2\r\n");
    EXPECT_EQ(valueOf(config, "name"), "Anna Maria");
    EXPECT_EQ(config.getInt("langage"), 2);
}

TEST_F(ConfigFileTest, ValueKeepsRunsOfSpacesAndTrailingSpaces) {
    EXPECT_EQ(valueOf(load("name  Anna   Maria \r\n"), "name"), "Anna   Maria ");
}

TEST_F(ConfigFileTest, BytesAreTakenRawWithoutConversion) {
    const ConfigFile& config = load("name \xC3\xA9lise\r\nn\xE9 1\r\n");
    EXPECT_EQ(valueOf(config, "name"), "\xC3\xA9lise");
    EXPECT_EQ(config.getInt("n\xE9"), 1);
}

// --- Line ends --------------------------------------------------------------

TEST_F(ConfigFileTest, LoneLineFeedEndsALineWithoutLosingTheNextKey) {
    const ConfigFile& config = load("name Anna\nvolume 4\nlangage 2\n");
    EXPECT_EQ(valueOf(config, "name"), "Anna");
    EXPECT_EQ(config.getInt("volume"), 4);
    EXPECT_EQ(config.getInt("langage"), 2);
    EXPECT_EQ(entryCount(), 3);
}

TEST_F(ConfigFileTest, LoneCarriageReturnEndsALine) {
    const ConfigFile& config = load("name Anna\rvolume 4\r");
    EXPECT_EQ(valueOf(config, "name"), "Anna");
    EXPECT_EQ(config.getInt("volume"), 4);
}

TEST_F(ConfigFileTest, MixedLineEndsEachEndOneLine) {
    // LF CR is two line ends, so the CR makes an empty line.
    const ConfigFile& config = load("a 1\r\nb 2\nc 3\rd 4\n\re 5");
    EXPECT_EQ(config.getInt("a") + config.getInt("b") + config.getInt("c"), 6);
    EXPECT_EQ(config.getInt("d"), 4);
    EXPECT_EQ(config.getInt("e"), 5);
    EXPECT_EQ(entryCount(), 6);
}

TEST_F(ConfigFileTest, EmptyLinesEndedByLineFeedTakeASlot) {
    load("\n\nvolume 4\n");
    EXPECT_EQ(entryCount(), 3);
    EXPECT_EQ(ConfigFile::instance()->getInt("volume"), 4);
}

TEST_F(ConfigFileTest, CommentWithLoneLineFeedDoesNotSwallowTheNextKey) {
    EXPECT_EQ(load("# settings\nvolume 4\n").getInt("volume"), 4);
}

// --- Integers ---------------------------------------------------------------

TEST_F(ConfigFileTest, IntegerStopsAtTheFirstOtherByte) {
    EXPECT_EQ(load("volume 3abc\r\n").getInt("volume"), 3);
}

TEST_F(ConfigFileTest, IntegerTakesASign) {
    const ConfigFile& config = load("volume -1\r\nlangage +2\r\n");
    EXPECT_EQ(config.getInt("volume"), -1);
    EXPECT_EQ(config.getInt("langage"), 2);
}

TEST_F(ConfigFileTest, IntegerSkipsLeadingWhiteSpaceInTheValue) {
    EXPECT_EQ(load("volume \t 5\r\n").getInt("volume"), 5);
}

TEST_F(ConfigFileTest, IntegerOfTextOrOfNoValueIsZero) {
    const ConfigFile& config = load("volume loud\r\nlangage\r\nresolution -\r\nname \r\n");
    EXPECT_EQ(config.getInt("volume"), 0);
    EXPECT_EQ(config.getInt("langage"), 0);
    EXPECT_EQ(config.getInt("resolution"), 0);
    EXPECT_EQ(config.getInt("name"), 0);
    EXPECT_EQ(config.getInt("missing"), 0);
}

TEST_F(ConfigFileTest, IntegerBeyondTheIntRangeIsClamped) {
    const ConfigFile& config = load("big 99999999999999999999\r\nsmall -99999999999\r\n");
    EXPECT_EQ(config.getInt("big"), 2147483647);
    EXPECT_EQ(config.getInt("small"), -2147483647 - 1);
}

// --- Missing, empty and oversized files -------------------------------------

TEST_F(ConfigFileTest, MissingFileGivesAnEmptyTable) {
    ConfigFile::instance()->load();
    EXPECT_EQ(entryCount(), 0);
    EXPECT_EQ(ConfigFile::instance()->getString("name"), nullptr);
    EXPECT_EQ(ConfigFile::instance()->getInt("volume"), 0);
}

TEST_F(ConfigFileTest, EmptyFileGivesAnEmptyTable) {
    load("");
    EXPECT_EQ(entryCount(), 0);
}

TEST_F(ConfigFileTest, DirectoryInPlaceOfTheFileGivesAnEmptyTable) {
    std::filesystem::create_directories("Data/config.ini");
    ConfigFile::instance()->load();
    EXPECT_EQ(entryCount(), 0);
}

TEST_F(ConfigFileTest, MissingFileEmptiesAnEarlierTable) {
    load("volume 4\r\n");
    std::filesystem::remove("Data/config.ini");
    ConfigFile::instance()->load();
    EXPECT_EQ(entryCount(), 0);
    EXPECT_EQ(ConfigFile::instance()->buffer, nullptr);
}

TEST_F(ConfigFileTest, ReloadReplacesTheEntries) {
    load("volume 4\r\nname Anna\r\n");
    const ConfigFile& config = load("volume 1\r\n");
    EXPECT_EQ(config.getInt("volume"), 1);
    EXPECT_EQ(config.getString("name"), nullptr);
}

TEST_F(ConfigFileTest, EntriesBeyondTheLastSlotAreIgnored) {
    std::string bytes;
    for (int i = 0; i < ConfigFile::MAX_ENTRIES; ++i) {
        bytes += "key" + std::to_string(i) + " " + std::to_string(i) + "\r\n";
    }
    bytes += "volume 3\r\n";
    const ConfigFile& config = load(bytes);
    EXPECT_EQ(entryCount(), ConfigFile::MAX_ENTRIES);
    EXPECT_EQ(config.getInt("key511"), 511);
    EXPECT_EQ(config.getString("volume"), nullptr);
}

TEST_F(ConfigFileTest, CommentsDoNotCountAgainstTheSlots) {
    std::string bytes;
    for (int i = 0; i < 1000; ++i) bytes += "# comment\r\n";
    bytes += "volume 3\r\n";
    EXPECT_EQ(load(bytes).getInt("volume"), 3);
}

TEST_F(ConfigFileTest, HundredThousandLinesLoadAndTheFirstEntriesAreFound) {
    std::string bytes = "name Anna\r\nvolume 2\r\n";
    for (int i = 0; i < 100000; ++i) bytes += "x 1\n";
    const ConfigFile& config = load(bytes);
    EXPECT_EQ(entryCount(), ConfigFile::MAX_ENTRIES);
    EXPECT_EQ(valueOf(config, "name"), "Anna");
    EXPECT_EQ(config.getInt("volume"), 2);
}

TEST_F(ConfigFileTest, MegabyteLineIsOneEntry) {
    std::string bytes = "name " + std::string(1 << 20, 'a') + "\r\nvolume 5";
    const ConfigFile& config = load(bytes);
    EXPECT_EQ(std::strlen(config.getString("name")), size_t{1} << 20);
    EXPECT_EQ(config.getInt("volume"), 5);
}

TEST_F(ConfigFileTest, NulByteEndsTheKeyItIsIn) {
    const ConfigFile& config = load(std::string("vol\0ume 3\r\nvolume 4\r\n", 21));
    EXPECT_EQ(config.getInt("vol"), 3);
    EXPECT_EQ(config.getInt("volume"), 4);
}

// --- Buffers handed in directly ---------------------------------------------

TEST_F(ConfigFileTest, TakenBufferEndsItsLastLineInTheSpareByte) {
    const char text[] = "name Anna";
    char* data = new char[sizeof text - 1 + 1];
    std::memcpy(data, text, sizeof text - 1);
    data[sizeof text - 1] = 'X';  // the spare byte, not part of the file
    ConfigFile store;
    store.takeBuffer(data, sizeof text - 1);
    EXPECT_STREQ(store.getString("name"), "Anna");
    store.clear();
}

}  // namespace
