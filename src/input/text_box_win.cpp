// The text box's replacement procedure: every key of the text box, the input
// state with its prompts, and the list refresh on each key release. What a
// key means is decided in text_box_keys.cpp; the functions here carry it out.
#include <windows.h>
#include <commctrl.h>

#include "app/app_state.h"
#include "app/launch.h"
#include "app/main_window.h"
#include "app/settings.h"
#include "app/shutdown.h"
#include "folder/entry_table.h"
#include "folder/file_ops.h"
#include "folder/folder_ops.h"
#include "folder/folder_state.h"
#include "folder/path_rules.h"
#include "input/input_state.h"
#include "input/launchers.h"
#include "input/menus.h"
#include "input/number_box_ops.h"
#include "input/open_row.h"
#include "input/subclass.h"
#include "input/text_box_keys.h"
#include "lists/data_files_io.h"
#include "lists/list_ops.h"
#include "lists/list_state.h"

namespace {

int folder_view_rows()
{
    return int(SendMessageA(g_app.folder_view, LVM_GETITEMCOUNT, 0, 0));
}

void rest_title()
{
    set_title(MAIN_TITLE);
    g_input.number_input = 0;
}

void cancel_clipboard_operation()
{
    g_listbox.list_state = LIST_DATA;
    pending_drop();
    status_message("", "");
}

// Returns true when the key is consumed.
bool escape_key()
{
    const std::string text = window_text(g_app.text_box);
    EscapeStep step = escape_step(g_input.input_state, text.size(), g_listbox.parent_level);
    if (step.leave_special) {
        rest_title();
        g_input.input_state = INPUT_NORMAL;
    }
    if (step.clear_status)
        status_message("", "");
    if (step.empty_text)
        SetWindowTextA(g_app.text_box, "");
    if (step.stop)
        return true;
    if (step.reset_level)
        g_listbox.parent_level = 0;
    if (step.drive_list) {
        g_folder.current_folder.clear();
        drive_list_fill();
        rest_title();
        SetWindowTextA(g_app.display_box, "");
    }
    return false;
}

void choose_registration(int key)
{
    int index = application_key_index(key);
    SetWindowTextA(g_app.text_box, g_settings.cmd_f[index].c_str());
    set_title(registration_prompt(index));
    g_input.input_state = INPUT_REGISTER_F6 + index;
}

void start_registration()
{
    set_title("キー登録モード　-　F6～F9キーを押して下さい");
    status_message("実行するアプリを設定します", "");
    g_input.input_state = INPUT_WAIT_FOR_KEY;
}

void toggle_addmode()
{
    g_settings.addmode = g_settings.addmode != 0 ? 0 : 1;
    set_status_text(0, g_settings.addmode != 0 ? "並び替え" : "通常");
}

void focus_bookmarks()
{
    if (SendMessageA(g_app.second_list_box, LB_GETCOUNT, 0, 0) > 0) {
        SetFocus(g_app.second_list_box);
        SendMessageA(g_app.second_list_box, LB_SETCURSEL, 0, 0);
    }
}

bool on_key_down(int key)
{
    switch (text_box_key_down(key, key_held(VK_SHIFT), g_input.input_state)) {
    case TextBoxKey::cancel_clipboard:
        cancel_clipboard_operation();
        return true;
    case TextBoxKey::escape:
        return escape_key();
    case TextBoxKey::choose_registration:
        choose_registration(key);
        break;
    case TextBoxKey::make_folder:
        make_folder();
        break;
    case TextBoxKey::tree_search:
        sub_folder_search();
        break;
    case TextBoxKey::start_registration:
        start_registration();
        break;
    case TextBoxKey::rebuild_data_list:
        data_list_rebuild_from_disk();
        break;
    case TextBoxKey::launch_application:
        launch_from_text_box(application_key_index(key));
        break;
    case TextBoxKey::toggle_addmode:
        toggle_addmode();
        break;
    case TextBoxKey::focus_bookmarks:
        focus_bookmarks();
        break;
    case TextBoxKey::mode_step:
        mode_step();
        break;
    case TextBoxKey::none:
        break;
    }
    return false;
}

void on_key_up(int key)
{
    switch (text_box_key_up(key)) {
    case TextBoxKeyUp::to_folder:
        select_first_row();
        break;
    case TextBoxKeyUp::to_list:
        if (SendMessageA(g_app.list_box, LB_GETCOUNT, 0, 0) == 0)
            list_refresh();
        if (int count = int(SendMessageA(g_app.list_box, LB_GETCOUNT, 0, 0)); count > 0) {
            SetFocus(g_app.list_box);
            SendMessageA(g_app.list_box, LB_SETCURSEL, WPARAM(count - 1), 0);
        }
        break;
    case TextBoxKeyUp::refresh:
        list_refresh();
        break;
    }
}

void copy_rows_to_clipboard(bool names)
{
    std::vector<std::string_view> items;
    for (int r = 0; r < int(g_entries.row_map.size()); ++r)
        if (const Entry* e = row_entry(g_entries, r))
            items.push_back(names ? std::string_view(e->name) : std::string_view(e->path));
    clipboard_put_text(g_app.main_window, rows_clipboard_text(items));
}

void open_in_file_manager()
{
    copy_text_box_text();
    if (!key_held(VK_CONTROL))
        return;
    const std::string& typed = g_folder.typed_text;
    std::string folder =
        explorer_folder(typed, !typed.empty() && path_kind(typed) == PATH_FOLDER, g_folder.current_folder);
    if (g_app.launched)
        return;
    if (launch_routine(g_settings.explorerexe, folder) <= 32)
        launch_routine(window_text(g_app.display_box));  // the path whole, never cut
}

void enter_normal()
{
    if (folder_view_rows() > 0) {
        open_row(0);
    } else {
        copy_text_box_text();
        if (g_folder.typed_text.empty()) {
            shutdown_routine();
        } else {
            std::string target = enter_target(g_folder.typed_text);
            g_folder.typed_text = target;
            if (path_kind(target) == PATH_FOLDER) {
                folder_scan(target);
                folder_view_refresh();
            } else {
                launch_routine(target);
            }
        }
    }
    // After an ending the window is gone; nothing is left to focus.
    if (g_listbox.list_state != QUIT_MARKER)
        focus_step();
}

void store_application_path()
{
    copy_text_box_text();
    g_settings.cmd_f[g_input.input_state - INPUT_REGISTER_F6] = g_folder.typed_text;
    set_title("登録しました");
}

void enter_key()
{
    record_visit(g_folder.current_folder, window_text(g_app.text_box));
    const int state = g_input.input_state;
    if (state == INPUT_NORMAL)
        enter_normal();
    else if (registering_application(state))
        store_application_path();
    else if (state == INPUT_RENAME)
        rename_finish();
    status_message("", "");
    g_input.input_state = INPUT_NORMAL;
}

// Returns true when the character is consumed.
bool on_char(int character, LPARAM lparam)
{
    CharAction action = text_box_char(character, key_held(VK_CONTROL));
    switch (action.action) {
    case TextBoxChar::copy_rows:
        copy_rows_to_clipboard(key_held(VK_SHIFT));
        break;
    case TextBoxChar::parent_edit:
        parent_path_edit();
        break;
    case TextBoxChar::open_in_explorer:
        open_in_file_manager();
        break;
    case TextBoxChar::enter:
        enter_key();
        break;
    case TextBoxChar::paste:
        paste(window_text(g_app.display_box));
        break;
    case TextBoxChar::copy:
    case TextBoxChar::cut:
        start_copy_or_cut(action.action == TextBoxChar::copy ? TransferKind::copy : TransferKind::cut,
                          SourceOrigin::text_box);
        break;
    case TextBoxChar::capture:
        window_capture_key(g_app.text_box, lparam);
        break;
    case TextBoxChar::none:
        break;
    }
    return action.consumed;
}

}  // namespace

LRESULT CALLBACK text_box_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    switch (message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        if (on_key_down(int(wparam)))
            return -1;
        break;
    case WM_KEYUP:
        on_key_up(int(wparam));
        break;
    case WM_CHAR:
        if (on_char(int(wparam), lparam))
            return -1;
        break;
    }
    return shared_key_handler(window, message, wparam, lparam, g_app.previous_text_box);
}
