// The folder view refresh: the rows chosen from the entry table through the
// name match and the date filter, their icons, the dates and sizes of small
// listings and the column widths; the texts the virtual view asks for; the
// folder totals of the size column.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>
#include <cstring>
#include <cwchar>
#include <ctime>
#include <vector>

#include "app/app_state.h"
#include "app/settings.h"
#include "app/watchdog.h"
#include "folder/entry_table.h"
#include "folder/folder_ops.h"
#include "folder/folder_rows.h"
#include "folder/folder_state.h"
#include "folder/folder_view.h"
#include "folder/name_match.h"
#include "folder/path_rules.h"
#include "lists/list_box.h"
#include "lists/list_state.h"

namespace {

// Below this many name matches (and with something typed) the rows get shell
// icons, dates and sizes; at or above it two stock icons, at most 100.
constexpr int SMALL_LISTING_LIMIT = 20;
constexpr int LARGE_LISTING_ICONS = 100;
constexpr int FILE_COUNT_START = -20;

HIMAGELIST g_image_list = nullptr;
// Whether each row holding a stock icon in the image list is a folder, when
// the list holds a large listing's stock icons; a refresh whose rows give
// the same kinds keeps the list instead of converting the icons again.
bool g_stock_images = false;
std::vector<bool> g_stock_kinds;

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

// A new, empty image list in place of the view's old one.
void new_image_list(HWND view)
{
    SendMessageA(view, LVM_SETIMAGELIST, LVSIL_SMALL, 0);
    if (g_image_list)
        ImageList_Destroy(g_image_list);
    g_image_list = ImageList_Create(16, 16, ILC_COLORDDB | ILC_MASK, 5, 0);
    g_stock_images = false;
}

// The image list of a large listing: a stock icon for each of its first rows.
void use_stock_icons(HWND view, int rows)
{
    std::vector<bool> kinds;
    for (int r = 0; r < rows; ++r)
        kinds.push_back(entry_is_folder(g_entries.entries[size_t(g_entries.row_map[size_t(r)])]));
    if (g_stock_images && kinds == g_stock_kinds)
        return;
    new_image_list(view);
    add_stock_icons(rows);
    g_stock_images = true;
    g_stock_kinds = std::move(kinds);
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

// Dates and sizes of one detailed row of a small listing: the file's size
// and, unless the date filter is on, its date; for a folder its date and, in
// the folder size mode, the total of the files below it. Column 1 keeps the
// entry's own date where no date is fetched.
RowDetails row_details(const std::string& path, const Entry& e, bool dates)
{
    RowDetails d{e.date, std::string()};
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        LARGE_INTEGER size{};
        GetFileSizeEx(file, &size);
        CloseHandle(file);
        d.size = size_text(size.QuadPart, FILE_COUNT_START);
        if (dates) {
            d.date.clear();
            file_date_text(path, d.date);
        }
        return d;
    }
    std::string pattern = path + "\\*";
    if (dates) {
        d.date.clear();
        folder_date_text(pattern, d.date);
    }
    if (g_listbox.list_state == LIST_FOLDER_SIZES) {
        int limit = FILE_COUNT_START;
        int64_t total = folder_total(pattern, limit);
        d.size = size_text(total, limit);
    }
    return d;
}

std::string today_reference(int days)
{
    time_t now = time(nullptr);
    struct tm local {};
    localtime_s(&local, &now);
    return reference_date(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, days);
}

// Pixel width of a text in the device context's font.
int text_width(HDC dc, const std::string& text)
{
    SIZE size{};
    GetTextExtentPoint32A(dc, text.c_str(), int(text.size()), &size);
    return int(size.cx);
}

// Measures, in the view's font, the names (and, for a listing without
// details, the dates) of the rows not measured since their scan, and picks the
// widest text of each column.
void choose_widest_texts(HWND view, std::vector<Entry>& entries, const std::vector<int>& row_map)
{
    HDC dc = GetDC(view);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(view, WM_GETFONT, 0, 0)));
    for (int index : row_map) {
        Entry& e = entries[size_t(index)];
        if (e.name_width < 0)
            e.name_width = text_width(dc, e.name);
        if (!g_rows.details && e.date_width < 0 && !e.date.empty())
            e.date_width = text_width(dc, e.date);
    }
    int prefix_widths[10];
    for (int r = 0; r < 10; ++r)
        prefix_widths[r] = text_width(dc, numbered_row_text(r, ""));
    for (std::string& w : g_rows.widest)
        w.clear();
    int label_row = widest_label_row(entries, row_map, prefix_widths);
    if (label_row >= 0)
        g_rows.widest[0] = numbered_row_text(label_row, entries[size_t(row_map[size_t(label_row)])].name);
    if (g_rows.details) {
        // At most a small listing's rows: measured as they are.
        int widest[3] = {-1, -1, -1};
        for (const RowDetails& d : g_rows.detail) {
            int date = text_width(dc, d.date), size = text_width(dc, d.size);
            if (date > widest[1]) {
                widest[1] = date;
                g_rows.widest[1] = d.date;
            }
            if (size > widest[2]) {
                widest[2] = size;
                g_rows.widest[2] = d.size;
            }
        }
    } else if (int date_row = widest_date_row(entries, row_map); date_row >= 0) {
        g_rows.widest[1] = entries[size_t(row_map[size_t(date_row)])].date;
    }
    SelectObject(dc, old);
    ReleaseDC(view, dc);
}

// Column widths as auto-sizing every row gives them, at the cost of one row:
// the list view's auto-size takes the widest text of a column, so the view
// briefly holds a single row showing each column's widest text and sizes
// its columns over that.
void size_columns(HWND view, int rows)
{
    if (rows > 0) {
        choose_widest_texts(view, g_entries.entries, g_entries.row_map);
        g_rows.measuring = true;
        SendMessageA(view, LVM_SETITEMCOUNT, 1, 0);
    }
    for (int c = 0; c < 3; ++c)
        SendMessageA(view, LVM_SETCOLUMNWIDTH, c, LVSCW_AUTOSIZE);
    g_rows.measuring = false;
}

}  // namespace

void folder_view_refresh()
{
    activity_time_stamp();
    HWND view = g_app.folder_view;
    ShowWindow(view, SW_HIDE);
    SendMessageA(view, WM_SETREDRAW, FALSE, 0);
    // Emptying the view clears its selection and focus. The shared key
    // handler in the folder view's replacement procedure answers
    // LVM_DELETEALLITEMS itself, so the message goes straight to the list
    // view's own procedure.
    if (g_app.previous_folder_view)
        CallWindowProcA(g_app.previous_folder_view, view, LVM_DELETEALLITEMS, 0, 0);
    else
        SendMessageA(view, LVM_DELETEALLITEMS, 0, 0);

    copy_text_box_text();
    const bool typed = !g_folder.typed_text.empty();
    const NamePattern filter = name_pattern(g_folder.typed_text, g_settings.search != 0);
    const bool date_filter = g_settings.filterdate != -1;
    const std::string reference = date_filter ? today_reference(g_settings.filterdate) : std::string();

    // The date filter does not take part in the count of name matches, which
    // decides between a small and a large listing.
    std::vector<Entry>& entries = g_entries.entries;
    const int matches = folder_filter_pass(
        entries, RowFilter{&filter, date_filter ? &reference : nullptr, g_settings.filter_reversed},
        g_entries.row_map);
    const int rows = int(g_entries.row_map.size());
    const bool small = matches < SMALL_LISTING_LIMIT;

    g_rows.details = typed && small;
    g_rows.detail.clear();
    if (small) {
        new_image_list(view);
        for (int r = 0; r < rows; ++r) {
            const Entry& e = entries[size_t(g_entries.row_map[size_t(r)])];
            std::string path = icon_path(e);
            add_shell_icon(path);
            if (g_rows.details)
                g_rows.detail.push_back(row_details(path, e, !date_filter));
        }
    } else {
        use_stock_icons(view, std::min(rows, LARGE_LISTING_ICONS));
    }
    SendMessageA(view, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(g_image_list));

    size_columns(view, rows);
    // The rows themselves are never inserted: the view asks for the texts of
    // the rows it paints (folder_view_display_info).
    SendMessageA(view, LVM_SETITEMCOUNT, WPARAM(rows), 0);
    SendMessageA(view, WM_SETREDRAW, TRUE, 0);
    ShowWindow(view, SW_RESTORE);
}

void folder_view_display_info(NMLVDISPINFOA& info)
{
    LVITEMA& item = info.item;
    if ((item.mask & LVIF_TEXT) && item.pszText && item.cchTextMax > 0) {
        std::string text = folder_row_text(g_entries, g_rows, item.iItem, item.iSubItem);
        size_t n = character_prefix_length(text, size_t(item.cchTextMax - 1));
        memcpy(item.pszText, text.data(), n);
        item.pszText[n] = '\0';
    }
    // Row r has image r; rows past the image list's end show none.
    if (item.mask & LVIF_IMAGE)
        item.iImage = g_rows.measuring ? 0 : item.iItem;
}

void folder_view_display_info(NMLVDISPINFOW& info)
{
    LVITEMW& item = info.item;
    if ((item.mask & LVIF_TEXT) && item.pszText && item.cchTextMax > 0) {
        std::string text = folder_row_text(g_entries, g_rows, item.iItem, item.iSubItem);
        int n = text.empty() ? 0 : MultiByteToWideChar(932, 0, text.data(), int(text.size()), nullptr, 0);
        std::wstring wide(size_t(n), L'\0');
        if (n > 0)
            MultiByteToWideChar(932, 0, text.data(), int(text.size()), wide.data(), n);
        size_t copied = std::min(wide.size(), size_t(item.cchTextMax - 1));
        wmemcpy(item.pszText, wide.data(), copied);
        item.pszText[copied] = L'\0';
    }
    if (item.mask & LVIF_IMAGE)
        item.iImage = g_rows.measuring ? 0 : item.iItem;
}

int folder_view_find_row(const NMLVFINDITEMA& find)
{
    if (!(find.lvfi.flags & (LVFI_STRING | LVFI_PARTIAL)) || !find.lvfi.psz)
        return -1;
    return find_row(g_entries, g_rows, find.lvfi.psz, (find.lvfi.flags & LVFI_PARTIAL) != 0, find.iStart,
                    (find.lvfi.flags & LVFI_WRAP) != 0);
}

int folder_view_find_row(const NMLVFINDITEMW& find)
{
    if (!(find.lvfi.flags & (LVFI_STRING | LVFI_PARTIAL)) || !find.lvfi.psz)
        return -1;
    int n = WideCharToMultiByte(932, 0, find.lvfi.psz, -1, nullptr, 0, nullptr, nullptr);
    std::string text(size_t(n > 0 ? n : 1), '\0');
    if (n > 0)
        WideCharToMultiByte(932, 0, find.lvfi.psz, -1, text.data(), n, nullptr, nullptr);
    text.resize(strlen(text.c_str()));
    return find_row(g_entries, g_rows, text, (find.lvfi.flags & LVFI_PARTIAL) != 0, find.iStart,
                    (find.lvfi.flags & LVFI_WRAP) != 0);
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

bool selected_folder_view_text(int key, std::string& text)
{
    HWND view = g_app.folder_view;
    int index = int(SendMessageA(view, LVM_GETNEXTITEM, WPARAM(-1), LVNI_FOCUSED));
    if (key >= 47 && key <= 57) {
        index = digit_key_index(key);
        if (index >= int(SendMessageA(view, LVM_GETITEMCOUNT, 0, 0)))
            return false;
        LVITEMA state{};
        state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        state.state = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageA(view, LVM_SETITEMSTATE, index, reinterpret_cast<LPARAM>(&state));
        SetFocus(view);
    }
    if (index < 0 || index >= int(g_entries.row_map.size()))
        return false;
    // The view shows the rows' own texts, so they are read from there, whole.
    text = folder_row_text(g_entries, g_rows, index, 0);
    if (index < 10)
        text.erase(0, text.size() >= 2 ? 2 : text.size());
    return true;
}
