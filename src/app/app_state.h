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
};

extern AppState g_app;

// Window class of the main window, also the class a second start looks for.
inline constexpr char MAIN_CLASS[] = "Nimbrel";
inline constexpr char MAIN_TITLE[] = "Nimbrel";
// Private message of a second start: the payload is the main window's caption.
inline constexpr UINT HANDOVER_MESSAGE = 0x010A;
// Largest caption the hand-over handler reads (a 512-byte buffer).
inline constexpr size_t HANDOVER_MAX_BYTES = 511;

// Start-up (startup_win.cpp).
int nimbrel_main(HINSTANCE instance, const char* command_line);
bool register_main_class(HINSTANCE instance);
HWND create_main_window(HINSTANCE instance);
bool executable_folder(std::string& folder);
bool clipboard_text(std::string& text);
void ensure_folder(const std::string& path);
int run_message_loop();
int clipboard_launch();

// Main window (main_window_win.cpp).
LRESULT CALLBACK main_window_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
LRESULT layout_controls(HWND window, WPARAM wparam, LPARAM lparam);
void apply_rounded_region(HWND window);
void handover_received(HWND window);

// Ending (shutdown_win.cpp).
void shutdown_routine();
void save_step();

// Control helpers.
std::string window_text(HWND window);
void set_status_text(int part, const char* text);

// Settings, idle watchdog and launch (settings_win.cpp, watchdog_win.cpp,
// launch_win.cpp).
void settings_load(HWND window);
void watchdog_start(HWND window);
// Opens a target through the shell; a result above 32 means it was opened.
INT_PTR launch_routine(const std::string& target, const std::string& parameters);
