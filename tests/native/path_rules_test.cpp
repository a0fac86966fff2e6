#include <gtest/gtest.h>

#include <string>

#include "folder/path_rules.h"

// Bytes of a few Shift-JIS characters used below.
#define SO "\x83\x5C"   // ソ: second byte is a backslash
#define HYO "\x95\x5C"  // 表: second byte is a backslash
#define A_JP "\x82\xA0" // あ

TEST(CharacterStart, Table)
{
    struct Case {
        std::string text;
        size_t position;
        bool start;
    } cases[] = {
        {SO, 0, true},
        {SO, 1, false},                 // the backslash byte of ソ
        {HYO "\\", 2, true},            // a real backslash after 表
        {"C:\\" SO, 4, false},
        {"C:\\" SO, 3, true},
        {A_JP "x", 1, false},           // a text that begins with a double-byte character
        {A_JP "x", 2, true},
        {"\x81\x81\x81\x5C", 3, false}, // odd run of lead bytes: second byte
        {"\x81\x81\x5C", 2, true},      // even run: a character of its own
        {"\xA0\x5C", 1, true},          // 0xA0 is never a lead byte
        {"\xFD\x5C", 1, true},          // nor is 0xFD
        {"\xFC\x5C", 1, false},         // 0xFC is
        {"abc", 3, true},               // the end of the text
    };
    for (const Case& c : cases)
        EXPECT_EQ(character_start(c.text, c.position), c.start) << c.text << " at " << c.position;
}

TEST(TrailingSeparatorStrip, Table)
{
    struct Case {
        std::string in, out;
    } cases[] = {
        {"C:\\dir\\sub\\*", "C:\\dir\\sub"},
        {"C:\\dir\\sub\\", "C:\\dir\\sub"},
        {"C:\\dir\\*", "C:\\dir"},
        {"C:\\", "C:"},
        {"", ""},
        {"*", ""},
        {"C:\\dir", "C:\\dir"},
        {"C:\\" SO, "C:\\" SO},          // the last byte belongs to ソ and stays
        {"C:\\" SO "\\", "C:\\" SO},     // a real backslash after ソ goes
        {HYO "\\", HYO},
    };
    for (const Case& c : cases) {
        std::string s = c.in;
        trailing_separator_strip(s);
        EXPECT_EQ(s, c.out) << c.in;
    }
}

TEST(ExecutableFolder, Table)
{
    struct Case {
        std::string module, folder;
    } cases[] = {
        {"C:\\Tools\\Nimbrel.exe", "C:\\Tools\\"},
        {"C:\\" SO "\\Nimbrel.exe", "C:\\" SO "\\"},
        {"C:\\" SO "Nimbrel.exe", "C:\\"},  // ソ's second byte is not a separator
        {"Nimbrel.exe", "N"},               // no backslash: the first character alone
        {A_JP "Nimbrel.exe", A_JP},         // never half a character
        {"", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(folder_of_module_path(c.module), c.folder) << c.module;
}

TEST(PathKindLookupName, FirstPathAndOneTrailingBackslash)
{
    EXPECT_EQ(path_kind_lookup_name("C:\\dir\\"), "C:\\dir");
    EXPECT_EQ(path_kind_lookup_name("C:\\dir"), "C:\\dir");
    EXPECT_EQ(path_kind_lookup_name(std::string("C:\\a\0C:\\b\0", 11)), "C:\\a");
    EXPECT_EQ(path_kind_lookup_name("C:\\" SO), "C:\\" SO);
    EXPECT_EQ(path_kind_lookup_name("C:\\dir\\\\"), "C:\\dir\\");  // only one is cut
}

TEST(CutAtCharacter, NeverSplitsADoubleByteCharacter)
{
    EXPECT_EQ(cut_at_character("abcdef", 4), "abcd");
    EXPECT_EQ(cut_at_character("ab" A_JP, 3), "ab");  // would end inside あ
    EXPECT_EQ(cut_at_character("ab" A_JP, 4), "ab" A_JP);
    EXPECT_EQ(cut_at_character("a" SO SO, 4), "a" SO);
    std::string long_text(600, 'x');
    EXPECT_EQ(cut_at_character(long_text, 511).size(), 511u);
    std::string japanese;
    for (int i = 0; i < 300; ++i)
        japanese += A_JP;
    EXPECT_EQ(cut_at_character(japanese, 511).size(), 510u);
}

TEST(CharacterLength, Table)
{
    struct Case {
        std::string text;
        size_t position, length;
    } cases[] = {
        {"a" SO, 0, 1},
        {"a" SO, 1, 2},
        {"\x81", 0, 1},       // a lead byte that ends the text stands alone
        {"a\x81", 1, 1},
        {"\xA0\x41", 0, 1},   // half-width katakana is one byte
        {"\xFC\x41", 0, 2},
        {"\xFD\x41", 0, 1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(character_length(c.text, c.position), c.length) << c.text << " at " << c.position;
}

TEST(AsciiFolded, OnlyCharacterStartsAreFolded)
{
    struct Case {
        std::string in, out;
    } cases[] = {
        {"ABC.Txt", "abc.txt"},
        {"\x83\x41", "\x83\x41"},                   // ア: its second byte is no capital A
        {"Z\x83\x5A" "Z", "z\x83\x5A" "z"},         // セ between two letters
        {"\x82\x60", "\x82\x60"},                   // full-width Ａ is not folded
        {"\x81\x81\x81" "A", "\x81\x81\x81" "A"},   // odd lead run: A is a second byte
        {"\x81\x81" "A", "\x81\x81" "a"},           // even run: A is a letter
        {"\xA0" "A", "\xA0" "a"},
        {"", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ascii_folded(c.in), c.out) << c.in;
}

TEST(DotName, OnlyTheTwoFolderEntries)
{
    EXPECT_TRUE(is_dot_name("."));
    EXPECT_TRUE(is_dot_name(".."));
    for (const char* name : {"", "...", ".a", "a.", ".git", "..\\"})
        EXPECT_FALSE(is_dot_name(name)) << name;
}
