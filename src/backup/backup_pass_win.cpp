// The backup pass: rotation of the generations, the copy walk over F and
// the cleanup walk over generation 1.
#include <windows.h>
#include <shellapi.h>

#include <string_view>
#include <unordered_map>
#include <vector>

#include "app/safe_write.h"
#include "app/seams.h"
#include "backup/stowa_win.h"
#include "folder/path_rules.h"

namespace {

bool is_folder(DWORD attributes)
{
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// Last-write times compare as local time to the second.
bool same_local_second(const FILETIME& a, const FILETIME& b)
{
    // Equal times are equal in any time zone; only different ones need the
    // conversion, which costs a time zone look-up each.
    if (a.dwLowDateTime == b.dwLowDateTime && a.dwHighDateTime == b.dwHighDateTime)
        return true;
    FILETIME local_a, local_b;
    SYSTEMTIME sa, sb;
    if (!FileTimeToLocalFileTime(&a, &local_a) || !FileTimeToLocalFileTime(&b, &local_b) ||
        !FileTimeToSystemTime(&local_a, &sa) || !FileTimeToSystemTime(&local_b, &sb))
        return false;
    return sa.wYear == sb.wYear && sa.wMonth == sb.wMonth && sa.wDay == sb.wDay && sa.wHour == sb.wHour &&
           sa.wMinute == sb.wMinute && sa.wSecond == sb.wSecond;
}

struct BackupPass {
    std::string folder;      // F
    std::string backup;      // F + "stowa\"
    std::string generation1; // F + "stowa\1\"
    std::string generation2; // F + "stowa\2\"
    ItemList items;
    // Each mirror folder of generation 1 as the copy walk found it before
    // working on it. Its entries answer the unchanged file test without a
    // look-up per file, and the cleanup walk reuses them: what the copy walk
    // added since is on the list and kept.
    KnownListings mirrors;
};

void create_parent_folders(const std::string& base, const std::string& relative)
{
    for (const std::string& parent : parent_folders(relative))
        CreateDirectoryA((base + parent).c_str(), nullptr);
}

enum class FileState { unchanged, new_file, changed };

// Sizes and times come from folder entries: reading them does not need the
// files opened, so a file that another program holds locked is judged by
// what it is, not taken for an empty file. `listed` is the mirror's entry
// when the listing of its folder holds that exact name; otherwise the system
// looks the name up (ignoring case, as the file system does).
FileState file_state(const FolderEntry& source, const std::string& mirror, const FolderEntry* listed)
{
    DWORD attributes;
    ULONGLONG copy_size;
    FILETIME copy_time;
    if (listed) {
        attributes = listed->attributes;
        copy_size = listed->size;
        copy_time = listed->write_time;
    } else {
        WIN32_FILE_ATTRIBUTE_DATA copy;
        if (!GetFileAttributesExA(mirror.c_str(), GetFileExInfoStandard, &copy))
            return FileState::new_file;
        attributes = copy.dwFileAttributes;
        copy_size = (ULONGLONG(copy.nFileSizeHigh) << 32) | copy.nFileSizeLow;
        copy_time = copy.ftLastWriteTime;
    }
    if (is_folder(attributes))
        return FileState::new_file;
    if (copy_size != source.size)
        return FileState::changed;
    return same_local_second(source.write_time, copy_time) ? FileState::unchanged : FileState::changed;
}

void back_up_file(BackupPass& pass, const std::string& source, const FolderEntry& entry,
                  const FolderEntry* listed, std::string relative)
{
    std::string mirror = pass.generation1 + relative;
    switch (file_state(entry, mirror, listed)) {
    case FileState::unchanged:
        break;
    case FileState::new_file:
        CopyFileA(source.c_str(), mirror.c_str(), TRUE);
        stowa_pause();
        break;
    case FileState::changed: {
        std::string earlier = pass.generation2 + relative;
        create_parent_folders(pass.generation2, relative);
        bool moved = MoveFileA(mirror.c_str(), earlier.c_str()) != 0;
        if (!CopyFileA(source.c_str(), mirror.c_str(), TRUE) && moved) {
            // The source could not be read (locked, vanished): generation 1
            // keeps its earlier copy rather than none.
            MoveFileA(earlier.c_str(), mirror.c_str());
        }
        stowa_pause();
        break;
    }
    }
    pass.items.add(std::move(relative));
}

void copy_walk(BackupPass& pass, const std::string& relative)
{
    std::string here = pass.folder + relative;
    // References into the listings stay valid while the walk adds more
    // (an unordered_map never moves its elements).
    const std::vector<FolderEntry>& mirror =
        pass.mirrors[relative] = folder_entries(pass.generation1 + relative);
    std::unordered_map<std::string_view, const FolderEntry*> mirror_by_name;
    mirror_by_name.reserve(mirror.size());
    for (const FolderEntry& entry : mirror)
        mirror_by_name.emplace(entry.name, &entry);

    for (const FolderEntry& entry : folder_entries(here)) {
        if (is_folder(entry.attributes)) {
            if (is_excluded_folder(entry.name))
                continue;
            std::string child = relative_folder(relative, entry.name);
            CreateDirectoryA((pass.generation1 + child).c_str(), nullptr);
            copy_walk(pass, child);
        } else {
            auto listed = mirror_by_name.find(entry.name);
            back_up_file(pass, here + entry.name, entry, listed == mirror_by_name.end() ? nullptr : listed->second,
                         relative_child(relative, entry.name));
        }
    }
    // A folder's line follows the lines of its contents; F itself has none.
    if (!relative.empty())
        pass.items.add(relative);
}

// Writes the list of generation 1 in one go through the safe write, so that
// the list file is either the whole new list or absent (the rotation moved
// the old one on), never a part that a restore would trust. Generation 1 mirrors F, so any name beside the
// list file may be the mirror copy of a file of F; the temporary file lies
// one level up instead, in the backup folder, which holds only the
// generations and is on the same volume.
void write_list_file(const BackupPass& pass)
{
    safe_write(pass.generation1 + k_list_file_name, list_file_text(pass.items),
               pass.backup + k_list_file_name + ".tmp");
}

// An item of generation 1 that F no longer holds goes to generation 2.
void check_generation1_item(const BackupPass& pass, const std::string& relative, bool folder)
{
    if (pass.items.contains(relative) || relative == k_list_file_name)
        return;
    create_parent_folders(pass.generation2, relative);
    std::string item = pass.generation1 + relative;
    std::string target = pass.generation2 + relative;
    if (folder) {
        // MoveFileA takes folder paths without the trailing backslash.
        item.pop_back();
        target.pop_back();
    }
    if (!MoveFileA(item.c_str(), target.c_str()) && folder && path_exists(target)) {
        // Its removed contents already went to generation 2 and made the
        // folder there: what is left here is an empty folder, merged by
        // removing it (a folder that still holds anything stays).
        RemoveDirectoryA(item.c_str());
    }
    stowa_pause();
}

} // namespace

bool stowa_program_folder(std::string& folder)
{
    std::string path;
    return module_path(path) && program_folder_of(path, folder);
}

void stowa_pause()
{
    Sleep(10);
}

bool path_exists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void shell_delete(const std::string& path)
{
    std::string from = path;
    from.push_back('\0'); // a list of paths ends with an empty one
    SHFILEOPSTRUCTA operation{};
    operation.wFunc = FO_DELETE;
    operation.pFrom = from.c_str();
    operation.fFlags = FOF_SILENT | FOF_NOCONFIRMATION | FOF_ALLOWUNDO;
    g_seams.file_operation(&operation);
}

bool read_whole_file(const std::string& path, std::string& bytes)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    std::string text;
    char chunk[65536];
    DWORD got = 0;
    bool ok = true;
    while ((ok = ReadFile(file, chunk, sizeof chunk, &got, nullptr) != 0) && got > 0)
        text.append(chunk, got);
    CloseHandle(file);
    if (!ok)
        return false;
    bytes = std::move(text);
    return true;
}

std::vector<FolderEntry> folder_entries(const std::string& folder)
{
    std::vector<FolderEntry> entries;
    WIN32_FIND_DATAA found;
    HANDLE find = FindFirstFileA((folder + "*").c_str(), &found);
    if (find == INVALID_HANDLE_VALUE)
        return entries;
    do {
        std::string_view name = found.cFileName;
        if (is_dot_name(name))
            continue;
        entries.push_back(FolderEntry{std::string(name), found.dwFileAttributes,
                                      (ULONGLONG(found.nFileSizeHigh) << 32) | found.nFileSizeLow,
                                      found.ftLastWriteTime});
    } while (FindNextFileA(find, &found));
    FindClose(find);
    return entries;
}

void cleanup_walk(const std::string& base, const ItemCheck& check, const KnownListings* known)
{
    struct Walk {
        const std::string& base;
        const ItemCheck& check;
        const KnownListings* known;
        void folder(const std::string& relative)
        {
            std::vector<FolderEntry> fresh;
            const std::vector<FolderEntry>* entries = nullptr;
            if (known) {
                auto found = known->find(relative);
                if (found != known->end())
                    entries = &found->second;
            }
            if (!entries) {
                fresh = folder_entries(base + relative);
                entries = &fresh;
            }
            for (const FolderEntry& entry : *entries) {
                if (is_folder(entry.attributes)) {
                    if (!is_excluded_folder(entry.name))
                        folder(relative_folder(relative, entry.name));
                } else {
                    check(relative_child(relative, entry.name), false);
                }
            }
            if (!relative.empty())
                check(relative, true);
        }
    };
    Walk{base, check, known}.folder("");
}

void backup_pass(const std::string& folder)
{
    std::string backup = folder + "stowa";
    auto generation = [&](int n) { return backup + "\\" + char('0' + n); };

    // Each creation may fail because the folder exists.
    CreateDirectoryA(backup.c_str(), nullptr);
    CreateDirectoryA(generation(1).c_str(), nullptr);
    // Without generation 1 every copy and move of the pass would fail, each
    // after its pause: nothing to gain from walking F.
    DWORD attributes = GetFileAttributesA(generation(1).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || !is_folder(attributes))
        return;

    // Rotate. A missing generation 5 is not handed to the shell, which would
    // only answer with an error message; missing older generations make their
    // renames fail, which skips them.
    if (path_exists(generation(5)))
        shell_delete(generation(5));
    for (int n = 4; n >= 2; --n)
        MoveFileA(generation(n).c_str(), generation(n + 1).c_str());
    CreateDirectoryA(generation(2).c_str(), nullptr);
    MoveFileA((generation(1) + "\\" + k_list_file_name).c_str(),
              (generation(2) + "\\" + k_list_file_name).c_str());

    BackupPass pass{folder, backup + "\\", generation(1) + "\\", generation(2) + "\\", {}, {}};
    copy_walk(pass, "");
    write_list_file(pass);
    cleanup_walk(
        pass.generation1,
        [&](const std::string& relative, bool is_folder_item) {
            check_generation1_item(pass, relative, is_folder_item);
        },
        &pass.mirrors);
}
