// The pop-up menus and the drop handling. Every menu is built the same way:
// a pop-up under the item "def" of an outer menu that is never shown, filled
// by inserting each row at the top, shown through the seam table with the
// command returned, then destroyed.
#include <windows.h>
#include <shellapi.h>

#include "app/app_state.h"
#include "app/main_window.h"
#include "app/seams.h"
#include "folder/folder_ops.h"
#include "folder/window_capture.h"
#include "input/menus.h"
#include "lists/list_ops.h"
#include "lists/string_lists.h"
#include "lists/text_box_edit.h"

int popup_menu_choose(HWND window, LPARAM anchor, const std::vector<std::string>& entries, int first_id,
                      const std::vector<MenuRow>& below)
{
    HMENU outer = CreateMenu();
    HMENU popup = CreatePopupMenu();
    InsertMenuA(outer, 0, MF_BYPOSITION | MF_STRING | MF_POPUP, reinterpret_cast<UINT_PTR>(popup), "def");
    const std::vector<MenuRow> rows = popup_menu_rows(entries, first_id, below);
    for (auto row = rows.rbegin(); row != rows.rend(); ++row)
        InsertMenuA(popup, 0, MF_BYPOSITION | MF_STRING, UINT_PTR(row->id), row->text.c_str());

    POINT at{LOWORD(anchor), HIWORD(anchor)};
    ClientToScreen(window, &at);
    // With TPM_RETURNCMD the call returns the identifier instead of sending
    // WM_COMMAND; 0 when the menu was closed without a choice.
    int chosen = int(g_seams.track_popup_menu(popup, TPM_RETURNCMD | TPM_BOTTOMALIGN, at.x, at.y, window));

    // Detached first, so that destroying the outer menu does not destroy the
    // pop-up a second time.
    RemoveMenu(outer, 0, MF_BYPOSITION);
    DestroyMenu(popup);
    DestroyMenu(outer);
    return chosen;
}

bool capture_menu(HWND window, LPARAM anchor)
{
    int chosen = popup_menu_choose(window, anchor, g_capture.paths);
    if (chosen < 1 || size_t(chosen) > g_capture.paths.size())
        return false;
    SetWindowTextA(window, g_capture.paths[size_t(chosen) - 1].c_str());
    return true;
}

void window_capture_key(HWND text_box, LPARAM anchor)
{
    window_capture_fill();
    if (!capture_menu(text_box, anchor))
        return;
    folder_scan(window_text(text_box));
    folder_view_refresh();
}

void stamp_key(HWND window, LPARAM anchor)
{
    const std::string selected = selection_text();
    DWORD start = 0;
    SendMessageA(g_app.text_box, EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
    SendMessageA(g_app.text_box, EM_SETSEL, start, LPARAM(start));
    if (!selected.empty()) {
        if (stamp_contains(selected))
            stamp_remove(selected);
        else
            stamp_add(selected);
        return;
    }
    if (g_lists.stamps.empty())
        return;
    int chosen = popup_menu_choose(window, anchor, g_lists.stamps);
    if (chosen >= 1 && size_t(chosen) <= g_lists.stamps.size())
        caret_insertion(std::string(g_lists.stamps[size_t(chosen) - 1]));
}

void drop_handling(HDROP drop)
{
    DragFinish(drop);
    // GetLastActivePopup gives the window itself when it has no pop-up.
    HWND front = GetLastActivePopup(g_app.main_window);
    SetForegroundWindow(front ? front : g_app.main_window);
    SetFocus(g_app.text_box);
}

void keyword_menu(HWND list, LPARAM anchor)
{
    int chosen = popup_menu_choose(list, anchor, g_lists.keywords, KEYWORD_MENU_FIRST, keyword_menu_below());
    if (chosen == KEYWORD_MENU_NEW) {
        keyword_attach(list, std::string());
    } else if (chosen >= KEYWORD_MENU_FIRST && size_t(chosen - KEYWORD_MENU_FIRST) < g_lists.keywords.size()) {
        keyword_attach(list, g_lists.keywords[size_t(chosen - KEYWORD_MENU_FIRST)]);
    } else {
        return;
    }
    list_refresh();
}
