#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "folder/name_match.h"

#define FW_BLANK "\x81\x40"  // full-width blank
#define SO "\x83\x5C"        // ソ: its second byte is a backslash
#define A_KATA "\x83\x41"    // ア: its second byte is a capital A
#define DI_KATA "\x83\x61"   // ヂ: its second byte is a small a
#define TSU "\x83\x63"       // ツ: its second byte is a small c
#define FW_A "\x82\x60"      // full-width Ａ
#define FW_SMALL_A "\x82\x81" // full-width ａ

TEST(NameMatch, WordMatchTable)
{
    struct Case {
        std::string pattern, name;
        bool match;
    } cases[] = {
        {"ab", "xxABzz.txt", true},     // anywhere, any case
        {"ab", "a b.txt", false},
        {"ab ^x", "ab.doc", true},      // the caret word hides names holding x
        {"ab ^x", "abx.doc", false},
        {"ab ^X", "ABX.TXT", false},
        {"^", "anything", false},       // a lone caret hides everything
        {"^", "", false},
        {"ab ", "ab.txt", false},       // one trailing blank stays in the word
        {"ab ", "ab cd.txt", true},
        {"ab  cd", "ab.cd", false},     // second blank opens the next word: " cd"
        {"ab  cd", "ab x cd", true},
        {"ab" FW_BLANK "cd", "cd-ab", true},  // full-width blank separates
        {"ab" FW_BLANK "cd", "ab", false},
        {" ab", "xab", true},           // a leading separator gives an empty word
        {FW_BLANK "ab", "xab", true},
        {" ", "a b", true},             // a lone blank is its own word
        {" ", "ab", false},
        {"   ", "a  b", true},          // empty word, then "  " (last blank kept)
        {"   ", "a b", false},
        {FW_BLANK, "ab", true},         // only a separator: no words at all
        {FW_BLANK FW_BLANK, "ab", false},  // the second opens a word of itself
        {"", "anything", true},
        {"^^", "a^b", false},
        {"^^", "ab", true},
        {SO, "a" SO "b", true},
        {"\x81", "x\x81", true},        // a lone lead byte at the end
        {"\x88\x81@", "\x88\x81@", true},  // 0x81 0x40 inside a character is no blank
    };
    for (const Case& c : cases)
        EXPECT_EQ(name_match(c.pattern, c.name, true), c.match) << "[" << c.pattern << "] vs [" << c.name << "]";
}

// A word is found only on whole characters of the name: never from the second
// byte of a double-byte character, and A to Z are folded only where they are
// characters of their own, in the pattern as in the name.
TEST(NameMatch, WholeCharacters)
{
    struct Case {
        std::string pattern, name;
        bool word_match, match;
    } cases[] = {
        {"a", A_KATA ".txt", true, false},
        {"A", A_KATA ".txt", true, false},
        {"c", TSU ".txt", true, false},
        {"\\", "C" SO ".txt", true, false},
        {"\\", SO "\\x", true, true},           // a real backslash after ソ
        {A_KATA, "x" A_KATA "y", true, true},
        {A_KATA, DI_KATA, true, false},            // ア's second byte is not lowered to a
        {DI_KATA, A_KATA, true, false},            // nor is the name's
        {"a", "readme" A_KATA ".txt", true, true}, // the ASCII a of readme
        {"rep", "REPORT" TSU, true, true},
        {"c", "REPORT" TSU, true, false},
        {"t" TSU, "REPORT" TSU, true, true},
        {"a", "\x83\x83\x41", true, true},         // 0x83 0x83 is one character, then A
        {A_KATA, "\x83\x83\x41", true, false},     // 0x83 0x41 there straddles two
        {A_KATA, "\x83\x83" A_KATA, true, true},    // ア right after the character 0x83 0x83
        {"a", FW_A, true, false},                  // full-width letters are not folded
        {FW_A, FW_A, true, true},
        {FW_A, FW_SMALL_A, true, false},
        {FW_SMALL_A, FW_A, true, false},
        {"^a", A_KATA ".txt", true, true},         // the caret word looks at whole characters too
        {"^" A_KATA, A_KATA ".txt", true, false},
        {"^" A_KATA, "a.txt", true, true},
        {"x ^" TSU, "x" TSU, true, false},
        {"x ^" TSU, "xc", true, true},
        {"\x81", "x" FW_BLANK, true, false},       // a lone lead byte is not half a character
        {A_KATA, A_KATA "\x83\x43.txt", false, true},  // prefix match on whole characters
        {A_KATA, DI_KATA ".txt", false, false},
        {A_KATA, "x" A_KATA, false, false},
        {A_KATA "B", A_KATA "bc", false, true},    // B after ア is a letter of its own
        {"AB", "ab" A_KATA, false, true},
        {"\x83", A_KATA, false, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(name_match(c.pattern, c.name, c.word_match), c.match)
            << "[" << c.pattern << "] vs [" << c.name << "] word match " << c.word_match;
}

TEST(NameMatch, WordCutting)
{
    struct Case {
        std::string pattern;
        std::vector<std::string> words;
    } cases[] = {
        {"ab ^x", {"ab", "^x"}},
        {"ab ", {"ab "}},
        {"ab  ", {"ab", " "}},
        {"a  b", {"a", " b"}},
        {" ab", {"ab"}},
        {"a" FW_BLANK " b", {"a", " b"}},
        {"a " FW_BLANK "b", {"a", FW_BLANK "b"}},
        {"a" FW_BLANK, {"a"}},
        {"\x88\x81@x y", {"\x88\x81@x", "y"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(name_pattern_words(c.pattern), c.words) << "[" << c.pattern << "]";
}

TEST(NameMatch, PrefixMatchTable)
{
    struct Case {
        std::string pattern, name;
        bool match;
    } cases[] = {
        {"ab", "ABC.txt", true},
        {"ab", "xab", false},
        {"ab", "a", false},
        {"", "x", true},
        {"ab ^x", "ab ^x y", true},  // no words: the text is one prefix
        {"C:\\work\\", "c:\\Work\\a.txt", true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(name_match(c.pattern, c.name, false), c.match) << "[" << c.pattern << "] vs [" << c.name << "]";
}

TEST(NameMatch, HugePatternsAndArgumentsUntouched)
{
    std::string blanks(100000, ' ');
    std::string carets(100000, '^');
    std::string fw;
    for (int i = 0; i < 50000; ++i)
        fw += FW_BLANK;
    std::string letters(100000, 'a');
    // Blank, word " ", blank, word " " ...: every word is one blank.
    EXPECT_TRUE(name_match(blanks, "a b", true));
    EXPECT_FALSE(name_match(blanks, "ab", true));
    // One caret word whose rest (99,999 carets) never occurs in a short name.
    EXPECT_TRUE(name_match(carets, "a^^b", true));
    EXPECT_FALSE(name_match(carets, std::string(100000, '^'), true));
    EXPECT_FALSE(name_match(fw, "ab", true));
    EXPECT_FALSE(name_match(letters, "aaa", true));
    EXPECT_FALSE(name_match(letters, "aaa", false));
    std::string pattern = "AB", name = "XaBY";
    EXPECT_TRUE(name_match(pattern, name, true));
    EXPECT_EQ(pattern, "AB");
    EXPECT_EQ(name, "XaBY");
}
