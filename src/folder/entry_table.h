// The entry table of the listed folder (or searched tree, or drive list) and
// the row map of the folder view, with the portable rules that order and
// filter it: the entry order, the date filter and the size text.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct Entry {
    std::string name;  // as found on disk; a drive root such as C:\ for the drive list
    std::string path;  // folder prefix + name; a folder's path ends in "\*"
    std::string date;  // "YYYY/MM/DD hh:mm:ss" of the last write, or empty
    // Pixel widths of the name and the date in the folder view's font,
    // measured the first time the entry is shown (-1 until then), so that
    // sizing the columns does not measure every row on every key.
    int name_width = -1;
    int date_width = -1;
};

struct EntryTable {
    // Grows by doubling (std::vector), so a scan of n entries copies O(n)
    // texts in all; clear() keeps the capacity for the next scan.
    std::vector<Entry> entries;
    // For each folder view row, the index of its entry; valid until the next refresh.
    std::vector<int> row_map;
};

extern EntryTable g_entries;

// Empties the entries and the row map: until the next refresh the rows on
// screen name no entry, rather than whichever new entry took their index.
void entry_table_clear(EntryTable& table);

// A path that ends in "*" marks a folder entry; the only folder marker.
bool entry_is_folder(const Entry& e);

// True when a may stand before b: folders before files, then descending
// unsigned byte order of the path, then of the name.
bool entry_may_stand_before(const Entry& a, const Entry& b);

// Sorts folders first, then files, each group in descending byte order of the
// full path (name as tie-break), in n log n.
void entry_order_sort(std::vector<Entry>& entries);

// The scan pattern of a folder: C:\dir, C:\dir\ and C:\dir\* all give C:\dir\*.
std::string folder_pattern(std::string_view folder);

// The prefix of a pattern: the pattern without its final "*"; a pattern of
// two bytes or fewer gives an empty prefix.
std::string pattern_prefix(std::string_view pattern);

// Local calendar date of (year, month 1-12, day) moved back by days, as
// "YYYY/MM/DD"; days below 1 roll into the previous month and year.
std::string reference_date(int year, int month, int day, int days);

// An empty date text passes; otherwise the entry is on or after the reference
// day when the reference compares less than or equal, and passes when that
// equals the direction (true unless reversed).
bool date_filter_pass(std::string_view reference, std::string_view date_text, bool reversed);

// The size column text: "%dByte" up to 1024 bytes, else "%dKByte" of the
// size divided by 1024, right-aligned in 10; "9999KByte" once the file count
// limit is above 0.
std::string size_text(int64_t size, int file_count_limit);

// Column 0 text of row r: "1." to "9." and "0." before the first ten names.
std::string numbered_row_text(int row, std::string_view text);

// The parent view's ancestor of an entry at n levels (n >= 1): the text
// before the n-th separator (backslash, colon or slash that is a character of
// its own) counted from the end. False when there are fewer than n, or when
// the n-th lies in the first two bytes (nothing or a bare drive letter would
// be left: C:\a\b\c.txt has no ancestor at level 4).
bool parent_ancestor(std::string_view entry, int n, std::string& ancestor);

// The entry behind folder view row r, or nothing when the row or its entry
// no longer exists (a scan empties the table before the next refresh).
const Entry* row_entry(const EntryTable& table, int row);
