// The folder view's procedure: opening rows, moving with a wrap at both ends
// (the focused row's path in the title), selection, renaming, bookmarks,
// the launchers and the path texts of Ctrl+P. Typed letters go on to the
// text box, so filtering continues without leaving the keyboard.
#include <windows.h>
#include <commctrl.h>

#include "app/app_state.h"
#include "app/main_window.h"
#include "folder/entry_table.h"
#include "folder/file_ops.h"
#include "folder/folder_ops.h"
#include "folder/folder_state.h"
#include "folder/path_rules.h"
#include "input/launchers.h"
#include "input/menus.h"
#include "input/number_box_ops.h"
#include "input/open_row.h"
#include "input/shared_keys.h"
#include "input/subclass.h"
#include "input/text_box_keys.h"
#include "lists/list_box_ops.h"
#include "lists/string_lists.h"

namespace {

HWND view()
{
    return g_app.folder_view;
}

int focused_row()
{
    return int(SendMessageA(view(), LVM_GETNEXTITEM, WPARAM(-1), LVNI_FOCUSED));
}

void set_row_state(int row, UINT state, UINT mask)
{
    LVITEMA item{};
    item.state = state;
    item.stateMask = mask;
    SendMessageA(view(), LVM_SETITEMSTATE, WPARAM(row), reinterpret_cast<LPARAM>(&item));
}

void title_to_row(int row)
{
    if (const Entry* e = row_entry(g_entries, row))
        set_title(e->path.c_str());
}

void on_set_focus()
{
    if (SendMessageA(view(), LVM_GETITEMCOUNT, 0, 0) > 0)
        title_to_row(0);
}

// Up and Down; true when the key is consumed after a wrap.
bool move_and_wrap(int key, WPARAM wparam, LPARAM lparam, LRESULT& result)
{
    const int rows = int(SendMessageA(view(), LVM_GETITEMCOUNT, 0, 0));
    const int focused = focused_row();
    if (rows == 0)
        SetFocus(g_app.text_box);
    if (rows > 0 && focused >= 0) {
        const bool down = key == VK_DOWN;
        if ((down && focused == rows - 1) || (!down && focused == 0)) {
            const int to = down ? 0 : rows - 1;
            set_row_state(focused, 0, LVIS_SELECTED);
            set_row_state(to, LVIS_FOCUSED | LVIS_SELECTED, LVIS_FOCUSED | LVIS_SELECTED);
            SendMessageA(view(), LVM_ENSUREVISIBLE, WPARAM(to), FALSE);
            title_to_row(to);
            result = -1;
            return true;
        }
        title_to_row(down ? focused + 1 : focused - 1);
    }
    result = CallWindowProcA(g_app.previous_folder_view, view(), WM_KEYDOWN, wparam, lparam);
    return true;
}

void bookmark_focused_row()
{
    const Entry* e = row_entry(g_entries, focused_row());
    if (!e)
        return;
    std::string path = e->path;
    trailing_separator_strip(path);
    bookmark_add(path);
    second_list_box_fill();
}

void path_to_text_box()
{
    if (const Entry* e = row_entry(g_entries, focused_row())) {
        SetWindowTextA(g_app.text_box, e->path.c_str());
        SetFocus(g_app.text_box);
    }
}

// Returns true when the key-down is consumed; `result` then holds the answer.
bool on_key_down(WPARAM wparam, LPARAM lparam, LRESULT& result)
{
    const int key = int(wparam);
    switch (key) {
    case VK_BACK:
        path_to_text_box();
        return false;
    case VK_RETURN:
        record_visit(g_folder.current_folder, window_text(g_app.text_box));
        open_row(focused_row());
        return false;
    case VK_UP:
    case VK_DOWN:
        return move_and_wrap(key, wparam, lparam, result);
    case VK_ESCAPE:
        SetFocus(g_app.text_box);
        return false;
    case VK_DELETE:
        delete_rows(false);
        return false;
    case VK_SPACE:
        // The list view would toggle the row back on Ctrl+Space: the key
        // stops here, so rows marked in turn add up to a selection.
        if (key_held(VK_CONTROL) && focused_row() >= 0) {
            set_row_state(focused_row(), LVIS_SELECTED, LVIS_SELECTED);
            return true;
        }
        return false;
    case VK_F1:
        show_help();
        result = CallWindowProcA(g_app.previous_folder_view, view(), WM_KEYDOWN, wparam, lparam);
        return true;
    case VK_F2:
        if (focused_row() >= 0)
            start_rename();
        return false;
    case VK_F6:
    case VK_F7:
    case VK_F8:
    case VK_F9:
        launch_from_folder_view(application_key_index(key));
        return false;
    case VK_F10:
        mode_step();
        return false;
    case VK_F11:
        bookmark_focused_row();
        return false;
    case VK_SHIFT:
    case VK_CONTROL:
    case 0xFF:
        return false;
    default:
        SetFocus(g_app.text_box);
        return false;
    }
}

void copy_focused_path(bool name_only)
{
    const Entry* e = row_entry(g_entries, focused_row());
    if (!e)
        return;
    std::string path = e->path;
    trailing_separator_strip(path);
    if (name_only) {
        size_t p = last_separator(path);
        if (p != std::string::npos)
            path.erase(0, p + 1);
    }
    clipboard_put_text(view(), path);
}

// Returns true when the character is consumed.
bool on_char(WPARAM wparam, LPARAM lparam)
{
    const bool ctrl = key_held(VK_CONTROL);
    if (ctrl && (wparam == 0x03 || wparam == 0x18)) {
        start_copy_or_cut(wparam == 0x03 ? TransferKind::copy : TransferKind::cut, SourceOrigin::folder_view);
        return true;
    }
    if (ctrl && wparam == 0x10) {
        copy_focused_path(key_held(VK_SHIFT));
        return true;
    }
    // Ctrl+Space marked the row on its key-down; forwarded, its character
    // would ask to delete every row.
    if (ctrl && wparam == ' ')
        return true;
    if ((wparam >= '0' && wparam <= '9') || wparam == 0x0D || wparam == 0x08)
        return false;
    SendMessageA(g_app.text_box, WM_CHAR, wparam, lparam);
    return true;
}

}  // namespace

LRESULT CALLBACK folder_view_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    LRESULT result = -1;
    switch (message) {
    case WM_SETFOCUS:
        on_set_focus();
        break;
    case WM_KEYDOWN:
        if (on_key_down(wparam, lparam, result))
            return result;
        break;
    case WM_SYSKEYDOWN:
        if (wparam == VK_F10)
            mode_step();
        break;
    case WM_CHAR:
        if (on_char(wparam, lparam))
            return -1;
        break;
    }
    return shared_key_handler(window, message, wparam, lparam, g_app.previous_folder_view);
}
