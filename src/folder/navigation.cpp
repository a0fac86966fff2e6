#include "folder/navigation.h"

#include "folder/path_rules.h"

static bool is_path_separator(std::string_view s, size_t p)
{
    return (s[p] == '\\' || s[p] == ':') && character_start(s, p);
}

ParentEdit parent_path_text(std::string_view text, std::string_view current_folder, std::string& result)
{
    if (text.empty()) {
        result.assign(current_folder);
        return PARENT_EDIT_TEXT;
    }
    // One forward walk finds the separators that are characters of their own.
    size_t separators = 0;
    for (size_t i = 0; i < text.size(); i += character_length(text, i))
        if (text[i] == '\\' || text[i] == ':')
            ++separators;
    if (separators < 2)
        return PARENT_EDIT_DRIVE_LIST;

    std::string copy(text);
    if (copy.back() == '*')
        copy.resize(copy.size() >= 2 ? copy.size() - 2 : 0);
    else if (is_path_separator(copy, copy.size() - 1))
        copy.pop_back();
    // From the new last character down to the second one.
    for (size_t p = copy.size(); p-- > 1;) {
        if (is_path_separator(copy, p)) {
            copy.resize(p);
            result = copy;
            return PARENT_EDIT_TEXT;
        }
    }
    return PARENT_EDIT_NONE;
}
