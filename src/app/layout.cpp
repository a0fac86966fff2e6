#include "app/layout.h"

Layout layout_below_list(int W, int H, int LH, int size_width)
{
    Layout l;
    l.display_box = {0, LH, W, 20};
    // The number box overlaps the text box's last pixel column (W - 39 wide,
    // number box at W - 40); kept so that the two borders meet in one line.
    l.text_box = {0, LH + 20, W - 39, 20};
    l.number_box = {W - 40, LH + 20, 40, 20};
    l.folder_view = {0, LH + 40, W - size_width, H - LH - 60};
    l.second_list_box = {W - size_width, LH + 40, size_width, H - LH - 60};
    return l;
}

uint32_t edit_background(const Settings& s)
{
    return colour_ref(s.search != 0 ? s.text_color1 : s.text_color2);
}

uint32_t list_box_background(const Settings& s)
{
    return colour_ref(s.which != 0 ? s.list_color2 : s.list_color1);
}

uint32_t folder_view_background(const Settings& s)
{
    return colour_ref(s.which != 0 ? s.list_color1 : s.list_color2);
}
