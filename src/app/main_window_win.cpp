// The main window: creation of the seven controls, layout on every resize,
// background colours, the rounded region and the few notifications that the
// window itself turns into actions. Keys are handled by the subclassed
// controls, not here.
#include <windows.h>
#include <commctrl.h>
#include <imm.h>
#include <shellapi.h>

#include "app/app_state.h"
#include "app/main_window.h"
#include "app/startup.h"
#include "app/shutdown.h"
#include "app/launch.h"
#include "app/layout.h"
#include "app/settings.h"
#include "app/settings_file.h"
#include "app/watchdog.h"
#include "folder/folder_ops.h"
#include "folder/folder_state.h"
#include "folder/folder_view.h"
#include "folder/path_rules.h"
#include "input/open_row.h"
#include "input/subclass.h"
#include "lists/list_ops.h"

AppState g_app;

static const char* addmode_word()
{
    return g_settings.addmode != 0 ? "並び替え" : "通常";
}

static HWND create_child(HWND parent, HINSTANCE instance, const char* cls, DWORD style, int x, int y,
                         int w, int h)
{
    // Every child carries control identifier 1.
    return CreateWindowExA(0, cls, "", style, x, y, w, h, parent, reinterpret_cast<HMENU>(1), instance,
                           nullptr);
}

static HFONT create_list_font()
{
    return CreateFontA(14, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FF_ROMAN | DEFAULT_PITCH, "ＭＳ 明朝");
}

static void add_folder_view_columns(HWND view)
{
    for (int i = 0; i < 3; ++i) {
        LVCOLUMNA column{};
        column.mask = LVCF_WIDTH;
        column.cx = 50;
        SendMessageA(view, LVM_INSERTCOLUMNA, i, reinterpret_cast<LPARAM>(&column));
    }
}

static void switch_input_method_off(HWND edit)
{
    HIMC context = ImmGetContext(edit);
    if (context) {
        ImmSetOpenStatus(context, FALSE);
        ImmReleaseContext(edit, context);
    }
}

// Brushes and the folder view colours follow "search" and "which".
static void apply_colours()
{
    g_app.edit_brush = CreateSolidBrush(edit_background(g_settings));
    InvalidateRect(g_app.text_box, nullptr, TRUE);
    g_app.list_brush = CreateSolidBrush(list_box_background(g_settings));
    COLORREF view = folder_view_background(g_settings);
    SendMessageA(g_app.folder_view, LVM_SETBKCOLOR, 0, view);
    SendMessageA(g_app.folder_view, LVM_SETTEXTBKCOLOR, 0, view);
    InvalidateRect(g_app.list_box, nullptr, TRUE);
}

static void on_create(HWND window, const CREATESTRUCTA* create)
{
    HINSTANCE instance = create->hInstance;
    InitCommonControls();
    g_app.unsaved = 1;

    // Without the executable folder the settings path stays empty and the
    // settings keep their defaults: nothing is read from or written to
    // whatever folder happens to be current.
    std::string folder;
    g_app.settings_path = executable_folder(folder) ? folder + "Nimbrel.ini" : std::string();

    g_app.status_bar = CreateStatusWindowA(WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP | CCS_BOTTOM, "", window, 1);
    int edges[2] = {50, -1};
    SendMessageA(g_app.status_bar, SB_SETPARTS, 2, reinterpret_cast<LPARAM>(edges));

    const DWORD child = WS_CHILD | WS_VISIBLE;
    const DWORD list = child | WS_BORDER | WS_VSCROLL | LBS_NOTIFY | LBS_SORT;
    g_app.display_box = create_child(window, instance, "EDIT", child | WS_DISABLED | WS_BORDER, 0, 0, 500, 30);
    g_app.text_box = create_child(window, instance, "EDIT", child | WS_BORDER, 0, 0, 500, 30);
    g_app.number_box = create_child(window, instance, "EDIT", child | WS_BORDER, 0, 0, 500, 30);
    g_app.list_box = create_child(window, instance, "LISTBOX", list, 0, 30, 500, 200);
    g_app.second_list_box = create_child(window, instance, "LISTBOX", list, 0, 30, 500, 200);
    g_app.folder_view = create_child(window, instance, WC_LISTVIEWA,
                                     child | LVS_REPORT | LVS_NOCOLUMNHEADER | LVS_OWNERDATA, 0, 0, 10, 10);

    g_app.list_font = create_list_font();
    SendMessageA(g_app.list_box, WM_SETFONT, reinterpret_cast<WPARAM>(g_app.list_font), TRUE);
    SendMessageA(g_app.second_list_box, WM_SETFONT, reinterpret_cast<WPARAM>(g_app.list_font), TRUE);

    add_folder_view_columns(g_app.folder_view);

    DragAcceptFiles(g_app.text_box, TRUE);
    DragAcceptFiles(g_app.list_box, TRUE);
    DragAcceptFiles(g_app.second_list_box, TRUE);
    DragAcceptFiles(g_app.folder_view, TRUE);

    subclass_controls();

    SendMessageA(g_app.text_box, EM_LIMITTEXT, 0, 0);

    data_files_load();
    settings_load(window);
    switch_input_method_off(g_app.text_box);
    watchdog_start(window);

    SendMessageA(g_app.status_bar, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(addmode_word()));
    apply_colours();

    SetFocus(g_app.text_box);
    SetForegroundWindow(window);
    apply_rounded_region(window);
}

static void move(HWND control, const Box& b)
{
    MoveWindow(control, b.x, b.y, b.width, b.height, TRUE);
}

LRESULT layout_controls(HWND window, WPARAM wparam, LPARAM lparam)
{
    RECT client;
    GetClientRect(window, &client);
    int W = client.right - client.left;
    int H = client.bottom - client.top;

    MoveWindow(g_app.list_box, 0, 0, W, g_settings.size_height, TRUE);
    RECT list;
    GetClientRect(g_app.list_box, &list);  // shortened to whole items, border not counted
    Layout l = layout_below_list(W, H, list.bottom - list.top, g_settings.size_width);
    move(g_app.display_box, l.display_box);
    move(g_app.text_box, l.text_box);
    move(g_app.number_box, l.number_box);
    move(g_app.folder_view, l.folder_view);
    move(g_app.second_list_box, l.second_list_box);

    SendMessageA(g_app.status_bar, WM_SIZE, wparam, lparam);
    apply_rounded_region(window);
    return 1;
}

void apply_rounded_region(HWND window)
{
    RECT r;
    GetWindowRect(window, &r);
    // The region is in window coordinates; the system owns it after the call.
    HRGN region = CreateRoundRectRgn(0, 0, r.right - r.left, r.bottom - r.top, 20, 20);
    SetWindowRgn(window, region, TRUE);
}

std::string window_text(HWND window)
{
    int length = GetWindowTextLengthA(window);
    if (length <= 0)
        return std::string();
    std::string text(size_t(length) + 1, '\0');
    int got = GetWindowTextA(window, text.data(), length + 1);
    text.resize(got > 0 ? size_t(got) : 0);
    return text;
}

void set_title(const char* text)
{
    SetWindowTextA(g_app.main_window, text);
}

void set_status_text(int part, const char* text)
{
    SendMessageA(g_app.status_bar, SB_SETTEXTA, part, reinterpret_cast<LPARAM>(text));
}

// A second start put its command line into our caption and sent the
// hand-over message; take it over as if it had been typed.
void handover_received(HWND window)
{
    std::string caption = cut_at_character(window_text(window), HANDOVER_MAX_BYTES);
    SetWindowTextA(g_app.text_box, caption.c_str());
    copy_text_box_text();
    if (g_folder.typed_text.empty()) {
        shutdown_routine();
        return;
    }
    if (g_folder.typed_text == "clip") {
        if (clipboard_launch() > 32) {
            shutdown_routine();
            return;
        }
        scan_current_or_typed_folder();
        std::string clip;
        if (clipboard_text(clip))
            SetWindowTextA(g_app.text_box, clip.c_str());
        return;
    }
    folder_scan(window_text(g_app.text_box));
    folder_view_refresh();
    list_refresh();
    SetFocus(g_app.text_box);
}

// A double-click reported by the folder view (or the status bar) opens the
// focused row. Returns false when the focused index lies past the last row,
// which the window answers with 0.
static bool on_double_click_notify()
{
    int focused = int(SendMessageA(g_app.folder_view, LVM_GETNEXTITEM, WPARAM(-1), LVNI_FOCUSED));
    int count = int(SendMessageA(g_app.folder_view, LVM_GETITEMCOUNT, 0, 0));
    if (focused >= count)
        return false;
    if (focused >= 0)
        open_row(focused);
    return true;
}

// The virtual folder view asks for its texts and images and for the row its
// type-ahead looks for; a double-click opens the focused row.
static LRESULT on_notify(HWND window, WPARAM wparam, NMHDR* header)
{
    const bool from_view = header->hwndFrom == g_app.folder_view;
    switch (header->code) {
    case LVN_GETDISPINFOA:
        if (from_view)
            folder_view_display_info(*reinterpret_cast<NMLVDISPINFOA*>(header));
        return 0;
    case LVN_GETDISPINFOW:
        if (from_view)
            folder_view_display_info(*reinterpret_cast<NMLVDISPINFOW*>(header));
        return 0;
    case LVN_ODFINDITEMA:
        return from_view ? folder_view_find_row(*reinterpret_cast<NMLVFINDITEMA*>(header)) : -1;
    case LVN_ODFINDITEMW:
        return from_view ? folder_view_find_row(*reinterpret_cast<NMLVFINDITEMW*>(header)) : -1;
    case NM_DBLCLK:
        if (!on_double_click_notify())
            return 0;
        break;
    }
    return DefWindowProcA(window, WM_NOTIFY, wparam, reinterpret_cast<LPARAM>(header));
}

static void on_list_double_click()
{
    record_visit(g_folder.current_folder, window_text(g_app.text_box));
    std::string target;
    if (!entry_target(selected_entry_text(g_app.list_box), target) || target.empty())
        return;
    list_or_launch(target);
}

LRESULT CALLBACK main_window_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    switch (message) {
    case WM_CREATE:
        on_create(window, reinterpret_cast<const CREATESTRUCTA*>(lparam));
        break;
    case WM_DESTROY:
        shutdown_routine();
        PostQuitMessage(0);
        break;
    case WM_SIZE:
        layout_controls(window, wparam, lparam);
        break;
    case WM_SETFOCUS:
        SetFocus(g_app.text_box);
        break;
    case WM_NOTIFY:
        if (lparam)
            return on_notify(window, wparam, reinterpret_cast<NMHDR*>(lparam));
        break;
    case HANDOVER_MESSAGE:
        handover_received(window);
        break;
    case IDLE_END_MESSAGE:
        idle_limit_reached(uintptr_t(wparam));
        break;
    case WM_COMMAND:
        // Every child has identifier 1: the sending window tells the lists apart.
        if (HIWORD(wparam) == LBN_DBLCLK) {
            if (reinterpret_cast<HWND>(lparam) == g_app.second_list_box)
                list_entry_open(g_app.second_list_box, 0);
            else
                on_list_double_click();
        }
        return 0;
    case WM_CTLCOLOREDIT:
        SetBkMode(reinterpret_cast<HDC>(wparam), TRANSPARENT);
        SetBkColor(reinterpret_cast<HDC>(wparam), 0xC0C0C0);
        return reinterpret_cast<LRESULT>(g_app.edit_brush);
    case WM_CTLCOLORLISTBOX:
        SetBkMode(reinterpret_cast<HDC>(wparam), TRANSPARENT);
        SetBkColor(reinterpret_cast<HDC>(wparam), 0xC0C0C0);
        return reinterpret_cast<LRESULT>(g_app.list_brush);
    }
    return DefWindowProcA(window, message, wparam, lparam);
}
