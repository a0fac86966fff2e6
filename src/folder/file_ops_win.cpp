// File operations on the window side: the status message, F2's new folder,
// the rename that Enter finishes and the clipboard writer.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <vector>

#include "app/app_state.h"
#include "app/main_window.h"
#include "app/seams.h"
#include "folder/file_ops.h"
#include "folder/folder_ops.h"
#include "folder/folder_state.h"
#include "folder/path_list.h"
#include "folder/path_rules.h"
#include "folder/entry_table.h"
#include "input/input_state.h"
#include "lists/list_box_ops.h"
#include "lists/string_lists.h"

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

namespace {

bool ask(const char* question, const char* caption)
{
    return g_seams.message_box(nullptr, question, caption, MB_YESNO | MB_ICONQUESTION) == IDYES;
}

// The folder view rows, every one or the selected ones, in row order.
std::vector<std::string_view> row_paths(bool selected_only)
{
    std::vector<std::string_view> paths;
    const int rows = int(SendMessageA(g_app.folder_view, LVM_GETITEMCOUNT, 0, 0));
    for (int r = 0; r < rows; ++r) {
        if (selected_only && !(SendMessageA(g_app.folder_view, LVM_GETITEMSTATE, r, LVIS_SELECTED) & LVIS_SELECTED))
            continue;
        // A whole drive (the drive list) is never copied, moved or deleted.
        if (const Entry* e = row_entry(g_entries, r); e && !is_drive_root(e->path))
            paths.push_back(e->path);
    }
    return paths;
}

bool exists(const std::string& list)
{
    return !list.empty() && path_kind(first_path(list)) != PATH_NONE;
}

void go_to_current_folder()
{
    folder_scan(g_folder.current_folder);
    focus_step();
}

// Copies or moves the sources into the destination through the shell.
void perform_transfer(const std::string& sources, std::string destination, TransferKind kind)
{
    // An empty list must never reach the shell: it would act on other items.
    if (sources.empty())
        return;
    const bool copy = kind == TransferKind::copy;
    if (g_pending.operation == PENDING_DESTINATION &&
        !ask(copy ? "コピーしますか？" : "切り取りますか？", copy ? "ファイルコピー" : "ファイル切り取り"))
        return;
    // A destination that no longer exists is ignored: the shell would make
    // a file of that name.
    if (path_kind(destination) == PATH_NONE)
        return;
    trailing_separator_strip(destination);
    const std::string to = shell_path_list({destination});
    if (to.empty())
        return;
    SHFILEOPSTRUCTA op{};
    op.hwnd = g_app.main_window;
    op.wFunc = copy ? FO_COPY : FO_MOVE;
    op.pFrom = sources.c_str();
    op.pTo = to.c_str();
    op.fFlags = renames_on_collision(destination, sources) ? FOF_RENAMEONCOLLISION : 0;
    if (g_seams.file_operation(&op) != 0)
        return;  // the shell has shown its own error; nothing changes here
    if (!copy && g_pending.operation != PENDING_DESTINATION) {
        pending_drop();
        status_message("", "");
    }
    go_to_current_folder();
}

std::string sources_of(SourceOrigin origin, void* list)
{
    if (origin != SourceOrigin::list_box)
        return shell_path_list(row_paths(origin == SourceOrigin::folder_view));
    std::string target;
    if (!chosen_entry(static_cast<HWND>(list), 0, false, target) || target.empty() || is_drive_root(target))
        return std::string();
    clipboard_put_text(g_app.main_window, target);
    return shell_path_list({target});
}

}  // namespace

void start_copy_or_cut(TransferKind kind, SourceOrigin origin, void* list)
{
    if (g_pending.operation == PENDING_DESTINATION) {
        std::string sources = sources_of(origin, list);
        if (exists(sources))
            perform_transfer(sources, g_pending.paths, kind);
        return;
    }
    pending_drop();
    g_pending.paths = sources_of(origin, list);
    if (!exists(g_pending.paths)) {
        pending_drop();
        return;
    }
    g_pending.operation = kind == TransferKind::copy ? PENDING_COPY : PENDING_CUT;
    const std::string first = first_path(g_pending.paths);
    status_message(kind == TransferKind::copy ? "copy:" : "cut:", first);
    data_list_add_line(first);
}

void paste(const std::string& destination)
{
    if (g_input.input_state == INPUT_RENAME || destination.empty() || path_kind(destination) == PATH_NONE)
        return;
    if (g_pending.operation == PENDING_COPY || g_pending.operation == PENDING_CUT) {
        if (g_pending.paths.empty())
            return;
        SetWindowTextA(g_app.text_box, destination.c_str());
        g_folder.current_folder = destination;
        // A copy: a completed move releases the pending paths.
        const std::string sources = g_pending.paths;
        perform_transfer(sources, destination,
                         g_pending.operation == PENDING_COPY ? TransferKind::copy : TransferKind::cut);
        recent_add_line(destination);
        data_list_add_line(destination);
        return;
    }
    if (g_pending.operation == PENDING_DESTINATION && ask("コピー先に移動しますか？", "移動")) {
        SetWindowTextA(g_app.text_box, g_pending.paths.c_str());
        folder_scan(window_text(g_app.text_box));
        return;
    }
    pending_drop();
    g_pending.paths = destination;
    status_message("paste:", destination);
    data_list_add_line(destination);
    g_pending.operation = PENDING_DESTINATION;
}

void delete_rows(bool all_rows)
{
    const std::vector<std::string_view> paths = row_paths(!all_rows);
    // Copies: the scan below replaces the entry table the views point into.
    std::vector<std::string> owned(paths.begin(), paths.end());
    if (!ask(all_rows ? "すべて削除しますか？" : "選択ファイルを削除しますか？", "ファイル削除")) {
        focus_step();
        return;
    }
    for (const std::string& path : owned) {
        const std::string one = shell_path_list({path});
        if (one.empty())
            continue;
        SHFILEOPSTRUCTA op{};
        op.wFunc = FO_DELETE;
        op.pFrom = one.c_str();
        op.fFlags = FOF_SILENT | FOF_NOCONFIRMATION | FOF_ALLOWUNDO;
        g_seams.file_operation(&op);  // one call per path; results are not looked at
    }
    go_to_current_folder();
}

void start_rename()
{
    const int focused = int(SendMessageA(g_app.folder_view, LVM_GETNEXTITEM, WPARAM(-1), LVNI_FOCUSED));
    const Entry* e = row_entry(g_entries, focused);
    if (!e)
        return;
    g_input.input_state = INPUT_RENAME;
    const std::string full = rename_source(e->path);
    SetWindowTextA(g_app.text_box, name_part(full).c_str());
    SetWindowTextA(g_app.display_box, full.c_str());
    SetFocus(g_app.text_box);
    status_message("rename:", full);
}
