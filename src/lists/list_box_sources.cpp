// The texts the list boxes are filled from, read straight out of the lists.
#include "lists/list_box.h"
#include "lists/string_lists.h"

std::vector<std::string_view> data_list_entries()
{
    std::vector<std::string_view> texts;
    texts.reserve(g_lists.data.size());
    for (const DataEntry& e : g_lists.data)
        texts.push_back(e.line);
    return texts;
}

std::vector<std::string_view> recent_folder_entries()
{
    std::vector<std::string_view> texts;
    texts.reserve(g_lists.recent.size());
    for (const TextPair& p : g_lists.recent)
        texts.push_back(p.first);
    return texts;
}

std::vector<std::string_view> bookmark_entries()
{
    return std::vector<std::string_view>(g_lists.bookmarks.begin(), g_lists.bookmarks.end());
}
