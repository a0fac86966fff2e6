// The rules that the settings file applies to the values it reads and
// writes, kept apart from the profile routines so they can be tested alone.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "app/settings.h"

// A stored window rectangle is used (and a window rectangle is stored) only
// when it is not all zeros and each edge is at least -50 and below 1500.
bool rectangle_rule_passes(int top, int bottom, int right, int left);

// Only the low 8 bits of a colour component are kept: 256 reads as 0.
uint8_t colour_component(int value);

// Any "which" other than 0 is held as 1.
int which_held(int value);

// The idle limit is stored as at least 5 seconds.
int timelimit_stored(int value);

// The number box text: empty while the date filter is off (-1), else the
// day count, preceded by "^" when the direction is reversed.
std::string number_box_text(int filterdate, bool reversed);

// The value written as "NowTxt": the first 511 bytes of the text box text,
// never ending inside a double-byte character.
std::string now_txt_value(std::string_view text_box_text);

// A name filter after the start-up repair: "null" (also a missing key)
// becomes empty; A to Z become a to z, leaving the second bytes of
// double-byte characters alone.
std::string filter_repaired(std::string_view stored);
bool filter_needs_repair(std::string_view stored);

// The last backup date is held in a 9-byte buffer: at most 8 bytes.
std::string backup_date_held(std::string_view stored);

// Decimal text of an integer setting.
std::string setting_integer_text(int value);
