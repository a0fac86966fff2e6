#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "folder/entry_table.h"
#include "folder/navigation.h"

static std::vector<std::string> paths_of(const std::vector<Entry>& entries)
{
    std::vector<std::string> out;
    for (const Entry& e : entries)
        out.push_back(e.path);
    return out;
}

TEST(EntryOrder, FoldersFirstThenDescendingPath)
{
    std::vector<Entry> entries = {
        {"a.txt", "C:\\d\\a.txt", ""}, {"x", "C:\\d\\x\\*", ""}, {"b.txt", "C:\\d\\b.txt", ""}, {"y", "C:\\d\\y\\*", ""}};
    entry_order_sort(entries);
    EXPECT_EQ(paths_of(entries), (std::vector<std::string>{"C:\\d\\y\\*", "C:\\d\\x\\*", "C:\\d\\b.txt", "C:\\d\\a.txt"}));

    std::vector<Entry> tree = {
        {"f.txt", "C:\\a\\f.txt", ""}, {"g.txt", "C:\\a\\x\\g.txt", ""}, {"x", "C:\\a\\x\\*", ""}, {"z.txt", "C:\\a\\z.txt", ""}};
    entry_order_sort(tree);
    EXPECT_EQ(paths_of(tree),
              (std::vector<std::string>{"C:\\a\\x\\*", "C:\\a\\z.txt", "C:\\a\\x\\g.txt", "C:\\a\\f.txt"}));
}

TEST(EntryOrder, UnsignedBytesCaseAndNameTieBreak)
{
    // 0x82 sorts above 'z' as an unsigned byte; 'a' above 'B'; equal paths by name.
    std::vector<Entry> entries = {
        {"B", "B", ""}, {"z", "z", ""}, {"\x82\xA0", "\x82\xA0", ""}, {"a", "a", ""}, {"n1", "same", ""}, {"n2", "same", ""}};
    entry_order_sort(entries);
    std::vector<std::string> names;
    for (const Entry& e : entries)
        names.push_back(e.name);
    EXPECT_EQ(names, (std::vector<std::string>{"\x82\xA0", "z", "n2", "n1", "a", "B"}));
}

// The quadratic exchange sort that the order is defined by, as the reference.
TEST(EntryOrder, SameAsExchangeSortOnAMixedTable)
{
    std::vector<Entry> entries;
    unsigned seed = 7;
    for (int i = 0; i < 300; ++i) {
        seed = seed * 1103515245u + 12345u;
        std::string name = std::string(1, char('a' + seed % 5)) + char(0x80 + (seed >> 8) % 5);
        bool folder = (seed >> 16) % 3 == 0;
        entries.push_back({name, "C:\\" + name + (folder ? "\\*" : ""), ""});
    }
    std::vector<Entry> reference = entries;
    for (size_t i = 0; i + 1 < reference.size(); ++i)
        for (size_t j = i + 1; j < reference.size(); ++j)
            if (!entry_may_stand_before(reference[i], reference[j]))
                std::swap(reference[i], reference[j]);
    entry_order_sort(entries);
    EXPECT_EQ(paths_of(entries), paths_of(reference));
}

TEST(FolderPattern, Table)
{
    EXPECT_EQ(folder_pattern("C:\\dir"), "C:\\dir\\*");
    EXPECT_EQ(folder_pattern("C:\\dir\\"), "C:\\dir\\*");
    EXPECT_EQ(folder_pattern("C:\\dir\\*"), "C:\\dir\\*");
    EXPECT_EQ(folder_pattern("C:\\\x83\x5C"), "C:\\\x83\x5C\\*");  // the 0x5C of ソ is no separator
    EXPECT_EQ(pattern_prefix("C:\\dir\\*"), "C:\\dir\\");
    EXPECT_EQ(pattern_prefix("C*"), "");
}

TEST(DateFilter, DayBoundaryBothDirections)
{
    std::string ref = reference_date(2026, 3, 10, 0);
    EXPECT_EQ(ref, "2026/03/10");
    struct Case {
        const char* date;
        bool normal, reversed;
    } cases[] = {
        {"2026/03/10 00:00:00", true, false},  // written on the reference day
        {"2026/03/09 23:59:59", false, true},  // the second before it
        {"2026/03/11 00:00:00", true, false},
        {"", true, true},                      // no date text always passes
    };
    for (const Case& c : cases) {
        EXPECT_EQ(date_filter_pass(ref, c.date, false), c.normal) << c.date;
        EXPECT_EQ(date_filter_pass(ref, c.date, true), c.reversed) << c.date;
    }
}

TEST(DateFilter, ReferenceDateRollsBack)
{
    EXPECT_EQ(reference_date(2026, 3, 1, 1), "2026/02/28");
    EXPECT_EQ(reference_date(2024, 3, 1, 1), "2024/02/29");
    EXPECT_EQ(reference_date(2026, 1, 1, 1), "2025/12/31");
    EXPECT_EQ(reference_date(2026, 1, 10, 40), "2025/12/01");
    EXPECT_EQ(reference_date(2026, 12, 31, 0), "2026/12/31");
}

TEST(SizeText, Table)
{
    struct Case {
        long long size;
        int limit;
        const char* text;
    } cases[] = {
        {500, -20, "   500Byte"},
        {1024, -20, "  1024Byte"},
        {1025, -20, "    1KByte"},
        {1048576, -20, " 1024KByte"},
        {0, -20, "     0Byte"},          // an empty folder
        {12345, 1, " 9999KByte"},        // 21 files counted: the marker
        {123, 0, "   123Byte"},         // exactly 20 files: their sum
        {3LL << 30, -20, "3145728KByte"},  // 3 GiB: 64-bit, no wrap
        {(1LL << 31) + 1024, -20, "2097153KByte"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(size_text(c.size, c.limit), c.text) << c.size;
}

TEST(RowNumbers, OneToNineThenZeroThenPlain)
{
    EXPECT_EQ(numbered_row_text(0, "a"), "1.a");
    EXPECT_EQ(numbered_row_text(8, "a"), "9.a");
    EXPECT_EQ(numbered_row_text(9, "a"), "0.a");
    EXPECT_EQ(numbered_row_text(10, "a"), "a");
}

TEST(ParentView, AncestorAtLevels)
{
    std::string out;
    const char* entry = "C:\\a\\b\\c.txt";
    ASSERT_TRUE(parent_ancestor(entry, 1, out));
    EXPECT_EQ(out, "C:\\a\\b");
    ASSERT_TRUE(parent_ancestor(entry, 2, out));
    EXPECT_EQ(out, "C:\\a");
    ASSERT_TRUE(parent_ancestor(entry, 3, out));
    EXPECT_EQ(out, "C:");
    out = "untouched";
    EXPECT_FALSE(parent_ancestor(entry, 4, out));
    EXPECT_EQ(out, "untouched");
    EXPECT_FALSE(parent_ancestor(entry, 5, out));
    // A backslash that is the second byte of ソ does not count; slashes do.
    ASSERT_TRUE(parent_ancestor("C:\\x\\\x83\x5C.txt", 1, out));
    EXPECT_EQ(out, "C:\\x");
    ASSERT_TRUE(parent_ancestor("http://h/p", 1, out));
    EXPECT_EQ(out, "http://h");
    EXPECT_FALSE(parent_ancestor("\\x", 1, out));  // the separator is the first byte
    EXPECT_FALSE(parent_ancestor("", 1, out));
    // Paths past the old 512-byte buffers are kept whole, never cut.
    std::string deep = "C:\\" + std::string(600, 'd') + "\\" + std::string(600, 'e') + "\\f.txt";
    ASSERT_TRUE(parent_ancestor(deep, 1, out));
    EXPECT_EQ(out, deep.substr(0, deep.size() - 6));
    EXPECT_EQ(folder_pattern(out), out + "\\*");
    EXPECT_EQ(pattern_prefix(folder_pattern(out)), out + "\\");
}

TEST(ParentPathEdit, ClimbsToTheDriveList)
{
    struct Case {
        const char* text;
        ParentEdit kind;
        const char* result;
    } cases[] = {
        {"C:\\dir\\sub\\*", PARENT_EDIT_TEXT, "C:\\dir"},
        {"C:\\dir", PARENT_EDIT_TEXT, "C:"},
        {"C:", PARENT_EDIT_DRIVE_LIST, ""},
        {"C:\\", PARENT_EDIT_TEXT, "C"},
        {"C", PARENT_EDIT_DRIVE_LIST, ""},
        {"name", PARENT_EDIT_DRIVE_LIST, ""},
        {"", PARENT_EDIT_TEXT, "C:\\cur\\*"},
        {"C:\\\x83\x5C\\x", PARENT_EDIT_TEXT, "C:\\\x83\x5C"},
        {"\\\\", PARENT_EDIT_NONE, ""},  // nothing left to cut at below the second character
    };
    for (const Case& c : cases) {
        std::string result;
        EXPECT_EQ(parent_path_text(c.text, "C:\\cur\\*", result), c.kind) << c.text;
        if (c.kind == PARENT_EDIT_TEXT) {
            EXPECT_EQ(result, c.result) << c.text;
        }
    }
}
