// The two text box operations of the stamp list: reading the selection and
// inserting a stamp at the caret (text_box_edit_win.cpp).
#pragma once

#include <string>
#include <string_view>

// The selected bytes of the text box; a selection that ends in CR LF loses
// that pair; empty when nothing is selected.
std::string selection_text();

// Puts the text in front of the selection start, scrolls the caret into
// view and leaves the caret right after the inserted text.
void caret_insertion(std::string_view text);

// The byte range that selection_text takes from a text: start and length.
struct SelectionRange {
    size_t start = 0;
    size_t length = 0;
};
SelectionRange selection_range(std::string_view text, size_t start, size_t end);
