// Process entry: single instance, hand-over from a second start, the window
// class, the first content and the message loop.
#include <windows.h>
#include <shellapi.h>

#include <vector>

#include "app/app_state.h"
#include "app/main_window.h"
#include "app/startup.h"
#include "app/launch.h"
#include "app/seams.h"
#include "app/settings.h"
#include "folder/folder_ops.h"
#include "folder/folder_state.h"
#include "folder/path_rules.h"
#include "lists/list_ops.h"
#include "lists/list_state.h"

bool executable_folder(std::string& folder)
{
    std::string path;
    if (!module_path(path))
        return false;
    folder = folder_of_module_path(path);
    return true;
}

bool clipboard_text(std::string& text)
{
    if (!OpenClipboard(nullptr))
        return false;
    bool found = false;
    HANDLE data = GetClipboardData(CF_TEXT);
    if (data) {
        const char* locked = static_cast<const char*>(GlobalLock(data));
        if (locked) {
            // The block may lack a terminator; never read past its size.
            SIZE_T size = GlobalSize(data);
            size_t n = 0;
            while (n < size && locked[n] != '\0')
                ++n;
            if (n > 0) {
                text.assign(locked, n);
                found = true;
            }
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return found;
}

void ensure_folder(const std::string& path)
{
    if (!SetCurrentDirectoryA(path.c_str()))
        CreateDirectoryA(path.c_str(), nullptr);
}

bool register_main_class(HINSTANCE instance)
{
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_GLOBALCLASS;
    wc.lpfnWndProc = main_window_procedure;
    wc.hInstance = instance;
    wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(1110));
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<const char*>(IDC_ARROW));
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = MAIN_CLASS;
    return RegisterClassExA(&wc) != 0;
}

HWND create_main_window(HINSTANCE instance)
{
    // No WS_SYSMENU: the caption carries no system menu and no buttons.
    const DWORD style = WS_VISIBLE | WS_CAPTION | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
    return CreateWindowExA(0, MAIN_CLASS, MAIN_TITLE, style, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                           CW_USEDEFAULT, nullptr, nullptr, instance, nullptr);
}

// A second start raises the running window and hands over its command line
// through the caption; SendMessage waits until the first instance is done.
static void second_start(const char* command_line)
{
    HWND running = FindWindowA(MAIN_CLASS, nullptr);
    if (running) {
        if (IsIconic(running))
            ShowWindow(running, SW_RESTORE);
        SetForegroundWindow(GetLastActivePopup(running));
        if (command_line[0] != '\0') {
            SetWindowTextA(running, command_line);
            SendMessageA(running, HANDOVER_MESSAGE, 0, 0);
        }
    }
}

void scan_current_or_typed_folder()
{
    folder_scan(g_folder.current_folder.empty() ? window_text(g_app.text_box) : g_folder.current_folder);
}

static void fill_first_content(const std::string& command_line)
{
    if (command_line.empty()) {
        // The list refresh ends with the folder view refresh, so the view is
        // built once: the start shows what a refresh before it would have.
        if (!g_folder.current_folder.empty()) {
            SetWindowTextA(g_app.text_box, g_folder.current_folder.c_str());
            g_listbox.list_state = LIST_DATA_SCANNED;
            folder_scan(window_text(g_app.text_box));
            if (!g_settings.now_txt.empty())
                SetWindowTextA(g_app.text_box, g_settings.now_txt.c_str());
        } else if (!g_settings.now_txt.empty()) {
            SetWindowTextA(g_app.text_box, g_settings.now_txt.c_str());
        } else {
            drive_list_fill();
        }
        list_refresh();
    } else if (command_line == "clip") {
        // Only reached when the clipboard launch opened nothing.
        scan_current_or_typed_folder();
        std::string clip;
        if (clipboard_text(clip))
            SetWindowTextA(g_app.text_box, clip.c_str());
    } else {
        SetWindowTextA(g_app.text_box, command_line.c_str());
        folder_scan(window_text(g_app.text_box));
        g_listbox.list_state = LIST_DATA_SCANNED;
        list_refresh();
    }
}

int run_message_loop()
{
    MSG msg;
    // The quit marker is tested before every wait, so the loop also ends right
    // after the dispatch in which the shutdown routine ran.
    while (g_listbox.list_state != QUIT_MARKER) {
        BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0 || got == -1)
            break;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}

int nimbrel_main(HINSTANCE instance, const char* command_line)
{
    g_app.instance = instance;
    std::string line = command_line ? command_line : "";

    g_app.mutex = CreateMutexA(nullptr, TRUE, "_フック_Mutex_2_");
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        second_start(line.c_str());
        CloseHandle(g_app.mutex);
        return 0;
    }
    if (!register_main_class(instance))
        return 1;
    // Every file of the program lives beside the executable; without that
    // folder nothing is read or written (the settings keep their defaults).
    std::string folder;
    const bool have_folder = executable_folder(folder);
    if (have_folder)
        g_app.settings_path = folder + "Nimbrel.ini";
    if (line == "clip") {
        // The log folder first, so that a first-ever "clip" start that opens
        // something keeps its log line.
        if (have_folder)
            CreateDirectoryA((folder + "Nimbrellog").c_str(), nullptr);
        if (clipboard_launch() > 32)
            return 0;
    }

    HWND window = create_main_window(instance);
    if (!window)
        return 1;
    g_app.main_window = window;

    if (have_folder) {
        SHFILEINFOA info{};
        if (SHGetFileInfoA(folder.c_str(), 0, &info, sizeof info, SHGFI_ICON | SHGFI_SMALLICON))
            g_app.program_folder_icon = info.hIcon;
        ensure_folder(folder + "recent\\");
    }
    fill_first_content(line);
    if (have_folder)
        CreateDirectoryA((folder + "Nimbrellog").c_str(), nullptr);
    return run_message_loop();
}
