// stowa's list logic: which folders a pass leaves out, how relative paths
// are spelled, the list file that records what the program folder held at a
// pass, and the item list that a cleanup walk checks against.
//
// Relative paths are Shift-JIS byte texts below the program folder F, written
// without F: a file as data.txt or memo\a.txt, a folder with a trailing
// backslash as memo\ .
#pragma once

#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

// Name of the list file inside a generation folder.
inline constexpr const char* k_list_file_name = "stowa.txt";

// True for a sub-folder name that a pass neither copies nor enters: exactly
// "stowa" or "rstr" (the backup and restore folders, case-sensitive), or a
// name that contains "log" in any letter case (log folders). Only whole
// characters match, so the second byte of a double-byte character never
// counts as the letter l, o or g.
bool is_excluded_folder(std::string_view name);

// The relative path of an entry named `name` inside the folder whose relative
// path is `folder` (empty for F itself, else ending in a backslash).
std::string relative_child(std::string_view folder, std::string_view name);

// The relative path of a sub-folder as the list writes it: with its trailing
// backslash.
std::string relative_folder(std::string_view folder, std::string_view name);

// The item list: the relative paths of a pass in walk order, and a set for
// the exact (case-sensitive, whole text) membership test, so that checking
// every item of a generation stays linear in its size.
struct ItemList {
    std::vector<std::string> items;
    std::unordered_set<std::string> members;

    void clear();
    void add(std::string item);
    bool contains(std::string_view item) const;
};

// The exact bytes of a list file: every item followed by a line feed.
std::string list_file_text(const ItemList& list);

// Fills the list from the bytes of a list file: the text is split at every
// carriage return and line feed, and each non-empty line is added in file
// order. A line is a zero-terminated text, so it ends at a NUL byte; a line
// that is empty up to its NUL is skipped.
void list_file_read(std::string_view bytes, ItemList& list);

// The folders to create, outermost first, so that the parent folder of a
// relative path exists below some base: for memo\sub\a.txt these are memo
// and memo\sub (without trailing backslashes); for the folder path of
// memo\sub (written with its trailing backslash) only memo. A top-level item
// needs none.
std::vector<std::string> parent_folders(std::string_view relative);

// The argument of stowa's command line (the text after the program name):
// when it begins with a double quote, the text up to the next double quote
// without the quotes, else the whole text.
std::string stowa_argument(std::string_view command_line);

// The program folder F of an executable path: the path cut after its last
// real backslash. False, with `folder` untouched, when the path has no
// backslash or is not absolute (a drive path such as C:\ or a UNC path), as
// a folder relative to the current directory would let a pass work on, and
// send to the recycle bin, folders that are not stowa's own.
bool program_folder_of(std::string_view module_path, std::string& folder);
