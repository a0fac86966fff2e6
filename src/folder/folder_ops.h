// Operations of the folder subsystem that touch windows or the file system.
#pragma once

#include <string>

enum PathKind { PATH_NONE = 0, PATH_FOLDER = 1, PATH_FILE = 2 };

// 0 not found, 1 folder, 2 file. Reads only the first path of a list of
// paths separated by zero bytes; one trailing backslash is ignored.
PathKind path_kind(const std::string& path);

// The typed text takes the whole text box content.
void copy_text_box_text();

// Folder listing and navigation.
void folder_scan(const std::string& folder);
void folder_view_refresh();
void drive_list_fill();
void record_visit(const std::string& folder, const std::string& text);
void open_row(int row);

// Scans the current folder, or the folder written in the text box when the
// current folder is empty (the "clip" start and hand-over).
void scan_current_or_typed_folder();
