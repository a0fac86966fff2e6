// The keyboard-opened pop-up menus (window capture, stamps, keywords), the
// keyword attach with its dialog, and the handling of dropped files.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "input/menu_rows.h"

// Dialog template of the keyword dialog and its input (nimbrel.rc).
inline constexpr int KEYWORD_DIALOG = 50104;
inline constexpr int KEYWORD_INPUT = 1000;

// Shows a pop-up of the entries (the last one on top, entry i with the
// identifier first_id + i) above the fixed rows of `below`, with its bottom
// edge at the client point of `window` that the low and high words of
// `anchor` give (the lParam of the key message that opened it). Returns the
// identifier chosen, 0 for none.
int popup_menu_choose(HWND window, LPARAM anchor, const std::vector<std::string>& entries, int first_id = 1,
                      const std::vector<MenuRow>& below = {});

// The menu of the window capture list; a choice becomes the text of
// `window` (the text box). True when an entry was chosen.
bool capture_menu(HWND window, LPARAM anchor);
// Ctrl+Z in the text box: capture, menu, and on a choice the folder scan of
// the text box path and a folder view refresh.
void window_capture_key(HWND text_box, LPARAM anchor);
// Ctrl+T: toggles the selected text of the text box as a stamp, or with no
// selection offers the stamps for insertion at the caret.
void stamp_key(HWND window, LPARAM anchor);
// WM_DROPFILES: releases the drop and brings the program forward with the
// focus in the text box. The caller passes the message on afterwards.
void drop_handling(HDROP drop);

// F3 in a list box: the keyword menu, the attach and the list refresh.
void keyword_menu(HWND list, LPARAM anchor);
// Attaches a keyword to the selected entry of the list box (raw text); an
// empty keyword is asked for in the keyword dialog (keyword_dialog_win.cpp).
void keyword_attach(HWND list, const std::string& keyword);
