// The keyword attach of the list boxes and the keyword dialog that asks for
// a keyword. The dialog hands its input over through the typed text.
#include <windows.h>

#include "app/app_state.h"
#include "app/main_window.h"
#include "app/seams.h"
#include "folder/folder_state.h"
#include "input/menus.h"
#include "lists/list_box_ops.h"
#include "lists/string_lists.h"

namespace {

void take_input(HWND dialog)
{
    // The whole input, however long: the typed text has no length limit.
    g_folder.typed_text = window_text(GetDlgItem(dialog, KEYWORD_INPUT));
}

INT_PTR CALLBACK keyword_dialog_procedure(HWND dialog, UINT message, WPARAM wparam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        SetFocus(GetDlgItem(dialog, KEYWORD_INPUT));
        return FALSE;  // FALSE keeps the focus set here
    case WM_COMMAND:
        if (LOWORD(wparam) == IDOK) {
            take_input(dialog);
            EndDialog(dialog, 1);
        } else if (LOWORD(wparam) == IDCANCEL) {
            EndDialog(dialog, 1);
        }
        return FALSE;
    case WM_CLOSE:
        EndDialog(dialog, 1);
        return TRUE;
    }
    return FALSE;
}

}  // namespace

void keyword_attach(HWND list, const std::string& keyword_in)
{
    std::string raw;
    if (!chosen_entry(list, 0, true, raw))
        return;
    std::string keyword = keyword_in;
    if (keyword.empty()) {
        g_folder.typed_text.clear();
        HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(g_app.main_window, GWLP_HINSTANCE));
        g_seams.dialog_box_param(instance, MAKEINTRESOURCEA(KEYWORD_DIALOG), g_app.main_window,
                                 keyword_dialog_procedure, 0);
        keyword = g_folder.typed_text;
    }
    data_list_attach_keyword(raw, keyword);
}
