// Where the child controls go for a given client size. Plain arithmetic with
// no clamping: a client area smaller than the fixed parts gives negative
// widths or heights, which the moves receive as computed.
#pragma once

#include <cstdint>

#include "app/settings.h"

struct Box {
    int x, y, width, height;
};

struct Layout {
    Box display_box, text_box, number_box, folder_view, second_list_box;
};

// W, H: client size of the main window. list_height: the client height of the
// list box after it was moved to height sizeHeight (the system shortens a list
// box to whole items, so the caller reads it back from the control).
Layout layout_below_list(int W, int H, int list_height, int size_width);

// Background colours: the edit brush follows "search"; "which" decides
// whether the list boxes or the folder view get list_color1.
uint32_t edit_background(const Settings& s);
uint32_t list_box_background(const Settings& s);
uint32_t folder_view_background(const Settings& s);
