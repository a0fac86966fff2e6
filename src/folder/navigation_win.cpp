// Navigation: go to folder, the focus step, select first row, the parent
// path edit behind Backspace and the record visit.
#include <windows.h>
#include <commctrl.h>

#include "app/app_state.h"
#include "app/main_window.h"
#include "folder/folder_ops.h"
#include "folder/folder_state.h"
#include "folder/navigation.h"
#include "folder/path_rules.h"
#include "lists/list_ops.h"
#include "lists/string_lists.h"

static int folder_view_rows()
{
    return int(SendMessageA(g_app.folder_view, LVM_GETITEMCOUNT, 0, 0));
}

static void focus_first_row()
{
    SetFocus(g_app.folder_view);
    LVITEMA state{};
    state.stateMask = LVIS_FOCUSED | LVIS_SELECTED;
    state.state = LVIS_FOCUSED | LVIS_SELECTED;
    SendMessageA(g_app.folder_view, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&state));
}

void go_to_folder(const std::string& folder)
{
    folder_scan(folder);
    focus_step();
}

void go_to_typed_folder()
{
    go_to_folder(window_text(g_app.text_box));
}

void focus_step()
{
    list_refresh();
    if (folder_view_rows() == 0)
        SetFocus(g_app.text_box);
    else
        focus_first_row();
}

void select_first_row()
{
    if (folder_view_rows() == 0)
        list_refresh();
    if (folder_view_rows() > 0)
        focus_first_row();
}

void parent_path_edit()
{
    copy_text_box_text();
    DWORD selection_end = 0;
    SendMessageA(g_app.text_box, EM_GETSEL, 0, reinterpret_cast<LPARAM>(&selection_end));
    if (selection_end != 0)
        return;
    std::string result;
    switch (parent_path_text(g_folder.typed_text, g_folder.current_folder, result)) {
    case PARENT_EDIT_DRIVE_LIST:
        drive_list_fill();
        SetWindowTextA(g_app.text_box, "");
        break;
    case PARENT_EDIT_TEXT:
        SetWindowTextA(g_app.text_box, result.c_str());
        break;
    case PARENT_EDIT_NONE:
        break;
    }
}

void record_visit(const std::string& folder, const std::string& text)
{
    // The text box is read as at most 511 bytes, never cut inside a character.
    recent_record(folder, cut_at_character(text, 511));
}
