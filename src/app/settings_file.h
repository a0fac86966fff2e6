// Reading and writing Nimbrel.ini (settings_win.cpp).
#pragma once

#include <windows.h>

#include <string>

// Reads every key at window creation, in the order of the file.
void settings_load(HWND window);
// The saved folder alone (the clipboard launch before any window exists).
std::string settings_now_dir();

// Writes every key the save step writes, in its order.
void settings_save();
// Writes today's date as "backup" and starts stowa.exe, once per day.
void daily_backup();
