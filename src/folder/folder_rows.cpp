#include "folder/folder_rows.h"

#include "folder/path_rules.h"

FolderRows g_rows;

int folder_filter_pass(const std::vector<Entry>& entries, const RowFilter& filter, std::vector<int>& row_map)
{
    row_map.clear();
    int matches = 0;
    for (size_t i = 0; i < entries.size(); ++i) {
        const Entry& e = entries[i];
        if (!name_pattern_matches(*filter.name, e.name))
            continue;
        ++matches;
        if (filter.reference && !date_filter_pass(*filter.reference, e.date, filter.reversed))
            continue;
        row_map.push_back(int(i));
    }
    return matches;
}

std::string folder_row_text(const EntryTable& table, const FolderRows& rows, int row, int column)
{
    if (column < 0 || column > 2)
        return std::string();
    if (rows.measuring)
        return row == 0 ? rows.widest[column] : std::string();
    const Entry* e = row_entry(table, row);
    if (!e)
        return std::string();
    switch (column) {
    case 0:
        return numbered_row_text(row, e->name);
    case 1:
        return rows.details && size_t(row) < rows.detail.size() ? rows.detail[size_t(row)].date : e->date;
    default:
        return rows.details && size_t(row) < rows.detail.size() ? rows.detail[size_t(row)].size : std::string();
    }
}

int widest_label_row(const std::vector<Entry>& entries, const std::vector<int>& row_map,
                     const int (&prefix_widths)[10])
{
    int widest = -1, widest_width = -1;
    for (size_t r = 0; r < row_map.size(); ++r) {
        int width = entries[size_t(row_map[r])].name_width + (r < 10 ? prefix_widths[r] : 0);
        if (width > widest_width) {
            widest_width = width;
            widest = int(r);
        }
    }
    return widest;
}

int widest_date_row(const std::vector<Entry>& entries, const std::vector<int>& row_map)
{
    int widest = -1, widest_width = -1;
    for (size_t r = 0; r < row_map.size(); ++r) {
        const Entry& e = entries[size_t(row_map[r])];
        if (!e.date.empty() && e.date_width > widest_width) {
            widest_width = e.date_width;
            widest = int(r);
        }
    }
    return widest;
}

int find_row(const EntryTable& table, const FolderRows& rows, std::string_view text, bool partial, int start,
             bool wrap)
{
    const int count = int(table.row_map.size());
    const std::string wanted = ascii_folded(text);
    auto hit = [&](int r) {
        std::string label = ascii_folded(folder_row_text(table, rows, r, 0));
        if (!partial)
            return label == wanted;
        // A prefix must end on a character of the label.
        return label.compare(0, wanted.size(), wanted) == 0 && character_start(label, wanted.size());
    };
    if (start < 0 || start >= count)
        start = 0;
    for (int r = start; r < count; ++r)
        if (hit(r))
            return r;
    if (wrap)
        for (int r = 0; r < start; ++r)
            if (hit(r))
                return r;
    return -1;
}
