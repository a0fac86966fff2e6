// What each key does in the text box, decided from the key, the modifiers
// and the input state alone; text_box_win.cpp carries the actions out.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "input/keys.h"

enum class TextBoxKey {
    none,                // nothing here; the key is passed on
    cancel_clipboard,    // Shift+Esc: drop the pending copy, cut or paste
    escape,              // Esc: step back (see escape_step)
    choose_registration, // F6 to F9 while waiting for the key to register
    make_folder,         // F2
    tree_search,         // F3
    start_registration,  // F4
    rebuild_data_list,   // F5
    launch_application,  // F6 to F9
    mode_step,           // F10
    toggle_addmode,      // Shift+F11
    focus_bookmarks,     // F11
};

// The action of a key-down. Every key except Shift+Esc is passed on after it.
TextBoxKey text_box_key_down(int key, bool shift, int input_state);

// 0 to 3 for F6 to F9, or -1.
int application_key_index(int key);

// Esc without Shift. `text_length` is the length of the text box text.
struct EscapeStep {
    bool stop = false;           // renaming with a new name typed: only empty it
    bool leave_special = false;  // back to state 0, title "Nimbrel", number input off
    bool clear_status = false;   // status part 1 emptied
    bool empty_text = false;
    bool reset_level = false;    // parent level to 0
    bool drive_list = false;     // current folder and display box emptied, drives shown,
                                 // title "Nimbrel", number input off
};
EscapeStep escape_step(int input_state, size_t text_length, int parent_level);

enum class TextBoxKeyUp {
    refresh,     // every other key: the list refresh
    to_folder,   // Down: into the folder view
    to_list,     // Up: into the list box
};
TextBoxKeyUp text_box_key_up(int key);

enum class TextBoxChar {
    none,
    paste,             // Ctrl+V
    copy,              // Ctrl+C
    cut,               // Ctrl+X
    capture,           // Ctrl+Z
    copy_rows,         // Ctrl+P
    parent_edit,       // Backspace
    open_in_explorer,  // Ctrl+Enter (0x0A)
    enter,             // Enter
};
struct CharAction {
    TextBoxChar action = TextBoxChar::none;
    bool consumed = false;
};
CharAction text_box_char(int character, bool ctrl);

// The title shown while the text box holds the application path of F6 to F9.
const char* registration_prompt(int index);

// Enter on a text with an empty folder view: one final "*" is dropped.
std::string enter_target(std::string_view typed);

// Ctrl+Enter: the folder to show. The typed text when it names a folder,
// else the current folder; longer than one byte it loses a final "\*" or
// backslash.
std::string explorer_folder(std::string_view typed, bool typed_is_folder, std::string_view current_folder);

// Ctrl+P: one item per row, each followed by CR LF.
std::string rows_clipboard_text(const std::vector<std::string_view>& items);
