// The list box presentation on the window side: fills of the two list boxes,
// the list refresh, and reading a chosen entry back out of a list box.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

// Fills the list box from position `start` (0 empties it first) with the
// entries that pass the filters, in the plain or the parent view by the
// parent level; returns the next free position.
int list_box_fill(int start, const std::vector<std::string_view>& entries);

// The passing bookmarks, in list order, unnumbered, without the folder filter.
void second_list_box_fill();

// Text of the entry at the selection of a list box, or at the row a digit key
// code (47-57) names in the list box; without its number. False for no row.
bool selected_entry_text(HWND list, int key, std::string& text);

// The selected entry text passed through the entry target unless raw.
bool chosen_entry(HWND list, int key, bool raw, std::string& text);

