#include "app/clipboard_match.h"

#include "folder/name_match.h"

bool single_data_hit(std::string_view pattern, bool word_match, const std::vector<DataEntry>& data,
                     std::string& target)
{
    const NamePattern compiled = name_pattern(pattern, word_match);
    const DataEntry* hit = nullptr;
    for (const DataEntry& e : data) {
        if (!name_pattern_matches(compiled, e.line))
            continue;
        if (hit)
            return false;  // a second hit: the data list does not decide
        hit = &e;
    }
    if (!hit)
        return false;
    target = hit->has_key ? hit->key : hit->line;
    return true;
}

bool single_entry_hit(std::string_view pattern, bool word_match, const std::vector<Entry>& entries,
                      std::string& target)
{
    const NamePattern compiled = name_pattern(pattern, word_match);
    const Entry* hit = nullptr;
    for (const Entry& e : entries) {
        if (!name_pattern_matches(compiled, e.name))
            continue;
        if (hit)
            return false;
        hit = &e;
    }
    if (!hit)
        return false;
    target = hit->path;
    return true;
}
