// Process entry and the small operations of start-up that others call.
#pragma once

#include <windows.h>

#include <string>

int nimbrel_main(HINSTANCE instance, const char* command_line);
bool register_main_class(HINSTANCE instance);
HWND create_main_window(HINSTANCE instance);

// The folder of the running executable with its trailing backslash. False
// when the module name cannot be had; callers then write nothing beside it.
bool executable_folder(std::string& folder);
// The clipboard's text; false when it holds none or an empty one.
bool clipboard_text(std::string& text);
// Makes the folder current, or creates it when that fails.
void ensure_folder(const std::string& path);
int run_message_loop();

// Scans the current folder, or the folder written in the text box when the
// current folder is empty (the "clip" start and hand-over).
void scan_current_or_typed_folder();
