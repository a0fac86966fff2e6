#include <windows.h>

#include "app/app_state.h"
#include "app/main_window.h"
#include "lists/text_box_edit.h"

static void text_box_selection(DWORD& start, DWORD& end)
{
    start = 0;
    end = 0;
    SendMessageA(g_app.text_box, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
}

std::string selection_text()
{
    std::string text = window_text(g_app.text_box);
    DWORD start, end;
    text_box_selection(start, end);
    SelectionRange range = selection_range(text, start, end);
    return text.substr(range.start, range.length);
}

void caret_insertion(std::string_view stamp)
{
    DWORD p, e;
    text_box_selection(p, e);
    std::string text = window_text(g_app.text_box);
    size_t at = p < text.size() ? p : text.size();
    std::string inserted = text.substr(0, at);
    inserted += stamp;
    inserted += text.substr(at);
    SetWindowTextA(g_app.text_box, inserted.c_str());
    // Selecting beyond the caret first makes EM_SCROLLCARET bring the text
    // after the insertion into view; then the caret goes right after it.
    SendMessageA(g_app.text_box, EM_SETSEL, p + 100, e + 100);
    SendMessageA(g_app.text_box, EM_SCROLLCARET, 0, 0);
    WPARAM caret = WPARAM(at + stamp.size());
    SendMessageA(g_app.text_box, EM_SETSEL, caret, LPARAM(caret));
}
