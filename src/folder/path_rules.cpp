#include "folder/path_rules.h"

std::string ascii_folded(std::string_view s)
{
    std::string out(s);
    for (size_t i = 0; i < out.size(); i += character_length(out, i))
        out[i] = ascii_fold(out[i]);
    return out;
}

bool is_dot_name(std::string_view name)
{
    return name == "." || name == "..";
}

bool character_start(std::string_view s, size_t p)
{
    if (p == 0)
        return true;
    if (p > s.size())
        p = s.size();
    // Count the lead bytes that stand directly before p. An odd run means the
    // byte at p is the second half of the character that the run ends with.
    size_t count = 0;
    size_t i = p;
    while (i > 0 && is_lead_byte(static_cast<unsigned char>(s[i - 1]))) {
        ++count;
        --i;
    }
    return count % 2 == 0;
}

size_t character_prefix_length(std::string_view s, size_t max_bytes)
{
    if (s.size() <= max_bytes)
        return s.size();
    size_t n = max_bytes;
    if (!character_start(s, n))
        --n;
    return n;
}

std::string cut_at_character(std::string_view s, size_t max_bytes)
{
    return std::string(s.substr(0, character_prefix_length(s, max_bytes)));
}

void trailing_separator_strip(std::string& s)
{
    size_t n = s.size();
    if (n == 0)
        return;
    if (s[n - 1] == '*') {
        s.resize(n >= 2 ? n - 2 : 0);
        return;
    }
    if (s[n - 1] == '\\' && character_start(s, n - 1))
        s.resize(n - 1);
}

size_t last_separator(std::string_view s)
{
    size_t found = std::string_view::npos;
    // Walk forward character by character: cheaper than a backwards test at
    // every backslash, and it never mistakes a second byte for a separator.
    for (size_t i = 0; i < s.size(); i += character_length(s, i))
        if (s[i] == '\\')
            found = i;
    return found;
}

std::string folder_of_module_path(std::string_view module_path)
{
    size_t sep = last_separator(module_path);
    if (sep != std::string_view::npos)
        return std::string(module_path.substr(0, sep + 1));
    if (module_path.empty())
        return std::string();
    return std::string(module_path.substr(0, character_length(module_path, 0)));
}

std::string path_kind_lookup_name(std::string_view path)
{
    size_t zero = path.find('\0');
    std::string name(path.substr(0, zero));
    size_t n = name.size();
    if (n > 0 && name[n - 1] == '\\' && character_start(name, n - 1))
        name.resize(n - 1);
    return name;
}
