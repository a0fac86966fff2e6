// The writing half of the settings file (settings_win.cpp); the reading half
// is settings_load, declared with the window operations in app_state.h.
#pragma once

#include <string>

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
