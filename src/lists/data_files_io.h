// Whole-file reading of the files beside the executable, the load of all
// lists and the data-file half of the save step (Win32 side,
// data_files_win.cpp). Files are written through safe_write (app/safe_write.h).
#pragma once

#include <cstdint>
#include <optional>
#include <string>

// Reads a whole file; nothing when it cannot be opened or read.
std::optional<std::string> whole_file_read(const std::string& path);

// Size of a file; 0 when it does not exist or cannot be asked.
uint64_t file_size_of(const std::string& path);

// Today's local date as YYYYMMDD.
std::string date_stamp_today();

// Load all: clears the reloadable lists and reads today's daily history
// file, bookmark.txt, hanko.txt (only while there are no stamps), ctrl.txt,
// cmd.txt and data.txt (one retry). Does nothing when the executable folder
// cannot be had.
void data_files_load();

// Writes data.txt (with its 512-byte guard), cmd.txt, ctrl.txt, hanko.txt,
// bookmark.txt and today's daily history file, each only when its list is
// not empty and each through the safe write. Writes nothing when the
// executable folder cannot be had.
void data_files_save();

// F5: the data list rebuild against the disk. A target is tested with
// FindFirstFileA as it is (a relative one against the current folder).
bool target_found_on_disk(const std::string& target);
void data_list_rebuild_from_disk();

