// INI text: reads, integer values and in-place writes, byte for byte.
#include "platform/system/ini_text.h"

#include <gtest/gtest.h>

namespace kelmorite {
namespace {

TEST(IniText, ReadsValuesByCaseBlindNamesTrimmed)
{
    const std::string text =
        "; a comment\r\n"
        "[Other]\r\n"
        "Directory_From=/wrong\r\n"
        "[sEtUp]\r\n"
        "  save_with_background =  0  \r\n"
        "Directory_From=   /home/u/My Pictures   \r\n"
        "Empty=\r\n"
        "Equals=a=b\r\n"
        "Directory_From=/second\r\n"
        "[Later]\r\n"
        "Key=later\r\n";
    struct Case { const char* section; const char* key; std::optional<std::string> expected; };
    for (const auto& c : {Case{"Setup", "Save_With_Background", "0"}, Case{"SETUP", "directory_from", "/home/u/My Pictures"},
                          Case{"Setup", "Empty", ""}, Case{"Setup", "Equals", "a=b"}, Case{"Setup", "Key", std::nullopt},
                          Case{"Setup", "Missing", std::nullopt}, Case{"Missing", "Key", std::nullopt},
                          Case{"Later", "Key", "later"}, Case{"Other", "Directory_From", "/wrong"}})
        EXPECT_EQ(findIniValue(text, c.section, c.key), c.expected) << c.section << "/" << c.key;
    // Files with LF line ends read the same.
    EXPECT_EQ(findIniValue("[Setup]\nA=1\nB= two \n", "setup", "b"), "two");
    EXPECT_EQ(findIniValue("\xEF\xBB\xBF[Setup]\nA=1\n", "Setup", "A"), "1");
}

TEST(IniText, AValueIsAtMost2047Characters)
{
    const std::string text = "[S]\r\nK=" + std::string(3000, 'x') + "\r\n";
    EXPECT_EQ(findIniValue(text, "S", "K"), std::string(2047, 'x'));
    // A cut never leaves half a UTF-8 character.
    const std::string wide = "[S]\r\nK=" + std::string(2046, 'x') + "\xC3\xA9\r\n";
    EXPECT_EQ(findIniValue(wide, "S", "K"), std::string(2046, 'x'));
}

TEST(IniText, ReadsIntegersAsTheSettingsFileWritesAndHandEditsThem)
{
    struct Case { const char* text; std::optional<std::int32_t> expected; };
    for (const auto& c : {Case{"2", 2}, Case{"-1", -1}, Case{"$10", 16}, Case{"0x1F", 31}, Case{"0X1f", 31}, Case{"x10", 16},
                          Case{"X10", 16}, Case{"0", 0}, Case{"00", 0}, Case{"$0", 0}, Case{"  7", 7}, Case{"+5", 5},
                          Case{"-$10", -16}, Case{"2147483647", INT32_MAX}, Case{"-2147483648", INT32_MIN},
                          Case{"$FFFFFFFF", -1}, Case{"true", std::nullopt}, Case{"1a", std::nullopt}, Case{"", std::nullopt},
                          Case{"2147483648", std::nullopt}, Case{"$100000000", std::nullopt}, Case{"$", std::nullopt},
                          Case{"0x", std::nullopt}, Case{"-", std::nullopt}, Case{"1 ", std::nullopt}, Case{"1.0", std::nullopt}})
        EXPECT_EQ(parseIniInteger(c.text), c.expected) << '"' << c.text << '"';
}

TEST(IniText, WritesReplaceInPlaceAndKeepEveryOtherLine)
{
    struct Case { const char* name; std::string before; const char* section; const char* key; const char* value; std::string after; };
    const std::string file =
        "; settings\r\n"
        "\r\n"
        "[other]\r\n"
        "x=1\r\n"
        "[SETUP]\r\n"
        "save_with_background = 1\r\n"
        "; keep me\r\n"
        "Directory_From=/old\r\n"
        "\r\n"
        "[Tail]\r\n"
        "y=2\n";  // a line end of another kind stays as it is
    const Case cases[] = {
        {"replaces a value, keeping the key's spelling", file, "Setup", "Save_With_Background", "0",
         "; settings\r\n\r\n[other]\r\nx=1\r\n[SETUP]\r\nsave_with_background =0\r\n; keep me\r\nDirectory_From=/old\r\n\r\n[Tail]\r\ny=2\n"},
        {"adds a missing key after the section's last line", file, "Setup", "Directory_To", "/",
         "; settings\r\n\r\n[other]\r\nx=1\r\n[SETUP]\r\nsave_with_background = 1\r\n; keep me\r\nDirectory_From=/old\r\nDirectory_To=/\r\n\r\n[Tail]\r\ny=2\n"},
        {"adds a missing section at the end", file, "New", "K", "v", file + "[New]\r\nK=v\r\n"},
        {"creates the text from nothing", "", "Setup", "Save_With_Background", "1", "[Setup]\r\nSave_With_Background=1\r\n"},
        {"ends an unfinished last line first", "[A]\r\nk=1", "B", "k", "2", "[A]\r\nk=1\r\n[B]\r\nk=2\r\n"},
        {"adds to a last section without a final line end", "[A]\r\nk=1", "A", "j", "2", "[A]\r\nk=1\r\nj=2\r\n"},
        {"replaces a value on a last line without a line end", "[A]\r\nk=1", "a", "K", "22", "[A]\r\nk=22\r\n"},
    };
    for (const auto& c : cases) EXPECT_EQ(withIniValue(c.before, c.section, c.key, c.value), c.after) << c.name;
}

}  // namespace
}  // namespace kelmorite
