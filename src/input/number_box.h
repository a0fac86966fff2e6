// The number box's day count of the date filter and the mode step of F10,
// as plain rules; number_box_win.cpp carries them out.
#pragma once

#include <string>
#include <string_view>

// Reading the number box into the filter: an optional "^" (reverse
// direction), then decimal digits; nothing switches the filter off.
struct NumberCommit {
    int filterdate = -1;
    bool set_direction = false;  // false for an empty box: the direction stays
    bool forward = true;         // false for a leading "^"
    bool not_a_number = false;   // show `shown` as "数字ではありません", then empty the box
    std::string shown;           // the text as read, "^" replaced by "0"
};
// At most 15 characters of the box are read.
NumberCommit number_commit(std::string_view box_text);

// Ctrl+U with its modifiers. The parked day count is -2 while the filter
// in `filterdate` is the live one.
struct DateFilter {
    int filterdate = -1;
    int filterdate2 = -2;
    bool forward = true;
};
struct DateFilterResult {
    bool focus_number_box = false;  // Ctrl+Alt+U: only the focus moves
    bool set_box = false;           // the number box gets `box`
    std::string box;
};
DateFilterResult date_filter_keys(DateFilter& filter, bool shift, bool alt);

// F10: the list state after `list_state`, with its title (also status part
// 1; empty status for the rest title) and whether the number input flag is
// set (1), cleared (0) or kept (-1), and when the lists are refreshed.
struct ModeStep {
    int list_state = 1;
    const char* title = "Nimbrel";
    const char* status = "";
    int number_input = -1;
    bool refresh_before = false;
    bool refresh_after = false;
};
ModeStep mode_step_after(int list_state);
