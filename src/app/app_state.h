// State of the application shell: the main window, its seven controls, the
// replaced window procedures of the subclassed controls, the paths beside
// the executable and the drawing objects made once at creation.
#pragma once

#include <windows.h>

#include <atomic>
#include <string>

struct AppState {
    HINSTANCE instance = nullptr;
    HANDLE mutex = nullptr;   // single-instance mutex, held until the process ends
    HWND main_window = nullptr;  // stored only after creation returns

    HWND status_bar = nullptr;
    HWND display_box = nullptr;
    HWND text_box = nullptr;
    HWND number_box = nullptr;
    HWND list_box = nullptr;
    HWND second_list_box = nullptr;
    HWND folder_view = nullptr;

    // Procedures replaced by subclassing; unhandled messages go to them.
    WNDPROC previous_text_box = nullptr;
    WNDPROC previous_list_box = nullptr;
    WNDPROC previous_folder_view = nullptr;
    WNDPROC previous_number_box = nullptr;
    WNDPROC previous_second_list_box = nullptr;

    std::string settings_path;  // executable folder + "Nimbrel.ini"
    HICON program_folder_icon = nullptr;
    HFONT list_font = nullptr;
    HBRUSH edit_brush = nullptr;
    HBRUSH list_brush = nullptr;

    // 1 from window creation until the shutdown routine has saved.
    std::atomic<int> unsaved{0};
    // Set by the first ending, so that two endings at the same moment save once.
    std::atomic<bool> ending{false};

    // Set by every open that reaches the shell, whether it succeeds or not.
    bool launched = false;
};

extern AppState g_app;
