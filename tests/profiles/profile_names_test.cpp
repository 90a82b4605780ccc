#include "profiles/profile_names.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(ProfileNameCut, KeepsAtMost31BytesWithoutSplittingAUtf8Character) {
    const std::string a(27, 'a'), e = "\xC3\xA9", emoji = "\xF0\x9F\x98\x80";
    const std::pair<std::string, std::string> cases[] = {
        {a + "aaa" + e + "b", a + "aaa"},
        {a + "aa" + e + "b", a + "aa" + e},
        {a + "aa" + emoji, a + "aa"},
        {a + emoji + "b", a + emoji},
        {std::string(40, '\x80'), std::string(31, '\x80')},  // not UTF-8: the byte limit
        {a + "\xF0\x80\x80\x80\x80", a + "\xF0\x80\x80\x80"},
    };
    char out[256];
    for (const auto& [text, kept] : cases) {
        copyCutName(text.c_str(), TYPED_NAME_MAX_BYTES, out, sizeof out);
        EXPECT_EQ(std::string(out), kept) << text;
    }
    copyCutName("abcdef", 31, out, 4);
    EXPECT_EQ(std::string(out), "abc");
}

// Refused: names that cannot be a safe file name inside Data/Profils, and the
// game's score file, which a profile saved there would overwrite.
TEST(ProfileNameCheck, UnsafeNamesAreRefusedAndOrdinaryOnesAccepted) {
    for (const char* name : {"Anna", "John Smith", "a.b", "Zoë", "CONSOLE", "COM10", "LPT0",
                             "Scores2", "My Scores", "x&y", "_under", "@home", "50%"}) {
        EXPECT_TRUE(isAcceptableProfileName(name)) << name;
    }
    for (const char* name :
         {"",     ".",      "..",       "a/b",    "a\\b",       "a:b",      "a*",     "a?",
          "a\"b", "a<b",    "a>b",      "a|b",    "../../evil", "..\\evil", "C:evil", "a\tb",
          "a\nb", "a\x01",  "a\x1F",    "a\x7F",  " Anna",      "Anna ",    ".Anna",  "Anna.",
          "CON",  "con",    "Prn",      "aux",    "NUL",        "nul.txt",  "COM1",   "com9",
          "LPT1", "lpt9.x", "CON .txt", "conin$", "CONOUT$",    "Scores",   "scores", "sCoReS"}) {
        EXPECT_FALSE(isAcceptableProfileName(name)) << name;
    }
}

// Cut before it is checked: the spaces and dots the cut leaves at the end go
// (typed there they are refused), as may the part that made it unsafe. A
// superscript digit is one byte of the ANSI code page: still a device. The
// name is kept in the code page of the Windows file calls and the game (1252
// under tools/run-wine-tests.sh); what it lacks, or holds only by a look-alike
// ("a／b" would become "a/b"), is refused there. POSIX keeps the UTF-8.
TEST(TypedProfileName, IsCutThenCheckedAndKeptInTheSystemCodePage) {
    char out[256];
    EXPECT_TRUE(typedProfileName((std::string(29, 'a') + ". b").c_str(), out, sizeof out));
    EXPECT_EQ(std::string(out), std::string(29, 'a'));
    EXPECT_FALSE(typedProfileName("Anna.", out, sizeof out));
    EXPECT_TRUE(typedProfileName((std::string(31, 'a') + "/evil").c_str(), out, sizeof out));
    EXPECT_EQ(std::string(out), std::string(31, 'a'));
    EXPECT_FALSE(typedProfileName("lpt\xC2\xB2.x", out, sizeof out));
    EXPECT_TRUE(typedProfileName("Zo\xC3\xAB", out, sizeof out));
#ifdef _WIN32
    EXPECT_STREQ(out, "Zo\xEB");
    const bool beyondCodePage = false;
#else
    EXPECT_STREQ(out, "Zo\xC3\xAB");
    const bool beyondCodePage = true;
#endif
    for (const char* name : {"\xCE\xA9mega", "a\xEF\xBC\x8F" "b", "\xE6\x97\xA5\xE6\x9C\xAC"}) {
        EXPECT_EQ(typedProfileName(name, out, sizeof out), beyondCodePage) << name;
    }
}

}  // namespace
