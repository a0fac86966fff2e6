// File operations: the pending copy, cut or paste, the folder made by F2, the
// rename finished by Enter and the texts put on the clipboard.
#pragma once

#include <string>
#include <string_view>

enum : int {
    PENDING_NONE = 0,
    PENDING_CUT = 1,
    PENDING_COPY = 2,
    PENDING_DESTINATION = 99,  // a destination chosen first waits for sources
};

struct PendingOperation {
    int operation = PENDING_NONE;
    std::string paths;  // sources, or the one destination
};

extern PendingOperation g_pending;

// Nothing pending any more, and the paths are released.
void pending_drop();
// The save step: the sources of a copy or cut never pasted are released
// (the pending operation stays, so a later paste does nothing).
void pending_release_unpasted();

// The path of a new folder named `name` in the current folder pattern; with
// a pattern shorter than three bytes the name alone.
std::string new_folder_path(std::string_view current_folder, std::string_view name);

// The path a rename moves `old_path` to: the old path cut after its last
// backslash (the first byte always stays), then the new name. False when the
// old path is two bytes or shorter.
bool rename_destination(std::string_view old_path, std::string_view new_name, std::string& destination);

enum class TransferKind { copy, cut };
enum class SourceOrigin { text_box, folder_view, list_box };

// Window side (file_ops_win.cpp).
// Start copy or cut. text_box: every folder view row; folder_view: the
// selected rows; list_box: the resolved selected entry of `list`, which
// also goes on the clipboard.
void start_copy_or_cut(TransferKind kind, SourceOrigin origin, void* list = nullptr);
// Paste into the destination: the pending sources go there, or it becomes
// the destination that waits for sources.
void paste(const std::string& destination);
// Deletes every folder view row or the selected ones, after the question,
// to the recycle bin.
void delete_rows(bool all_rows);
// F2 in the folder view: the focused row's item is to be renamed.
void start_rename();
// Status part 1: the word directly followed by the path, at most 511 bytes.
void status_message(std::string_view word, std::string_view path);
// F2 in the text box: a folder named by the text box text in the current
// folder; "ディレクトリが作成できません" when it cannot be made; rescanned.
void make_folder();
// Enter while renaming: the item the display box names gets the text box
// text as its name; the folder is rescanned and the focus step follows.
void rename_finish();
// The text as CF_TEXT, owned by the window; nothing when the clipboard
// cannot be opened.
void clipboard_put_text(void* owner, std::string_view text);
