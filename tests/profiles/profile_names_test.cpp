#include "profiles/profile_names.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string cut(const std::string& text, size_t maxBytes, size_t outSize = 256) {
    char out[256];
    copyCutName(text.c_str(), maxBytes, out, outSize);
    return out;
}

TEST(ProfileNameCut, ShortTextIsKeptWhole) { EXPECT_EQ(cut("Anna", 31), "Anna"); }

TEST(ProfileNameCut, LongAsciiTextKeepsFirst31Bytes) {
    std::string text(40, 'a');
    EXPECT_EQ(cut(text, 31), std::string(31, 'a'));
}

TEST(ProfileNameCut, TwoByteCharacterAcrossTheLimitIsDroppedWhole) {
    std::string text = std::string(30, 'a') + "\xC3\xA9" + "b";  // é at bytes 30..31
    EXPECT_EQ(cut(text, 31), std::string(30, 'a'));
}

TEST(ProfileNameCut, CharacterEndingAtTheLimitIsKept) {
    std::string text = std::string(29, 'a') + "\xC3\xA9" + "b";
    EXPECT_EQ(cut(text, 31), std::string(29, 'a') + "\xC3\xA9");
}

TEST(ProfileNameCut, FourByteCharacterAcrossTheLimitIsDroppedWhole) {
    std::string emoji = "\xF0\x9F\x98\x80";
    for (size_t before = 28; before <= 30; ++before) {
        std::string text = std::string(before, 'a') + emoji;
        EXPECT_EQ(cut(text, 31), std::string(before, 'a')) << before;
    }
    EXPECT_EQ(cut(std::string(27, 'a') + emoji + "b", 31), std::string(27, 'a') + emoji);
}

TEST(ProfileNameCut, InvalidUtf8IsCutAtTheByteLimit) {
    std::string text(40, '\x80');
    EXPECT_EQ(cut(text, 31).size(), 31u);
}

TEST(ProfileNameCut, NeverWritesPastTheOutput) {
    EXPECT_EQ(cut("abcdef", 31, 4), "abc");
    char none[1] = {'x'};
    copyCutName("abc", 31, none, 0);
    EXPECT_EQ(none[0], 'x');
}

TEST(ProfileNameCheck, OrdinaryNamesAreAccepted) {
    for (const char* name : {"Anna", "Dad", "John Smith", "a.b", "Zoë", "CONSOLE", "COM10", "LPT0",
                             "Scores2", "My Scores", "x&y", "_under", "@home", "50%"}) {
        EXPECT_TRUE(isAcceptableProfileName(name)) << name;
    }
}

TEST(ProfileNameCheck, EmptyAndDotNamesAreRefused) {
    for (const char* name : {"", ".", ".."}) EXPECT_FALSE(isAcceptableProfileName(name)) << name;
}

TEST(ProfileNameCheck, PathAndWildcardCharactersAreRefused) {
    for (const char* name : {"a/b", "a\\b", "a:b", "a*", "a?", "a\"b", "a<b", "a>b", "a|b",
                             "../../evil", "..\\evil", "C:evil"}) {
        EXPECT_FALSE(isAcceptableProfileName(name)) << name;
    }
}

TEST(ProfileNameCheck, ControlCharactersAreRefused) {
    for (const char* name : {"a\tb", "a\nb", "a\x01", "a\x1F", "a\x7F"}) {
        EXPECT_FALSE(isAcceptableProfileName(name));
    }
}

TEST(ProfileNameCheck, LeadingOrTrailingSpaceOrDotIsRefused) {
    for (const char* name : {" Anna", "Anna ", ".Anna", "Anna.", "Anna..."}) {
        EXPECT_FALSE(isAcceptableProfileName(name)) << name;
    }
}

TEST(ProfileNameCheck, DeviceNamesAreRefusedInAnyCaseWithOrWithoutExtension) {
    for (const char* name : {"CON", "con", "Prn", "aux", "NUL", "nul.txt", "COM1", "com9", "LPT1",
                             "lpt9.x", "CON .txt", "conin$", "CONOUT$"}) {
        EXPECT_FALSE(isAcceptableProfileName(name)) << name;
    }
}

TEST(ProfileNameCheck, TheGamesScoreFileIsRefusedInAnyCase) {
    for (const char* name : {"Scores", "scores", "SCORES", "sCoReS"}) {
        EXPECT_FALSE(isAcceptableProfileName(name)) << name;
    }
}

TEST(TypedProfileName, IsCutBeforeItIsChecked) {
    char out[256];
    // The cut ends on a space: the file name would end with it.
    EXPECT_FALSE(typedProfileName((std::string(30, 'a') + "  b").c_str(), out, sizeof out));
    // The part that made it unsafe lies beyond the cut.
    EXPECT_TRUE(typedProfileName((std::string(31, 'a') + "/evil").c_str(), out, sizeof out));
    EXPECT_EQ(std::string(out), std::string(31, 'a'));
}

}  // namespace
