// The shared key handler: what every control's procedure hands on after its
// own keys. It carries F1, F12, the Ctrl and Alt combinations, Tab, the
// digits, the Ctrl-letter shortcuts and dropped files, then passes the
// message to the control's previous procedure.
#include <windows.h>
#include <commctrl.h>

#include "app/app_state.h"
#include "app/launch.h"
#include "app/main_window.h"
#include "app/seams.h"
#include "app/settings.h"
#include "app/shutdown.h"
#include "app/startup.h"
#include "folder/file_ops.h"
#include "folder/folder_ops.h"
#include "folder/folder_state.h"
#include "input/input_state.h"
#include "input/menus.h"
#include "input/number_box_ops.h"
#include "input/open_row.h"
#include "input/shared_keys.h"
#include "input/subclass.h"
#include "lists/list_box_ops.h"
#include "lists/list_ops.h"
#include "lists/list_state.h"
#include "lists/string_lists.h"

namespace {

ShortcutBuffer g_shortcut;

void browse_recent(int delta)
{
    int index = browse_step(g_cursors.last_recent_index, delta, int(g_lists.recent.size()));
    g_cursors.last_recent_index = index;
    const TextPair visit = g_lists.recent[size_t(index)];  // a copy: the scan may record
    SetWindowTextA(g_app.display_box, visit.first.c_str());
    g_folder.current_folder = visit.first;
    folder_scan(g_folder.current_folder);
    if (!visit.second.empty())
        SetWindowTextA(g_app.text_box, visit.second.c_str());
    folder_view_refresh();
}

void browse_bookmarks(int delta, int rows)
{
    int index = browse_step(g_cursors.last_bookmark_index, delta, rows);
    g_cursors.last_bookmark_index = index;
    SendMessageA(g_app.second_list_box, LB_SETCURSEL, WPARAM(index), 0);
    std::string text;
    if (!selected_entry_text(g_app.second_list_box, 0, text))
        return;
    SetWindowTextA(g_app.display_box, text.c_str());
    SetWindowTextA(g_app.text_box, text.c_str());
    g_folder.current_folder = text;
    second_list_box_fill();
}

void open_browsed_bookmark()
{
    g_cursors.last_bookmark_index = -1;
    copy_text_box_text();
    if (g_folder.typed_text.empty())
        shutdown_routine();
    else
        list_or_launch(g_folder.typed_text);
}

// Returns true when the key-down is consumed.
bool on_key_down(int key, LPARAM lparam)
{
    switch (shared_key_down(key, key_held(VK_CONTROL), key_held(VK_MENU))) {
    case SharedKey::ctrl_down:
        g_shortcut.letters.clear();
        break;
    case SharedKey::level_up:
        ++g_listbox.parent_level;
        list_refresh();
        break;
    case SharedKey::help:
        show_help();
        break;
    case SharedKey::date_filter:
        date_filter_key(key_held(VK_SHIFT), key_held(VK_MENU));
        break;
    case SharedKey::save:
        save_step();
        break;
    case SharedKey::load_all:
        data_files_load();
        g_shortcut.letters.clear();
        break;
    case SharedKey::end_program:
        shutdown_routine();
        break;
    case SharedKey::tab_entry:
        return numbered_entry('1', true);
    case SharedKey::stamp:
        stamp_key(g_app.text_box, lparam);
        break;
    case SharedKey::recent_forward:
    case SharedKey::recent_back:
        if (g_lists.recent.empty())
            return true;
        browse_recent(key == VK_RIGHT ? 1 : -1);
        break;
    case SharedKey::bookmark_back:
    case SharedKey::bookmark_forward:
        if (int rows = int(SendMessageA(g_app.second_list_box, LB_GETCOUNT, 0, 0)); rows > 0)
            browse_bookmarks(key == VK_DOWN ? 1 : -1, rows);
        else
            return true;
        break;
    case SharedKey::none:
        break;
    }
    return false;
}

// The result of a consumed key-up, or nothing to pass it on.
bool on_key_up(int key, LRESULT& result)
{
    if (key_held(VK_CONTROL) && key >= '0' && key <= '9') {
        copy_text_box_text();
        if (numbered_entry(key, false)) {
            result = -1;
            return true;
        }
    } else if (key == '0' && key_held(VK_SHIFT)) {
        numbered_entry('0', false);
        result = -1;
        return true;
    } else if (key == VK_TAB && key_held(VK_MENU)) {
        result = 1;
        return true;
    }
    if (g_cursors.last_bookmark_index >= 0)
        open_browsed_bookmark();
    return false;
}

void shortcut_typing(int character)
{
    shortcut_type(g_shortcut, character);
    if (shortcut_contains(g_shortcut.letters))
        launch_routine(shortcut_lookup(g_shortcut.letters));
}

// Returns true when the character is consumed.
bool on_char(int typed)
{
    const bool ctrl = key_held(VK_CONTROL);
    if (typed == ' ' && ctrl) {
        delete_rows(true);
        SetWindowTextA(g_app.text_box, "");
        return true;
    }
    const int c = digit_form(typed);
    if (c < 0x1D && ctrl) {
        shortcut_typing(c);
        return c != 0x03 && c != 0x16;
    }
    if (c >= '0' && c <= '9' && g_input.input_state == INPUT_NORMAL) {
        copy_text_box_text();
        if (g_input.number_input != 1 && numbered_entry(c, false))
            return true;
    }
    return false;
}

}  // namespace

bool key_held(int key)
{
    return (GetKeyState(key) & 0x8000) != 0;
}

void list_entry_in_text_box(const std::string& entry)
{
    SetWindowTextA(g_app.text_box, entry.c_str());
    folder_scan(entry);
    folder_view_refresh();
    SetFocus(g_app.text_box);
}

void list_or_launch(const std::string& entry)
{
    if (path_kind(entry) == PATH_FOLDER)
        list_entry_in_text_box(entry);
    else
        launch_routine(entry);
}

bool numbered_entry(int digit, bool tab_form)
{
    record_visit(g_folder.current_folder, window_text(g_app.text_box));
    if (tab_form)
        digit = '1';
    if (numbered_control(tab_form, key_held(VK_SHIFT), g_settings.which) == NumberedControl::folder_view) {
        std::string name;
        if (!selected_folder_view_text(digit, name))
            return false;
        open_row(digit == '0' ? 9 : digit - '1');
    } else {
        std::string entry;
        if (!chosen_entry(g_app.list_box, digit, false, entry))
            return false;
        list_or_launch(entry);
    }
    SetWindowTextA(g_app.text_box, g_folder.typed_text.c_str());
    SendMessageA(g_app.text_box, EM_SETSEL, 0, -1);
    return true;
}

void show_help()
{
    std::string text = help_text(g_settings.cmd_f);
    if (g_seams.message_box(nullptr, text.c_str(), "ヘルプ", MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    std::string folder;
    if (executable_folder(folder))
        g_seams.shell_execute(nullptr, "open", (folder + "help\\help.html").c_str(), nullptr, nullptr,
                              SW_SHOWNORMAL);
}

LRESULT shared_key_handler(HWND window, UINT message, WPARAM wparam, LPARAM lparam, WNDPROC previous)
{
    LRESULT result = 0;
    switch (message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        if (on_key_down(int(wparam), lparam))
            return -1;
        break;
    case WM_KEYUP:
        if (on_key_up(int(wparam), result))
            return result;
        break;
    case WM_CHAR:
        if (on_char(int(wparam)))
            return -1;
        break;
    case WM_DROPFILES:
        drop_handling(reinterpret_cast<HDROP>(wparam));
        break;
    case LVM_DELETEALLITEMS:
        return 0;  // the folder view is emptied by its refresh alone
    }
    return CallWindowProcA(previous, window, message, wparam, lparam);
}
