// One table of function pointers for every call that opens something modal
// or reaches outside the process. The program installs the real calls; the
// Win32 tests replace entries with scripted fakes (answer a question, record
// a launch) and put the real ones back afterwards.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <string>

struct Seams {
    // Full path of the running executable (GetModuleFileNameA). Tests point
    // it at a temporary folder so that every program file lands there.
    bool (*module_file_name)(char* buffer, DWORD size, DWORD* length);
    int (*message_box)(HWND owner, const char* text, const char* caption, UINT type);
    HINSTANCE (*shell_execute)(HWND owner, const char* verb, const char* file,
                               const char* parameters, const char* directory, INT show);
    int (*file_operation)(SHFILEOPSTRUCTA* operation);
    BOOL (*track_popup_menu)(HMENU menu, UINT flags, int x, int y, HWND owner);
    INT_PTR (*dialog_box_param)(HINSTANCE instance, const char* template_name, HWND owner,
                                DLGPROC procedure, LPARAM parameter);
};

extern Seams g_seams;

// The whole module path through g_seams.module_file_name, growing the buffer
// until the name fits. False when the name cannot be had.
bool module_path(std::string& path);

// The real calls, for tests that put them back.
Seams real_seams();
