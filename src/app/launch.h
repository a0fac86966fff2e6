// The one way the program opens something for the user: the launch routine
// with its day's log, and the windowless clipboard launch of a "clip" start.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

// Opens a target through the shell; a result above 32 means it was opened,
// which adds the opened text to the data list and ends the program. An empty
// target does nothing and returns 0.
INT_PTR launch_routine(const std::string& target, const std::string& parameters = std::string());

// Appends text to a file opened without sharing; nothing when it cannot be
// opened.
void log_append(const std::string& path, std::string_view text);

// Matches the clipboard text against the data list, then against the saved
// folder; opens a single hit. The launch result, or -1 when nothing opened.
INT_PTR clipboard_launch();
