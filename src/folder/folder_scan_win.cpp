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
};

bool is_dot_name(const char* name)
{
    return (name[0] == '.' && name[1] == '\0') || (name[0] == '.' && name[1] == '.' && name[2] == '\0');
}

// Reads the whole enumeration of a pattern at once. The folder validity test
// and the listing then look at the same entries, so each folder is opened
// once rather than twice.
bool enumerate(const std::string& pattern, std::vector<WIN32_FIND_DATAA>& found)
{
    found.clear();
    WIN32_FIND_DATAA data;
    HANDLE search = FindFirstFileA(pattern.c_str(), &data);
    if (search == INVALID_HANDLE_VALUE)
        return false;
    do
        found.push_back(data);
    while (FindNextFileA(search, &data));
    FindClose(search);
    return true;
}

// An ordinary folder lists "." first and ".." after it; a file, a missing
// folder or a drive that is not ready has no folder after the first entry.
bool folder_is_valid(const std::vector<WIN32_FIND_DATAA>& found)
{
    for (size_t i = 1; i < found.size(); ++i)
        if (found[i].dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            return true;
    return false;
}

void ask_to_continue(ScanRun& run)
{
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
    std::vector<WIN32_FIND_DATAA> found;
    if (!enumerate(pattern, found) || !folder_is_valid(found))
        return;
    if (record)
        g_folder.current_folder = pattern;
    std::string prefix = pattern_prefix(pattern);
    SetWindowTextA(g_app.main_window, prefix.c_str());
    if (record)
        SetWindowTextA(g_app.display_box, prefix.c_str());

    for (const WIN32_FIND_DATAA& data : found) {
        if (run.continue_counter == SCAN_STOPPED)
            break;
        if (g_entries.entries.size() > size_t(ENTRIES_PER_QUESTION) * size_t(run.continue_counter))
            ask_to_continue(run);
        std::string date;
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            if (is_dot_name(data.cFileName))
                continue;
            if (run.has_dir_filter && !name_pattern_matches(run.dir_filter, data.cFileName))
                continue;
            std::string path = prefix + data.cFileName + "\\*";
            if (run.dates)
                folder_date_text(path, date);
            add_entry(data.cFileName, path, std::move(date));
            if (run.sub_folders)
                scan_level(path, false, run);
        } else {
            if (run.has_file_filter && !name_pattern_matches(run.file_filter, data.cFileName))
                continue;
            std::string path = prefix + data.cFileName;
            if (run.dates)
                file_date_text(path, date);
            add_entry(data.cFileName, std::move(path), std::move(date));
        }
    }
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
    g_entries.entries.clear();
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
    g_entries.entries.clear();
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
