// The two list boxes on screen: the list refresh, the plain and the parent
// view of the list box, the second list box and reading entries back.
#include <windows.h>

#include "app/app_state.h"
#include "app/settings.h"
#include "folder/folder_ops.h"
#include "folder/folder_state.h"
#include "lists/list_box.h"
#include "lists/list_box_ops.h"
#include "lists/list_ops.h"
#include "lists/list_state.h"
#include "lists/string_lists.h"

static void insert_row(HWND list, int position, const std::string& text)
{
    SendMessageA(list, LB_INSERTSTRING, WPARAM(position), reinterpret_cast<LPARAM>(text.c_str()));
}

// Fills the list box from `start` with the texts of the entries that pass.
template <typename Entries, typename TextOf>
static int fill_list_box(int start, const Entries& entries, TextOf text_of)
{
    HWND list = g_app.list_box;
    ListFilter filter = list_filter(g_folder.typed_text, g_folder.current_folder, g_settings.search != 0);
    ListRows rows = list_box_rows(entries, text_of, filter, start, g_listbox.parent_level, g_settings.listcount);
    // Redrawing once after the whole fill instead of after every row.
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    if (start == 0)
        SendMessageA(list, LB_RESETCONTENT, 0, 0);
    int position = start;
    for (const std::string& row : rows.rows)
        insert_row(list, position++, row);
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
    return rows.next_position;
}

int list_box_fill(int start, const std::vector<std::string_view>& entries)
{
    return fill_list_box(start, entries, [](std::string_view e) { return e; });
}

void second_list_box_fill()
{
    HWND list = g_app.second_list_box;
    NamePattern typed = name_pattern(g_folder.typed_text, g_settings.search != 0);
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    // Appending in list order shows the same rows as inserting each passing
    // bookmark at position 0 from the last to the first, without moving rows.
    for (const std::string& bookmark : g_lists.bookmarks)
        if (name_pattern_matches(typed, bookmark))
            SendMessageA(list, LB_INSERTSTRING, WPARAM(-1), reinterpret_cast<LPARAM>(bookmark.c_str()));
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
}

void list_refresh()
{
    copy_text_box_text();
    // The lists are read where they lie: nothing is copied for the filter.
    if (g_listbox.list_state == LIST_RECENT)
        fill_list_box(0, g_lists.recent, [](const TextPair& p) { return std::string_view(p.first); });
    else
        fill_list_box(0, g_lists.data, [](const DataEntry& e) { return std::string_view(e.line); });
    second_list_box_fill();
    folder_view_refresh();
}

bool selected_entry_text(HWND list, int key, std::string& text)
{
    int index = int(SendMessageA(list, LB_GETCURSEL, 0, 0));
    if (list == g_app.list_box && key >= 47 && key <= 57) {
        index = digit_key_index(key);
        if (index >= int(SendMessageA(list, LB_GETCOUNT, 0, 0)))
            return false;
    }
    if (index < 0)
        return false;
    int length = int(SendMessageA(list, LB_GETTEXTLEN, WPARAM(index), 0));
    if (length < 0)
        return false;
    std::string row(size_t(length) + 1, '\0');
    int got = int(SendMessageA(list, LB_GETTEXT, WPARAM(index), reinterpret_cast<LPARAM>(row.data())));
    if (got < 0)
        return false;
    row.resize(size_t(got));
    if (list == g_app.list_box && index < 10)
        row.erase(0, row.size() >= 2 ? 2 : row.size());
    text = row;
    return true;
}

std::string selected_entry_text(HWND list)
{
    std::string text;
    selected_entry_text(list, 0, text);
    return text;
}

bool chosen_entry(HWND list, int key, bool raw, std::string& text)
{
    std::string row;
    if (!selected_entry_text(list, key, row))
        return false;
    if (raw) {
        text = row;
        return true;
    }
    return entry_target(row, text);
}
