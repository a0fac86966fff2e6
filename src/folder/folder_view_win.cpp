// The folder view refresh: rows rebuilt from the entry table through the
// name match and the date filter, numbered, with icons, and with dates and
// sizes for small listings; the folder totals of the size column.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>
#include <ctime>
#include <vector>

#include "app/app_state.h"
#include "app/settings.h"
#include "app/watchdog.h"
#include "folder/entry_table.h"
#include "folder/folder_ops.h"
#include "folder/folder_state.h"
#include "folder/name_match.h"
#include "folder/path_rules.h"
#include "lists/list_state.h"

namespace {

// Below this many name matches (and with something typed) the rows get shell
// icons, dates and sizes; at or above it two stock icons, at most 100.
constexpr int SMALL_LISTING_LIMIT = 20;
constexpr int LARGE_LISTING_ICONS = 100;
constexpr int FILE_COUNT_START = -20;

HIMAGELIST g_image_list = nullptr;

void set_cell(HWND view, int row, int column, const std::string& text)
{
    LVITEMA item{};
    item.mask = LVIF_TEXT;
    item.iItem = row;
    item.iSubItem = column;
    item.pszText = const_cast<char*>(text.c_str());
    SendMessageA(view, LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
}

// Path whose shell icon stands for the entry: a folder loses its "\*", and a
// drive ("C:") gets its backslash back so the shell shows the drive icon.
std::string icon_path(const Entry& e)
{
    std::string path = e.path;
    if (!path.empty() && path.back() == '*') {
        path.resize(path.size() >= 2 ? path.size() - 2 : 0);
        if (!path.empty() && path.back() == ':')
            path.push_back('\\');
    }
    return path;
}

// Row r uses image r, so an icon that cannot be added is replaced by the
// question icon rather than left out.
void add_icon(HICON icon)
{
    if (!icon || ImageList_AddIcon(g_image_list, icon) < 0)
        ImageList_AddIcon(g_image_list, LoadIconA(nullptr, reinterpret_cast<const char*>(IDI_QUESTION)));
}

// Large listing: the program folder icon for each folder row and the
// application icon for each file row. Converting an icon into the image
// list's bitmaps is the slow step (about 1.5 ms under Wine), so each of the
// two is converted once, into slots past the rows, copied into every row's
// slot within the image list and then removed.
void add_stock_icons(int rows)
{
    const std::vector<Entry>& entries = g_entries.entries;
    ImageList_SetImageCount(g_image_list, UINT(rows));
    add_icon(g_app.program_folder_icon);
    add_icon(LoadIconA(nullptr, reinterpret_cast<const char*>(IDI_APPLICATION)));
    const int folder_image = rows, file_image = rows + 1;
    for (int r = 0; r < rows; ++r) {
        bool folder = entry_is_folder(entries[size_t(g_entries.row_map[size_t(r)])]);
        ImageList_Copy(g_image_list, r, g_image_list, folder ? folder_image : file_image, ILCF_MOVE);
    }
    ImageList_Remove(g_image_list, file_image);
    ImageList_Remove(g_image_list, folder_image);
}

void add_shell_icon(const std::string& path)
{
    SHFILEINFOA info{};
    SHGetFileInfoA(path.c_str(), 0, &info, sizeof info, SHGFI_ICON | SHGFI_SMALLICON);
    add_icon(info.hIcon);
    // The image list keeps its own copy of the bitmap.
    if (info.hIcon)
        DestroyIcon(info.hIcon);
}

// Dates and sizes of one detailed row of a small listing.
void fill_details(HWND view, int row, const std::string& path, bool dates)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        LARGE_INTEGER size{};
        GetFileSizeEx(file, &size);
        CloseHandle(file);
        set_cell(view, row, 2, size_text(size.QuadPart, FILE_COUNT_START));
        if (dates) {
            std::string date;
            file_date_text(path, date);
            set_cell(view, row, 1, date);
        }
        return;
    }
    std::string pattern = path + "\\*";
    if (dates) {
        std::string date;
        folder_date_text(pattern, date);
        set_cell(view, row, 1, date);
    }
    if (g_listbox.list_state == LIST_FOLDER_SIZES) {
        int limit = FILE_COUNT_START;
        int64_t total = folder_total(pattern, limit);
        set_cell(view, row, 2, size_text(total, limit));
    }
}

std::string today_reference(int days)
{
    time_t now = time(nullptr);
    struct tm local {};
    localtime_s(&local, &now);
    return reference_date(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, days);
}

// Auto-sizes column 0 over one temporary row holding the widest numbered
// name (measured with the view's font), then takes the row out again.
void size_to_widest_label(HWND view, const std::vector<Entry>& entries)
{
    HDC dc = GetDC(view);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(view, WM_GETFONT, 0, 0)));
    std::string widest;
    LONG widest_cx = -1;
    for (size_t r = 0; r < g_entries.row_map.size(); ++r) {
        std::string text = numbered_row_text(int(r), entries[size_t(g_entries.row_map[r])].name);
        SIZE size{};
        GetTextExtentPoint32A(dc, text.c_str(), int(text.size()), &size);
        if (size.cx > widest_cx) {
            widest_cx = size.cx;
            widest = std::move(text);
        }
    }
    SelectObject(dc, old);
    ReleaseDC(view, dc);
    LVITEMA item{};
    item.mask = LVIF_TEXT | LVIF_IMAGE;
    item.pszText = widest.data();
    SendMessageA(view, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    SendMessageA(view, LVM_SETCOLUMNWIDTH, 0, LVSCW_AUTOSIZE);
    SendMessageA(view, LVM_DELETEITEM, 0, 0);
}

}  // namespace

void folder_view_refresh()
{
    activity_time_stamp();
    HWND view = g_app.folder_view;
    ShowWindow(view, SW_HIDE);
    // Hidden is not enough for the list view to skip its per-row scroll and
    // invalidation work; with redraw off a 5,000-row refill costs a fraction.
    SendMessageA(view, WM_SETREDRAW, FALSE, 0);
    // The shared key handler in the folder view's replacement procedure
    // answers LVM_DELETEALLITEMS itself, so the message goes straight to the
    // list view's own procedure; without it the rows go one at a time, from
    // the last, which keeps each deletion cheap.
    if (g_app.previous_folder_view) {
        CallWindowProcA(g_app.previous_folder_view, view, LVM_DELETEALLITEMS, 0, 0);
    } else {
        for (int n = int(SendMessageA(view, LVM_GETITEMCOUNT, 0, 0)); n > 0; --n)
            SendMessageA(view, LVM_DELETEITEM, WPARAM(n - 1), 0);
    }

    SendMessageA(view, LVM_SETIMAGELIST, LVSIL_SMALL, 0);
    if (g_image_list)
        ImageList_Destroy(g_image_list);
    g_image_list = ImageList_Create(16, 16, ILC_COLORDDB | ILC_MASK, 5, 0);

    copy_text_box_text();
    const bool typed = !g_folder.typed_text.empty();
    const NamePattern filter = name_pattern(g_folder.typed_text, g_settings.search != 0);
    const bool date_filter = g_settings.filterdate != -1;
    const std::string reference = date_filter ? today_reference(g_settings.filterdate) : std::string();

    // One pass decides which entries are visible and counts the name matches;
    // the date filter does not take part in the count.
    const std::vector<Entry>& entries = g_entries.entries;
    g_entries.row_map.clear();
    int matches = 0;
    bool dated = false;  // some row shows a date in column 1
    for (size_t i = 0; i < entries.size(); ++i) {
        if (!name_pattern_matches(filter, entries[i].name))
            continue;
        ++matches;
        if (date_filter && !date_filter_pass(reference, entries[i].date, g_settings.filter_reversed))
            continue;
        g_entries.row_map.push_back(int(i));
        dated = dated || !entries[i].date.empty();
    }

    // Columns 1 and 2 hold text only in a small listing's details or where
    // an entry has a date. A column empty in every row is as wide for one row
    // as for all, so it is sized once the first row is in: auto-sizing asks
    // every row, which a large listing would pay for on every key.
    const bool details = typed && matches < SMALL_LISTING_LIMIT;
    const bool sized_early[3] = {true, !dated && !details, !details};
    const int rows = int(g_entries.row_map.size());
    // Column 0 is as wide as its widest label: that row alone, auto-sized
    // with the image list in place, gives the width that every row would.
    SendMessageA(view, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(g_image_list));
    if (rows > 0)
        size_to_widest_label(view, entries);
    SendMessageA(view, LVM_SETITEMCOUNT, WPARAM(rows), 0);
    for (int r = 0; r < rows; ++r) {
        const Entry& e = entries[size_t(g_entries.row_map[size_t(r)])];
        std::string text = numbered_row_text(r, e.name);
        LVITEMA item{};
        item.mask = LVIF_TEXT | LVIF_IMAGE;
        item.iItem = r;
        item.iImage = r;
        item.pszText = text.data();
        SendMessageA(view, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
        if (!e.date.empty())
            set_cell(view, r, 1, e.date);
        if (r == 0)
            for (int c = 1; c < 3; ++c)
                if (sized_early[c])
                    SendMessageA(view, LVM_SETCOLUMNWIDTH, c, LVSCW_AUTOSIZE);
    }

    if (matches >= SMALL_LISTING_LIMIT) {
        add_stock_icons(std::min(rows, LARGE_LISTING_ICONS));
    } else {
        for (int r = 0; r < rows; ++r) {
            std::string path = icon_path(entries[size_t(g_entries.row_map[size_t(r)])]);
            add_shell_icon(path);
            if (typed)
                fill_details(view, r, path, !date_filter);
        }
    }

    for (int c = 0; c < 3; ++c)
        if (rows == 0 || !sized_early[c])
            SendMessageA(view, LVM_SETCOLUMNWIDTH, c, LVSCW_AUTOSIZE);
    SendMessageA(view, WM_SETREDRAW, TRUE, 0);
    ShowWindow(view, SW_RESTORE);
}

int64_t folder_total(const std::string& pattern, int& file_count_limit)
{
    WIN32_FIND_DATAA data;
    HANDLE search = FindFirstFileA(pattern.c_str(), &data);
    if (search == INVALID_HANDLE_VALUE)
        return 0;
    std::string prefix = pattern_prefix(pattern);
    int64_t sum = 0;
    do {
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            if (!is_dot_name(data.cFileName))
                sum += folder_total(prefix + data.cFileName + "\\*", file_count_limit);
        } else if (data.dwFileAttributes <= 0x1000) {
            ++file_count_limit;
            HANDLE file = CreateFileA((prefix + data.cFileName).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                      0, nullptr);
            if (file != INVALID_HANDLE_VALUE) {
                LARGE_INTEGER size{};
                if (GetFileSizeEx(file, &size))
                    sum += size.QuadPart;
                CloseHandle(file);
            }
        }
        if (file_count_limit > 0)
            break;
    } while (FindNextFileA(search, &data));
    FindClose(search);
    return sum;
}

// Index chosen by a digit key code: 1 to 9 give 0 to 8, 0 (and 47) give 9.
static int digit_index(int key)
{
    return (key == 47 || key == 48) ? 9 : key - 49;
}

bool selected_folder_view_text(int key, std::string& text)
{
    HWND view = g_app.folder_view;
    int index = int(SendMessageA(view, LVM_GETNEXTITEM, WPARAM(-1), LVNI_FOCUSED));
    if (key >= 47 && key <= 57) {
        index = digit_index(key);
        if (index >= int(SendMessageA(view, LVM_GETITEMCOUNT, 0, 0)))
            return false;
        LVITEMA state{};
        state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        state.state = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageA(view, LVM_SETITEMSTATE, index, reinterpret_cast<LPARAM>(&state));
        SetFocus(view);
    }
    if (index < 0)
        return false;
    // Names are kept whole, so the buffer grows until the text fits.
    std::vector<char> buffer(512);
    for (;;) {
        LVITEMA item{};
        item.iSubItem = 0;
        item.pszText = buffer.data();
        item.cchTextMax = int(buffer.size());
        int got = int(SendMessageA(view, LVM_GETITEMTEXTA, index, reinterpret_cast<LPARAM>(&item)));
        if (got < int(buffer.size()) - 1 || buffer.size() >= (1u << 20)) {
            text.assign(buffer.data(), size_t(got));
            break;
        }
        buffer.resize(buffer.size() * 2);
    }
    if (index < 10)
        text.erase(0, text.size() >= 2 ? 2 : text.size());
    return true;
}
