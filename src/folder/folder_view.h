// The folder view is a virtual list view: it keeps a row count, selection
// and focus, and asks its parent for every text and image it shows. The
// main window passes those questions on to these.
#pragma once

#include <windows.h>
#include <commctrl.h>

// LVN_GETDISPINFOA / W: the text of the asked cell and the row's image.
void folder_view_display_info(NMLVDISPINFOA& info);
void folder_view_display_info(NMLVDISPINFOW& info);

// LVN_ODFINDITEMA / W: the row the type-ahead looks for, or -1.
int folder_view_find_row(const NMLVFINDITEMA& find);
int folder_view_find_row(const NMLVFINDITEMW& find);
