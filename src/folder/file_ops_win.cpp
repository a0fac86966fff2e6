// File operations on the window side: the status message, F2's new folder,
// the rename that Enter finishes and the clipboard writer.
#include <windows.h>
#include <commctrl.h>

#include "app/app_state.h"
#include "app/main_window.h"
#include "app/seams.h"
#include "folder/file_ops.h"
#include "folder/folder_ops.h"
#include "folder/folder_state.h"
#include "folder/path_rules.h"

void status_message(std::string_view word, std::string_view path)
{
    std::string text(word);
    text += path;
    text = cut_at_character(text, 511);
    SendMessageA(g_app.status_bar, SB_SETTEXTA, 1, reinterpret_cast<LPARAM>(text.c_str()));
}

void make_folder()
{
    std::string path = new_folder_path(g_folder.current_folder, window_text(g_app.text_box));
    if (!CreateDirectoryA(path.c_str(), nullptr))
        g_seams.message_box(nullptr, "ディレクトリが作成できません", "エラー", MB_OK);
    folder_scan(g_folder.current_folder);
    folder_view_refresh();
}

void rename_finish()
{
    std::string destination;
    if (rename_destination(window_text(g_app.display_box), window_text(g_app.text_box), destination)) {
        // A refused rename leaves everything as it was; the rescan shows it.
        MoveFileA(window_text(g_app.display_box).c_str(), destination.c_str());
        folder_scan(g_folder.current_folder);
        focus_step();
        status_message("", "");
    }
}

void clipboard_put_text(void* owner, std::string_view text)
{
    if (!OpenClipboard(static_cast<HWND>(owner)))
        return;
    EmptyClipboard();
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT | GMEM_DDESHARE, text.size() + 1);
    if (block) {
        char* locked = static_cast<char*>(GlobalLock(block));
        if (locked) {
            memcpy(locked, text.data(), text.size());
            locked[text.size()] = '\0';
            GlobalUnlock(block);
            if (!SetClipboardData(CF_TEXT, block))
                GlobalFree(block);
        } else {
            GlobalFree(block);
        }
    }
    CloseClipboard();
}
