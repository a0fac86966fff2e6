// stowa's passes over the file system: the backup pass that rotates five
// generations below F + "stowa", and the restore pass that rebuilds them below
// F + "rstr". Nothing is written anywhere else.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "backup/backup_list.h"

// The program folder F (with its trailing backslash) from the module file
// name; false when it cannot be determined.
bool stowa_program_folder(std::string& folder);

// One backup pass over F.
void backup_pass(const std::string& folder);

// Rebuilds the five restore generations F + "rstr\1" to "rstr\5".
void restore_pass(const std::string& folder);

// The program: "-r" restores and shows the closing message; anything else
// backs up. Returns the exit code: 0, or 1 when F cannot be determined, in
// which case nothing at all is done.
int stowa_main(std::string_view command_line);

// Shared by both passes.

// The pause after each copy or move, so that a pass does not saturate the
// disk while Nimbrel closes.
void stowa_pause();

// Shell delete to the recycle bin without questions (FOF_SILENT,
// FOF_NOCONFIRMATION, FOF_ALLOWUNDO).
void shell_delete(const std::string& path);

bool path_exists(const std::string& path);

// Reads a whole file opened for reading without sharing; false if it cannot.
bool read_whole_file(const std::string& path, std::string& bytes);

struct FolderEntry {
    std::string name;
    DWORD attributes;
    ULONGLONG size;
    FILETIME write_time;
};

// The entries of a folder (with its trailing backslash) in enumeration
// order, without "." and "..". The enumeration is closed before the caller
// works on any entry, so that moving items out of the folder cannot disturb
// it.
std::vector<FolderEntry> folder_entries(const std::string& folder);

// Listings of folders below a walk's base taken earlier in the same pass, by
// relative path ("" for the base itself).
using KnownListings = std::unordered_map<std::string, std::vector<FolderEntry>>;

// Walks the tree below `base` (a folder with its trailing backslash) depth
// first and calls `check` for every item with its relative path: the
// entries of a folder in enumeration order, a sub-folder (not excluded by
// name) entered at its place and checked itself after its contents, with a
// trailing backslash. `base` itself is never checked. A folder found in
// `known` is walked by that listing instead of being enumerated again; the
// caller vouches that whatever came into it since is an item to keep.
using ItemCheck = std::function<void(const std::string& relative, bool is_folder)>;
void cleanup_walk(const std::string& base, const ItemCheck& check, const KnownListings* known = nullptr);
