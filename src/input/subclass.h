// Replacement window procedures of the five subclassed controls.
#pragma once

#include <windows.h>

#include <string>

// Subclasses the text box, the list box, the folder view, the number box and
// the second list box, in this order, keeping each replaced procedure.
void subclass_controls();

LRESULT CALLBACK text_box_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
LRESULT CALLBACK list_box_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
LRESULT CALLBACK folder_view_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
LRESULT CALLBACK number_box_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
LRESULT CALLBACK second_list_box_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

// The keys every control shares (shared_keys_win.cpp): consumes its keys,
// hands the rest to the control's previous procedure.
LRESULT shared_key_handler(HWND window, UINT message, WPARAM wparam, LPARAM lparam, WNDPROC previous);

// Enter in a list box (list_box_proc_win.cpp): the chosen entry is listed
// when it is a folder (unless Ctrl is held) or opened. False for no entry.
bool list_entry_open(HWND list, int key);

// True while the key is down (the keyboard state of the message being
// handled).
bool key_held(int key);

// An entry of a list or the text box: a folder is put into the text box and
// listed, with the focus there; anything else is opened.
void list_entry_in_text_box(const std::string& entry);
void list_or_launch(const std::string& entry);
