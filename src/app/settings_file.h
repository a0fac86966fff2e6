// Reading and writing Nimbrel.ini (settings_win.cpp).
#pragma once

#include <windows.h>

#include <string>

// Reads every key at window creation, in the order of the file.
void settings_load(HWND window);
// The saved folder alone (the clipboard launch before any window exists).
std::string settings_now_dir();

// Writes every key the save step writes, in its order, and on the first save
// of a day today's date as "backup", as one whole new Nimbrel.ini: when the
// file cannot be written completely it stays as it was. After a new date is
// recorded, starts stowa.exe from the executable folder.
void settings_save();

// The keys of the save step, written one by one through the profile routines
// into `file` as it stands; `backup_date` goes in as "backup" unless empty.
// settings_save runs it on a copy of Nimbrel.ini. False if a key could not
// be written.
bool settings_keys_write(const std::string& file, const std::string& backup_date);
