// The number box and the modes on the window side (number_box_win.cpp).
#pragma once

// Reads the number box into the date filter.
void number_box_commit();
// Ctrl+U with Shift and Alt as held.
void date_filter_key(bool shift, bool alt);
// F10: the next mode.
void mode_step();
