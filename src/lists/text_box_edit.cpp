#include "lists/text_box_edit.h"

SelectionRange selection_range(std::string_view text, size_t start, size_t end)
{
    // EM_GETSEL may report the ends in either order or past the text.
    if (end > text.size())
        end = text.size();
    if (start >= end)
        return SelectionRange{};
    size_t length = end - start;
    if (text[end - 1] == '\n')
        length = length >= 2 ? length - 2 : 0;
    return SelectionRange{start, length};
}
