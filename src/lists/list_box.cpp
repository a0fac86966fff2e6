#include "lists/list_box.h"

#include "folder/entry_table.h"

ListFilter list_filter(std::string_view typed_text, std::string_view current_folder, bool word_match)
{
    std::string_view folder = current_folder.size() < 2 ? std::string_view() : current_folder.substr(0, current_folder.size() - 1);
    return ListFilter{name_pattern(typed_text, word_match), name_pattern(folder, word_match)};
}

bool list_filter_pass(const ListFilter& filter, std::string_view entry)
{
    return name_pattern_matches(filter.typed, entry) && name_pattern_matches(filter.folder, entry);
}

void list_box_row(std::string_view entry, const ListFilter& filter, int parent_level, int listcount, ListRows& out)
{
    if (!list_filter_pass(filter, entry))
        return;
    int position = out.next_position;
    if (parent_level > 0) {
        std::string ancestor;
        if (!parent_ancestor(entry, parent_level, ancestor))
            return;
        out.rows.push_back(numbered_row_text(position, ancestor));
        ++out.next_position;
        return;
    }
    // The first ten are always shown; listcount only limits the unnumbered rest.
    if (position < 10)
        out.rows.push_back(numbered_row_text(position, entry));
    else if (position < listcount)
        out.rows.emplace_back(entry);
    else
        return;
    ++out.next_position;
}

int digit_key_index(int key)
{
    if (key == 47 || key == 48)
        return 9;
    if (key >= 49 && key <= 57)
        return key - 49;
    return -1;
}
