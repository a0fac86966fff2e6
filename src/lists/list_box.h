// What the two list boxes show: the filters, the numbering of the first ten
// rows, and the parent view that climbs path levels.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "folder/name_match.h"

// An entry passes when it matches the typed text and the folder pattern (the
// current folder without its last byte: C:\dir\* gives C:\dir\).
struct ListFilter {
    NamePattern typed;
    NamePattern folder;
};

ListFilter list_filter(std::string_view typed_text, std::string_view current_folder, bool word_match);
bool list_filter_pass(const ListFilter& filter, std::string_view entry);

// Rows of the list box from position `start` on, for the entries that pass:
// with parent_level 0 the plain view (numbered below 10, nothing inserted at
// or beyond listcount); otherwise the parent view (each entry's ancestor,
// numbered below 10, no listcount limit). `rows` receives the texts to insert
// in order from `start`; the result is the next free position. The plain
// view stops at the first position it would not show (the tenth or
// listcount, whichever is later), so a long history is not walked to its end
// once the list box is full.
struct ListRows {
    std::vector<std::string> rows;
    int next_position = 0;
};

template <typename Entries, typename TextOf>
ListRows list_box_rows(const Entries& entries, TextOf text_of, const ListFilter& filter, int start,
                       int parent_level, int listcount);

// Implementation detail shared by every instantiation: one entry.
void list_box_row(std::string_view entry, const ListFilter& filter, int parent_level, int listcount,
                  ListRows& out);

template <typename Entries, typename TextOf>
ListRows list_box_rows(const Entries& entries, TextOf text_of, const ListFilter& filter, int start,
                       int parent_level, int listcount)
{
    ListRows out;
    out.next_position = start;
    const int shown = listcount > 10 ? listcount : 10;
    for (const auto& e : entries) {
        if (parent_level == 0 && out.next_position >= shown)
            break;
        list_box_row(text_of(e), filter, parent_level, listcount, out);
    }
    return out;
}

// Index of a list box row named by a digit key code (1-9 give 0-8; 0 and
// 47 give 9), or -1 for any other key.
int digit_key_index(int key);

