// Whole-file reading and writing of the files beside the executable, the
// load of all lists and the data-file half of the save step (Win32 side,
// data_files_win.cpp).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Reads a whole file; nothing when it cannot be opened or read.
std::optional<std::string> whole_file_read(const std::string& path);

// Writes a whole file through a temporary file in the same folder, flushed
// and then swapped in one step. On any failure the old file stays whole,
// the temporary file is removed and the result is false.
bool whole_file_write(const std::string& path, std::string_view text);

// Size of a file; 0 when it does not exist or cannot be asked.
uint64_t file_size_of(const std::string& path);

// Today's local date as YYYYMMDD.
std::string date_stamp_today();

// Load all: clears the reloadable lists and reads today's daily history
// file, bookmark.txt, hanko.txt (only while there are no stamps), ctrl.txt,
// cmd.txt and data.txt (one retry).
void data_files_load();

// Writes data.txt (with its 512-byte guard), cmd.txt, ctrl.txt, hanko.txt,
// bookmark.txt and today's daily history file, each only when its list is
// not empty.
void data_files_save();

// F5: the data list rebuild against the disk. A target is tested with
// FindFirstFileA as it is (a relative one against the current folder).
bool target_found_on_disk(const std::string& target);
void data_list_rebuild_from_disk();

// Fault injection for tests: called before each step of a whole-file write
// (0 temporary file created, 1 written, 2 flushed, 3 closed, before the
// swap). `fail` makes the step fail; `die` stops the write at once and
// leaves the disk as a killed process would.
enum class WriteFault { none, fail, die };
extern WriteFault (*g_write_fault)(int step);
