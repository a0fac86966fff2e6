// What the folder view shows. The view is virtual: it holds only a row count,
// and asks for a row's texts when it paints or is read. The rows are the row
// map of the entry table; this is how they are chosen and what each cell says.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "folder/entry_table.h"
#include "folder/name_match.h"

// The detail columns of a small listing, fetched from the disk at the refresh.
struct RowDetails {
    std::string date;  // column 1
    std::string size;  // column 2
};

struct FolderRows {
    // A small listing with something typed: columns 1 and 2 come from details
    // (one per row); otherwise column 1 is the entry's date and 2 is empty.
    bool details = false;
    std::vector<RowDetails> detail;
    // While the columns are sized the view holds one row showing the widest
    // text of each column.
    bool measuring = false;
    std::string widest[3];
};

extern FolderRows g_rows;

// The filter pass: one walk over the entries with the compiled pattern. The
// row map receives, in table order, every entry whose name matches and that
// passes the date filter (when a reference day is given). Returns the number
// of name matches, which the date filter does not reduce.
struct RowFilter {
    const NamePattern* name = nullptr;
    const std::string* reference = nullptr;  // the date filter's day, or none
    bool reversed = false;
};
int folder_filter_pass(const std::vector<Entry>& entries, const RowFilter& filter, std::vector<int>& row_map);

// Text of one cell (column 0 numbered below ten); empty for a row or column
// that does not exist.
std::string folder_row_text(const EntryTable& table, const FolderRows& rows, int row, int column);

// The row whose column-0 label is widest, given each entry's measured name
// width and the widths of the ten number prefixes ("1." to "0."), or -1 for
// no rows. A label's width is its prefix's plus its name's: the list view
// measures a text as the sum of its characters' advances.
int widest_label_row(const std::vector<Entry>& entries, const std::vector<int>& row_map,
                     const int (&prefix_widths)[10]);

// The row whose date (column 1 of a listing without details) is widest, or
// -1 when no row has a date.
int widest_date_row(const std::vector<Entry>& entries, const std::vector<int>& row_map);

// The row-finding of the list view's type-ahead (LVN_ODFINDITEM): the first
// row from `start` on whose column-0 text begins with (partial) or equals the
// text, letter case of A to Z aside, going round to the first row when wrap
// is asked; -1 when none.
int find_row(const EntryTable& table, const FolderRows& rows, std::string_view text, bool partial, int start,
             bool wrap);
