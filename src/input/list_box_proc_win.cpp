// The procedure behind both list boxes: Enter, the arrow keys with their
// wrap, Delete, the function keys, and typed characters, which go on to the
// text box. The two entry points only add their control and its previous
// procedure.
#include <windows.h>

#include "app/app_state.h"
#include "app/launch.h"
#include "app/main_window.h"
#include "folder/file_ops.h"
#include "folder/folder_ops.h"
#include "folder/folder_state.h"
#include "input/input_state.h"
#include "input/launchers.h"
#include "input/menus.h"
#include "input/number_box_ops.h"
#include "input/shared_keys.h"
#include "input/subclass.h"
#include "input/text_box_keys.h"
#include "lists/list_box_ops.h"
#include "lists/list_ops.h"
#include "lists/string_lists.h"

namespace {

int row_count(HWND list)
{
    return int(SendMessageA(list, LB_GETCOUNT, 0, 0));
}

// The entry for this key: resolved to its key unless raw.
bool entry_for(HWND list, int key, bool raw, std::string& text)
{
    return chosen_entry(list, key, raw, text);
}

}  // namespace

bool list_entry_open(HWND list, int key)
{
    record_visit(g_folder.current_folder, window_text(g_app.text_box));
    std::string entry;
    if (!entry_for(list, key, false, entry))
        return false;
    if (key_held(VK_CONTROL))
        launch_routine(entry);  // Ctrl opens a folder with the shell instead
    else
        list_or_launch(entry);
    return true;
}

namespace {

// Up and Down with their wrap; the result when the key is not passed on.
bool arrow_key(HWND list, WNDPROC previous, UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result)
{
    const int rows = row_count(list);
    if (rows == 0) {
        SetFocus(g_app.text_box);
        result = CallWindowProcA(previous, list, message, wparam, lparam);
        return true;
    }
    const int selected = int(SendMessageA(list, LB_GETCURSEL, 0, 0));
    if (wparam == VK_UP && selected == 0) {
        SendMessageA(list, LB_SETCURSEL, WPARAM(rows - 1), 0);
        result = -1;
        return true;
    }
    if (wparam == VK_DOWN && selected == rows - 1) {
        SendMessageA(list, LB_SETCURSEL, 0, 0);
        result = -1;
        return true;
    }
    result = CallWindowProcA(previous, list, message, wparam, lparam);
    return true;
}

void delete_key(HWND list)
{
    std::string entry;
    int selected = int(SendMessageA(list, LB_GETCURSEL, 0, 0));
    if (selected >= 0 && entry_for(list, 0, true, entry)) {
        bool row_goes = true;
        if (list == g_app.list_box)
            row_goes = data_list_remove(entry) == DataRemoveResult::removed;
        else
            bookmark_remove(entry);
        if (row_goes)
            SendMessageA(list, LB_DELETESTRING, WPARAM(selected), 0);
    }
    SetFocus(g_app.text_box);
}

// Returns true when the key-down is consumed; `result` then holds the answer.
bool on_key_down(HWND list, WNDPROC previous, UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result)
{
    const int key = int(wparam);
    std::string entry;
    switch (key) {
    case VK_RETURN:
        result = -1;
        return list_entry_open(list, key);
    case VK_ESCAPE:
        SetFocus(g_app.text_box);
        return false;
    case VK_UP:
    case VK_DOWN:
        return arrow_key(list, previous, message, wparam, lparam, result);
    case VK_DELETE:
        delete_key(list);
        return false;
    case VK_F1:
        show_help();
        result = CallWindowProcA(previous, list, message, wparam, lparam);
        return true;
    case VK_F3:
        keyword_menu(list, lparam);
        result = -1;
        return true;
    case VK_F6:
    case VK_F7:
    case VK_F8:
    case VK_F9:
        if (entry_for(list, key, false, entry))
            launch_from_list_box(application_key_index(key), entry);
        return false;
    case VK_F10:
        mode_step();
        return false;
    case VK_F11:
        if (entry_for(list, key, false, entry))
            list_entry_in_text_box(entry);
        return false;
    case VK_SHIFT:
    case VK_CONTROL:
    case 0x16:
    case 0xFF:
        return false;
    default:
        if (!key_held(VK_CONTROL) && !key_held(VK_SHIFT)) {
            if (entry_for(list, key, false, entry))
                SetWindowTextA(g_app.text_box, entry.c_str());
            SetFocus(g_app.text_box);
        }
        return false;
    }
}

// Returns true when the character is consumed.
bool on_char(HWND list, WPARAM wparam, LPARAM lparam)
{
    const bool ctrl = key_held(VK_CONTROL);
    if (ctrl && (wparam == 0x03 || wparam == 0x18)) {
        if (g_pending.operation == PENDING_DESTINATION && !g_pending.paths.empty()) {
            SetWindowTextA(g_app.text_box, g_pending.paths.c_str());
            g_folder.current_folder = g_pending.paths;
        }
        start_copy_or_cut(wparam == 0x03 ? TransferKind::copy : TransferKind::cut, SourceOrigin::list_box, list);
        return true;
    }
    if (ctrl && wparam == 0x16) {
        std::string entry;
        if (entry_for(list, 0, false, entry))
            paste(entry);
        return true;
    }
    if (wparam == 0x0D)
        return false;
    SendMessageA(g_app.text_box, WM_CHAR, wparam, lparam);
    return true;
}

LRESULT list_procedure(HWND list, UINT message, WPARAM wparam, LPARAM lparam, WNDPROC previous)
{
    LRESULT result = -1;
    switch (message) {
    case WM_KEYDOWN:
        if (on_key_down(list, previous, message, wparam, lparam, result))
            return result;
        break;
    case WM_SYSKEYDOWN:
        if (wparam == VK_F10)
            mode_step();
        break;
    case WM_CHAR:
        if (on_char(list, wparam, lparam))
            return -1;
        break;
    }
    return shared_key_handler(list, message, wparam, lparam, previous);
}

}  // namespace

LRESULT CALLBACK list_box_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    return list_procedure(window, message, wparam, lparam, g_app.previous_list_box);
}

LRESULT CALLBACK second_list_box_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    return list_procedure(window, message, wparam, lparam, g_app.previous_second_list_box);
}
