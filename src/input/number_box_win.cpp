// The number box: the day count of the date filter, committed when the box
// loses the focus; the date filter keys of Ctrl+U and the mode step of F10.
// Unlike the other controls it hands nothing to the shared key handler.
#include <windows.h>

#include "app/app_state.h"
#include "app/main_window.h"
#include "app/seams.h"
#include "app/settings.h"
#include "folder/file_ops.h"
#include "folder/folder_ops.h"
#include "folder/folder_state.h"
#include "input/input_state.h"
#include "input/number_box.h"
#include "input/number_box_ops.h"
#include "input/subclass.h"
#include "lists/list_ops.h"
#include "lists/list_state.h"

namespace {

DateFilter filter_now()
{
    return DateFilter{g_settings.filterdate, g_settings.filterdate2, !g_settings.filter_reversed};
}

void filter_keep(const DateFilter& f)
{
    g_settings.filterdate = f.filterdate;
    g_settings.filterdate2 = f.filterdate2;
    g_settings.filter_reversed = !f.forward;
}

// The folder listed again with the text box text kept.
void rescan_keeping_text()
{
    copy_text_box_text();
    folder_scan(g_folder.current_folder);
    SetWindowTextA(g_app.text_box, g_folder.typed_text.c_str());
    folder_view_refresh();
}

void enter_key()
{
    copy_text_box_text();
    record_visit(g_folder.current_folder, g_folder.typed_text);
    SetFocus(g_app.text_box);  // the loss of focus commits the box
    folder_scan(g_folder.current_folder);
    SetWindowTextA(g_app.text_box, g_folder.typed_text.c_str());
    folder_view_refresh();
}

void escape_key()
{
    number_box_commit();
    SetWindowTextA(g_app.number_box, "");
}

}  // namespace

void number_box_commit()
{
    NumberCommit c = number_commit(window_text(g_app.number_box));
    if (c.set_direction)
        g_settings.filter_reversed = !c.forward;
    if (c.not_a_number) {
        g_seams.message_box(nullptr, c.shown.c_str(), "数字ではありません", MB_OK);
        SetWindowTextA(g_app.number_box, "");
    }
    g_settings.filterdate = c.filterdate;
}

void date_filter_key(bool shift, bool alt)
{
    DateFilter f = filter_now();
    DateFilterResult r = date_filter_keys(f, shift, alt);
    filter_keep(f);
    if (r.focus_number_box) {
        SetFocus(g_app.number_box);
        return;
    }
    if (r.set_box)
        SetWindowTextA(g_app.number_box, r.box.c_str());
    rescan_keeping_text();
}

void mode_step()
{
    ModeStep m = mode_step_after(g_listbox.list_state);
    g_listbox.list_state = m.list_state;
    if (m.refresh_before)
        list_refresh();
    set_title(m.title);
    status_message(m.status, "");
    if (m.number_input >= 0)
        g_input.number_input = m.number_input;
    if (m.refresh_after)
        list_refresh();
}

LRESULT CALLBACK number_box_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    switch (message) {
    case WM_SETFOCUS:
        SendMessageA(window, EM_SETSEL, 0, -1);
        break;
    case WM_KILLFOCUS:
        number_box_commit();
        break;
    case WM_KEYDOWN:
        if (wparam == VK_RETURN) {
            enter_key();
            return -1;
        }
        if (wparam == VK_ESCAPE) {
            escape_key();
            return -1;
        }
        break;
    case WM_CHAR:
        if (wparam == 0x0D || wparam == 0x1B)
            return -1;  // no beep
        break;
    }
    return CallWindowProcA(g_app.previous_number_box, window, message, wparam, lparam);
}
