// The writing half of the settings file (settings_win.cpp); the reading half
// is settings_load, declared with the window operations in app_state.h.
#pragma once

// Writes every key the save step writes, in its order.
void settings_save();
// Writes today's date as "backup" and starts stowa.exe, once per day.
void daily_backup();
