// The folder scan (one folder or a whole tree) into the entry table, the
// drive list, and the date texts gathered while the date filter is on.
#include <windows.h>

#include <vector>

#include "app/app_state.h"
#include "app/seams.h"
#include "app/settings.h"
#include "folder/entry_table.h"
#include "folder/folder_ops.h"
#include "folder/folder_state.h"
#include "folder/name_match.h"
#include "folder/path_rules.h"
#include "lists/list_state.h"

namespace {

// Every 3000 entries the user may stop a long scan; 999 means "stopped".
constexpr int ENTRIES_PER_QUESTION = 3000;
constexpr int SCAN_STOPPED = 999;

struct ScanRun {
    int continue_counter = 1;
    bool sub_folders = false;
    bool dates = false;  // the date filter was on when the scan started
    NamePattern dir_filter;
    NamePattern file_filter;
    bool has_dir_filter = false;
    bool has_file_filter = false;
    std::string caption;            // prefix of the folder being enumerated
    ULONGLONG caption_shown_at = 0;
    bool caption_pending = false;   // the caption lags behind `caption`
};

// An open enumeration of one pattern. The folder validity test reads ahead
// only as far as the first folder after the first entry (an ordinary folder
// lists "." and then ".."), and the listing goes on from there, so each
// folder is enumerated once.
struct Enumeration {
    HANDLE search = INVALID_HANDLE_VALUE;
    std::vector<WIN32_FIND_DATAA> ahead;  // entries read by the validity test
    size_t next_ahead = 0;
    bool more = false;  // the system may still return entries after `ahead`

    ~Enumeration()
    {
        if (search != INVALID_HANDLE_VALUE)
            FindClose(search);
    }

    // A file, a missing folder or a drive that is not ready has no folder
    // after its first entry (or no entry at all).
    bool open_valid_folder(const std::string& pattern)
    {
        WIN32_FIND_DATAA data;
        search = FindFirstFileA(pattern.c_str(), &data);
        if (search == INVALID_HANDLE_VALUE)
            return false;
        ahead.push_back(data);
        while (FindNextFileA(search, &data)) {
            ahead.push_back(data);
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                more = true;
                return true;
            }
        }
        return false;
    }

    const WIN32_FIND_DATAA* next(WIN32_FIND_DATAA& data)
    {
        if (next_ahead < ahead.size())
            return &ahead[next_ahead++];
        if (more && FindNextFileA(search, &data))
            return &data;
        more = false;
        return nullptr;
    }
};

// Setting the caption of a top-level window costs about half a millisecond
// under a window manager; a tree search of thousands of folders shows its
// progress at most every 100 ms and always ends on the last folder.
constexpr ULONGLONG CAPTION_INTERVAL_MS = 100;

void show_progress(const std::string& prefix, ScanRun& run, bool force)
{
    ULONGLONG now = GetTickCount64();
    run.caption = prefix;
    if (force || now - run.caption_shown_at >= CAPTION_INTERVAL_MS) {
        SetWindowTextA(g_app.main_window, prefix.c_str());
        run.caption_shown_at = now;
        run.caption_pending = false;
    } else {
        run.caption_pending = true;
    }
}

void ask_to_continue(ScanRun& run)
{
    if (run.caption_pending)
        show_progress(run.caption, run, true);
    int answer = g_seams.message_box(nullptr, "まだ時間が掛かりますが、続けますか？", "確認", MB_YESNO | MB_ICONQUESTION);
    if (answer == IDYES)
        ++run.continue_counter;
    else
        run.continue_counter = SCAN_STOPPED;
}

void add_entry(std::string name, std::string path, std::string date)
{
    g_entries.entries.push_back(Entry{std::move(name), std::move(path), std::move(date)});
}

// One level of the scan from its pattern on; nested levels of a tree search
// neither record the current folder nor touch the display box.
void scan_level(const std::string& pattern, bool record, ScanRun& run)
{
    Enumeration found;
    if (!found.open_valid_folder(pattern))
        return;
    if (record)
        g_folder.current_folder = pattern;
    std::string prefix = pattern_prefix(pattern);
    show_progress(prefix, run, record);
    if (record)
        SetWindowTextA(g_app.display_box, prefix.c_str());

    WIN32_FIND_DATAA scratch;
    while (const WIN32_FIND_DATAA* data = found.next(scratch)) {
        if (run.continue_counter == SCAN_STOPPED)
            break;
        if (g_entries.entries.size() > size_t(ENTRIES_PER_QUESTION) * size_t(run.continue_counter))
            ask_to_continue(run);
        std::string date;
        if (data->dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            if (is_dot_name(data->cFileName))
                continue;
            if (run.has_dir_filter && !name_pattern_matches(run.dir_filter, data->cFileName))
                continue;
            std::string path = prefix + data->cFileName + "\\*";
            if (run.dates)
                folder_date_text(path, date);
            add_entry(data->cFileName, path, std::move(date));
            if (run.sub_folders)
                scan_level(path, false, run);
        } else {
            if (run.has_file_filter && !name_pattern_matches(run.file_filter, data->cFileName))
                continue;
            std::string path = prefix + data->cFileName;
            if (run.dates)
                file_date_text(path, date);
            add_entry(data->cFileName, std::move(path), std::move(date));
        }
    }
    // Each level ends with an empty text box; emptying an edit control that
    // is already empty would only cost time.
    if (GetWindowTextLengthA(g_app.text_box) != 0)
        SetWindowTextA(g_app.text_box, "");
}

bool date_text_of(HANDLE file, std::string& date)
{
    FILETIME written, local;
    SYSTEMTIME t;
    if (!GetFileTime(file, nullptr, nullptr, &written) || !FileTimeToLocalFileTime(&written, &local) ||
        !FileTimeToSystemTime(&local, &t))
        return false;
    char text[64];
    wsprintfA(text, "%04d/%02d/%02d %02d:%02d:%02d", t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond);
    date = text;
    return true;
}

}  // namespace

void file_date_text(const std::string& path, std::string& date)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    date_text_of(file, date);
    CloseHandle(file);
}

void folder_date_text(const std::string& pattern, std::string& date)
{
    std::string folder = pattern.empty() ? pattern : pattern.substr(0, pattern.size() - 1);
    HANDLE file = CreateFileA(folder.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    date_text_of(file, date);
    CloseHandle(file);
}

int folder_scan(const std::string& folder, bool sub_folders)
{
    entry_table_clear(g_entries);
    g_listbox.parent_level = 0;
    // An empty path names no folder; "\*" would list the root of whatever
    // drive happens to be current, so nothing is scanned and nothing changes.
    if (folder.empty())
        return 0;

    ScanRun run;
    run.sub_folders = sub_folders;
    run.dates = g_settings.filterdate != -1;
    bool word = g_settings.search != 0;
    run.has_dir_filter = !g_settings.filter_dir.empty();
    run.has_file_filter = !g_settings.filter_file.empty();
    run.dir_filter = name_pattern(g_settings.filter_dir, word);
    run.file_filter = name_pattern(g_settings.filter_file, word);

    scan_level(folder_pattern(folder), true, run);
    if (run.caption_pending)
        show_progress(run.caption, run, true);
    entry_order_sort(g_entries.entries);
    return int(g_entries.entries.size());
}

void sub_folder_search()
{
    // With no current folder (the drive list after Escape) there is nothing
    // to search below; the scan then leaves an empty table.
    folder_scan(g_folder.current_folder, true);
    SetWindowTextA(g_app.text_box, g_folder.typed_text.c_str());
    folder_view_refresh();
}

void drive_list_fill()
{
    entry_table_clear(g_entries);
    DWORD length = GetLogicalDriveStringsA(0, nullptr);
    if (length > 0) {
        std::vector<char> roots(size_t(length) + 1, '\0');
        DWORD got = GetLogicalDriveStringsA(length + 1, roots.data());
        if (got > 0 && got <= length) {
            for (const char* root = roots.data(); *root; root += strlen(root) + 1)
                add_entry(root, std::string(root) + "*", std::string());
        }
    }
    folder_view_refresh();
}
