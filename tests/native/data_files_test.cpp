#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/settings.h"
#include "lists/data_files.h"
#include "lists/string_lists.h"
#include "lists_fixture.h"

namespace {

class DataFiles : public ListsTest {};

std::vector<std::string> stored_lines(std::string_view text)
{
    std::vector<std::string> lines;
    for_each_stored_line(text, [&](std::string_view l) { lines.emplace_back(l); });
    return lines;
}

}  // namespace

TEST(StoredLines, CommonReadingRules)
{
    using V = std::vector<std::string>;
    struct Case {
        std::string text;
        V lines;
    } cases[] = {
        {"a\nb\n", V{"a", "b"}},
        {"a\r\nb\r\n", V{"a", "b"}},
        {"a\rb", V{"a", "b"}},                    // lone CR; last line without a break
        {"a\n\n\nb", V{"a", "b"}},                // empty lines skipped
        {"\na\nb\n", V{}},                        // first byte a line break: nothing
        {"\r\na", V{}},
        {std::string("a\nb\0c\nd", 7), V{"a", "b"}},  // NUL ends the text
        {std::string("\0a", 2), V{}},
        {"", V{}},
        {"\x82", V{"\x82"}},                      // lead byte at the very end
    };
    for (const Case& c : cases)
        EXPECT_EQ(stored_lines(c.text), c.lines) << testing::PrintToString(c.text);
}

TEST_F(DataFiles, DataTextRoundTripDropsDuplicatesAndPutsTabsBack)
{
    data_text_read("C:\\a\nC:\\doc\\plan.txt\tbudget\nC:\\a\n\"C:\\my doc\\x\"\tkw\nC:\\bare\t\n");
    EXPECT_EQ(g_lists.data.size(), 5u);
    std::optional<std::string> text = data_text_serialise();
    ASSERT_TRUE(text);
    EXPECT_EQ(*text, "C:\\a\nC:\\doc\\plan.txt\tbudget\n\"C:\\my doc\\x\"\tkw\nC:\\bare\t\n");
    // The tab went into the stored line too; the bare entry keeps its line.
    EXPECT_EQ(g_lists.data[1].line, "C:\\doc\\plan.txt\tbudget");
    EXPECT_EQ(g_lists.data[4].line, "C:\\bare");

    lists_reset_all();
    data_text_read(*text);
    ASSERT_EQ(g_lists.data.size(), 4u);
    EXPECT_EQ(g_lists.data[2].key, "C:\\my doc\\x");
    EXPECT_EQ(g_lists.data[2].line, "\"C:\\my doc\\x\" kw");
    EXPECT_EQ(data_text_serialise(), text);
}

TEST_F(DataFiles, KeyedLinesWithQuotesReadBackWithTheSameKeyAndLine)
{
    // Quoted path parts, also one whose key keeps a quote of its own after
    // the outer pair is removed, and a keyed entry with an empty key.
    const std::string text = "\"C:\\a b\"\tkw\n\"\"q\"\"\tkw2\n\tkw3\n\"\"\t\n";
    data_text_read(text);
    ASSERT_EQ(g_lists.data.size(), 4u);
    EXPECT_EQ(g_lists.data[1].key, "\"q\"");
    EXPECT_EQ(g_lists.data[1].line, "\"\"q\"\" kw2");
    EXPECT_EQ(data_text_serialise(), text);
}

TEST_F(DataFiles, BareKeyedEntryGivesWayToALaterKeyedEntryOfItsPath)
{
    data_text_read("C:\\p\t\nC:\\p\tkw\nC:\\q\t\n");
    EXPECT_EQ(data_text_serialise(), "C:\\p\tkw\nC:\\q\t\n");
}

TEST_F(DataFiles, CurrentDataEntryComesFirstAndARepeatedLineIsWrittenTwice)
{
    data_text_read("one\ntwo\nthree\n");
    g_settings.addmode = 1;
    data_list_add(std::nullopt, "two");  // repeats an earlier line
    EXPECT_EQ(g_cursors.current_data_entry, 3);
    EXPECT_EQ(data_text_serialise(), "two\none\ntwo\nthree\n");

    // Without repetition the current entry simply moves to the front.
    g_cursors.current_data_entry = 2;
    EXPECT_EQ(data_text_serialise(), "three\none\ntwo\n");
    // A cursor outside the list is ignored.
    g_cursors.current_data_entry = 40;
    EXPECT_EQ(data_text_serialise(), "one\ntwo\nthree\n");
}

TEST_F(DataFiles, CommandWordsAreNotLoadedAndEmptyListsGiveNothing)
{
    EXPECT_FALSE(data_text_serialise());
    EXPECT_FALSE(command_text_serialise());
    EXPECT_FALSE(shortcut_text_serialise());
    EXPECT_FALSE(stamp_text_serialise());
    EXPECT_FALSE(bookmark_text_serialise());
    EXPECT_FALSE(recent_text_serialise());
    command_text_read("ed notepad.exe -a\nword\ned other\n");
    data_text_read("ed\nC:\\x\n");
    EXPECT_EQ(command_text_serialise(), "ed notepad.exe -a\n");
    EXPECT_EQ(data_text_serialise(), "C:\\x\n");
}

TEST_F(DataFiles, ShortcutStampAndRecentTexts)
{
    shortcut_text_read("ab C:\\x y\r\nab C:\\z\r\n");
    EXPECT_EQ(shortcut_text_serialise(), "ab C:\\x y\n");
    stamp_text_read("s\ns\nt");
    EXPECT_EQ(stamp_text_serialise(), "s\ns\nt\n");  // repeats kept
    recent_text_read("C:\\w\trep\nC:\\nokey\nC:\\w\trep\nC:\\v\t\n");
    EXPECT_EQ(recent_text_serialise(), "C:\\nokey\t\nC:\\w\trep\nC:\\v\t\n");
}

TEST_F(DataFiles, BookmarkTextSections)
{
    struct Case {
        std::string text;
        std::vector<std::string> bookmarks, extras;
    } cases[] = {
        {"C:\\a\nC:\\b\n\nextra 1\nextra 2\n", {"C:\\a", "C:\\b"}, {"extra 1", "extra 2"}},
        {"C:\\a\r\nC:\\b\r\n\r\nx\r\n", {"C:\\a"}, {"C:\\b", "x"}},  // CR LF opens the extra section
        {"\nC:\\a\nC:\\b", {}, {"C:\\a"}},          // begins with a break: the last line is not taken
        {"C:\\a\n\nx\nlast", {"C:\\a", "last"}, {"x"}},  // unterminated last line is a bookmark
        {std::string("C:\\a\0\n\nx\n", 9), {"C:\\a"}, {}},
    };
    for (const Case& c : cases) {
        lists_reset_all();
        bookmark_text_read(c.text);
        EXPECT_EQ(g_lists.bookmarks, c.bookmarks) << testing::PrintToString(c.text);
        EXPECT_EQ(g_lists.bookmark_extras, c.extras) << testing::PrintToString(c.text);
    }
}

TEST_F(DataFiles, TwoSectionBookmarkTextRoundTripsByteForByte)
{
    const std::string text = "C:\\one\nD:\\\x83\x5C\\two\n\nany text\n";
    bookmark_text_read(text);
    EXPECT_EQ(bookmark_text_serialise(), text);
    // Extra texts alone are not written: the old file stays.
    lists_reset_all();
    bookmark_extra_add("x");
    EXPECT_FALSE(bookmark_text_serialise());
}

TEST_F(DataFiles, BadInputNeverBreaksAReader)
{
    std::string long_line = "C:\\" + std::string(100000, 'x');
    std::string garbage;
    for (int i = 0; i < 4096; ++i)
        garbage.push_back(char((i * 7919) & 0xFF));
    const std::string inputs[] = {long_line + "\tkw\n" + long_line, "abc\x82", garbage, std::string("\0\0\n", 3),
                                  "\r\r\r", "\t\n\t\t\n \n"};
    for (const std::string& in : inputs) {
        lists_reset_all();
        data_text_read(in);
        command_text_read(in);
        shortcut_text_read(in);
        stamp_text_read(in);
        bookmark_text_read(in);
        recent_text_read(in);
        for (auto text : {data_text_serialise(), command_text_serialise(), shortcut_text_serialise(),
                          stamp_text_serialise(), bookmark_text_serialise(), recent_text_serialise()})
            if (text) {
                EXPECT_EQ(text->back(), '\n');
            }
    }
    lists_reset_all();
    data_text_read(long_line + "\tkw\n");
    ASSERT_EQ(g_lists.data.size(), 1u);
    EXPECT_EQ(g_lists.data[0].key, long_line);  // no cut at 511 bytes
    EXPECT_EQ(data_text_serialise(), long_line + "\tkw\n");
}

TEST(DataTextGuard, ALongFileIsNeverReplacedByAShortText)
{
    struct Case {
        size_t existing, text;
        bool write;
    } cases[] = {
        {0, 1, true}, {512, 1, true}, {513, 511, false}, {513, 512, true}, {100000, 600, true}, {100000, 0, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(data_text_may_replace(c.existing, c.text), c.write) << c.existing << " " << c.text;
}

TEST(DateStamp, ZeroPadded)
{
    EXPECT_EQ(date_stamp(2026, 1, 5), "20260105");
    EXPECT_EQ(date_stamp(999, 12, 31), "09991231");
}
