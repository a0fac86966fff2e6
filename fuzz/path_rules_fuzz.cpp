// Checks the Shift-JIS path rules against a forward walk over the bytes by
// character_length, for any input: the backward character start test agrees
// with the walk, separators found are real characters, cuts never end inside
// a double-byte character, the case fold touches only character starts, and
// nothing reads past the text.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "folder/path_rules.h"

// Character starts by walking forward from the beginning.
static std::vector<bool> starts_by_walking(const std::string& s)
{
    std::vector<bool> start(s.size() + 1, false);
    for (size_t i = 0; i < s.size(); i += character_length(s, i))
        start[i] = true;
    start[s.size()] = true;
    return start;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string s(reinterpret_cast<const char*>(data), size);
    std::vector<bool> start = starts_by_walking(s);
    for (size_t p = 0; p < s.size(); ++p)
        if (character_start(s, p) != start[p])
            abort();

    size_t sep = last_separator(s);
    if (sep != std::string::npos && (s[sep] != '\\' || !start[sep]))
        abort();

    for (size_t max : {size_t(0), size_t(1), size_t(2), size_t(511), size / 2}) {
        size_t n = character_prefix_length(s, max);
        if (n > max && n != s.size())
            abort();
        if (n > s.size() || !start[n])
            abort();
    }

    std::string stripped = s;
    trailing_separator_strip(stripped);
    if (stripped.size() > s.size() || s.compare(0, stripped.size(), stripped) != 0)
        abort();

    std::string folded = ascii_folded(s);
    if (folded.size() != s.size())
        abort();
    for (size_t p = 0; p < s.size(); ++p) {
        bool letter = start[p] && s[p] >= 'A' && s[p] <= 'Z';
        if (folded[p] != (letter ? char(s[p] - 'A' + 'a') : s[p]))
            abort();
    }

    std::string folder = folder_of_module_path(s);
    if (folder.size() > s.size() || s.compare(0, folder.size(), folder) != 0)
        abort();
    return 0;
}
