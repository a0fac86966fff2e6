// Operations of the folder subsystem that touch windows or the file system.
#pragma once

#include <cstdint>
#include <string>

enum PathKind { PATH_NONE = 0, PATH_FOLDER = 1, PATH_FILE = 2 };

// 0 not found, 1 folder, 2 file. Reads only the first path of a list of
// paths separated by zero bytes; one trailing backslash is ignored.
PathKind path_kind(const std::string& path);

// The typed text takes the whole text box content.
void copy_text_box_text();

// Folder listing. The scan reads one folder (or, with sub_folders, the whole
// tree below it) into the entry table, records it as the current folder and
// empties the text box; it returns the entry count. It does not refresh.
int folder_scan(const std::string& folder, bool sub_folders = false);
// F3: the scan of the current folder with its sub-folders, the typed text put
// back into the text box, and a refresh.
void sub_folder_search();
void folder_view_refresh();
// The entry table holds the drive roots; the folder view is refreshed.
void drive_list_fill();

// Date text of a file, or of a folder given as its pattern (ending in "\*");
// the text is left unchanged when the file or folder cannot be opened.
void file_date_text(const std::string& path, std::string& date);
void folder_date_text(const std::string& pattern, std::string& date);

// Folder sizes: the total of the files below a folder pattern, counting each
// file against the file count limit, which stops the walk once above 0.
int64_t folder_total(const std::string& pattern, int& file_count_limit);

// Text of column 0 of the focused folder view row (or of the row a digit key
// code 47-57 names, which is then selected and focused), without its number.
// False when the row does not exist.
bool selected_folder_view_text(int key, std::string& text);

// Navigation.
void go_to_folder(const std::string& folder);
void go_to_typed_folder();
void focus_step();
void select_first_row();
void parent_path_edit();
void record_visit(const std::string& folder, const std::string& text);




