// Path lists as the shell's file operations take them: whole paths, each
// ended by a zero byte, the list ended by one more. Built here only.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// The paths after the trailing separator strip, empty ones left out; a
// drive root keeps its backslash ("C:" alone would name the drive's current
// folder). No path gives an empty text, which no caller hands to the shell.
std::string shell_path_list(const std::vector<std::string_view>& paths);

// A drive root: "C:", "C:\" or the drive list's "C:\*".
bool is_drive_root(std::string_view path);

// The first path of a list (or the whole text when it holds no zero byte).
std::string first_path(std::string_view list);

// The shell renames a copy on collision when the destination occurs in the
// first source path (a copy within the same folder).
bool renames_on_collision(std::string_view destination, std::string_view list);

// A row's path for renaming: without its final run of "*" and backslashes
// that are characters of their own (the first byte always stays).
std::string rename_source(std::string_view entry_path);
// The part after the last backslash that is a character of its own.
std::string name_part(std::string_view path);
