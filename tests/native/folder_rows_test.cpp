// The rows of the virtual folder view: which entries become rows, what each
// cell says, which row sizes a column and what the type-ahead finds.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "folder/folder_rows.h"

namespace {

Entry entry(const std::string& name, const std::string& date = "", int width = 0)
{
    Entry e{name, "C:\\d\\" + name, date};
    e.name_width = width;
    return e;
}

std::vector<std::string> names_of(const std::vector<Entry>& entries, const std::vector<int>& rows)
{
    std::vector<std::string> out;
    for (int i : rows)
        out.push_back(entries[size_t(i)].name);
    return out;
}

}  // namespace

TEST(FolderFilterPass, NameMatchesAreCountedBeforeTheDateFilter)
{
    std::vector<Entry> entries = {entry("abc.txt", "2026/12/01 10:00:00"), entry("abd.txt", "2026/11/01 10:00:00"),
                                  entry("x.txt", "2026/12/05 10:00:00"), entry("ab", "")};
    NamePattern ab = name_pattern("ab", true);
    std::vector<int> rows;

    EXPECT_EQ(folder_filter_pass(entries, RowFilter{&ab, nullptr, false}, rows), 3);
    EXPECT_EQ(names_of(entries, rows), (std::vector<std::string>{"abc.txt", "abd.txt", "ab"}));

    // The undated entry always passes the date filter; the count stays 3.
    const std::string reference = "2026/11/15";
    EXPECT_EQ(folder_filter_pass(entries, RowFilter{&ab, &reference, false}, rows), 3);
    EXPECT_EQ(names_of(entries, rows), (std::vector<std::string>{"abc.txt", "ab"}));
    EXPECT_EQ(folder_filter_pass(entries, RowFilter{&ab, &reference, true}, rows), 3);
    EXPECT_EQ(names_of(entries, rows), (std::vector<std::string>{"abd.txt", "ab"}));

    // A second pass replaces the row map.
    NamePattern not_b = name_pattern("^b", true);
    EXPECT_EQ(folder_filter_pass(entries, RowFilter{&not_b, nullptr, false}, rows), 1);
    EXPECT_EQ(names_of(entries, rows), (std::vector<std::string>{"x.txt"}));
    std::vector<Entry> others = {entry("a"), entry("b")};
    EXPECT_EQ(folder_filter_pass(others, RowFilter{&ab, nullptr, false}, rows), 0);
    EXPECT_TRUE(rows.empty());
}

TEST(FolderRowText, NumbersDatesDetailsAndMissingRows)
{
    EntryTable table;
    for (int i = 0; i < 12; ++i)
        table.entries.push_back(entry("n" + std::to_string(i), i == 1 ? "2026/12/01 10:00:00" : ""));
    for (int i = 0; i < 12; ++i)
        table.row_map.push_back(11 - i);
    FolderRows rows;
    struct Case {
        int row, column;
        const char* text;
    } cases[] = {
        {0, 0, "1.n11"}, {8, 0, "9.n3"}, {9, 0, "0.n2"}, {10, 0, "n1"}, {11, 0, "n0"},
        {10, 1, "2026/12/01 10:00:00"}, {0, 1, ""}, {10, 2, ""},
        {12, 0, ""}, {-1, 0, ""}, {0, 3, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(folder_row_text(table, rows, c.row, c.column), c.text) << c.row << "," << c.column;

    // A small listing's details take columns 1 and 2; a row past them shows
    // the entry's date and no size.
    rows.details = true;
    rows.detail = {{"2026/12/09 08:00:00", "   500Byte"}, {"", ""}};
    EXPECT_EQ(folder_row_text(table, rows, 0, 1), "2026/12/09 08:00:00");
    EXPECT_EQ(folder_row_text(table, rows, 0, 2), "   500Byte");
    EXPECT_EQ(folder_row_text(table, rows, 1, 2), "");
    EXPECT_EQ(folder_row_text(table, rows, 10, 1), "2026/12/01 10:00:00");

    // While the columns are sized, the single row shows the widest texts.
    rows.measuring = true;
    rows.widest[0] = "1.wide";
    EXPECT_EQ(folder_row_text(table, rows, 0, 0), "1.wide");
    EXPECT_EQ(folder_row_text(table, rows, 1, 0), "");

    // After a scan emptied the table, no row names an entry.
    rows = FolderRows{};
    entry_table_clear(table);
    EXPECT_EQ(folder_row_text(table, rows, 0, 0), "");
}

TEST(WidestRows, PrefixWidthsCountOnlyForTheFirstTen)
{
    // Prefix widths: "0." (row 9) is the widest prefix.
    const int prefixes[10] = {5, 6, 6, 6, 6, 6, 6, 6, 6, 9};
    std::vector<Entry> entries;
    for (int w : {40, 40, 40, 40, 40, 40, 40, 40, 40, 40, 44, 30})
        entries.push_back(entry("e", "", w));
    std::vector<int> all;
    for (int i = 0; i < 12; ++i)
        all.push_back(i);
    EXPECT_EQ(widest_label_row(entries, all, prefixes), 9);  // 40 + 9 beats 44
    entries[10].name_width = 50;
    EXPECT_EQ(widest_label_row(entries, all, prefixes), 10);
    // Row positions, not entry indexes, give the prefix: entry 9 on row 0.
    std::vector<int> some = {9, 0};
    EXPECT_EQ(widest_label_row(entries, some, prefixes), 1);  // 40 + 6 beats 40 + 5
    EXPECT_EQ(widest_label_row(entries, {}, prefixes), -1);

    entries[3].date = "2026/12/01 10:00:00";
    entries[3].date_width = 90;
    entries[5].date = "2026/12/01 11:11:11";
    entries[5].date_width = 80;
    EXPECT_EQ(widest_date_row(entries, all), 3);
    EXPECT_EQ(widest_date_row(entries, some), -1);
}

TEST(FindRow, PrefixOrWholeLabelFromTheStartRoundToTheTop)
{
    EntryTable table;
    for (const char* name : {"Alpha.txt", "beta.txt", "alps.txt", "\x83\x41.txt"})
        table.entries.push_back(entry(name));
    table.row_map = {0, 1, 2, 3};
    FolderRows rows;
    struct Case {
        const char* text;
        bool partial;
        int start;
        bool wrap;
        int row;
    } cases[] = {
        {"1.a", true, 0, false, 0},       // the label carries its number
        {"1.A", true, 0, false, 0},       // letters A to Z without regard to case
        {"3.ALPS", true, 0, false, 2},
        {"2.beta.txt", false, 0, false, 1},
        {"2.beta", false, 0, false, -1},  // whole label only
        {"1.alpha", true, 1, false, -1},  // from row 1 on, no wrap
        {"1.alpha", true, 1, true, 0},    // round to the top
        {"4.\x83", true, 0, false, -1},   // never half of a double-byte character
        {"4.\x83\x41", true, 0, false, 3},
        {"4.\x83\x61", true, 0, false, -1},  // a second byte is not folded
        {"5.", true, 0, true, -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(find_row(table, rows, c.text, c.partial, c.start, c.wrap), c.row) << c.text << " " << c.start;
}
