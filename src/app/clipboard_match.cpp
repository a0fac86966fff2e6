#include "app/clipboard_match.h"

#include "folder/name_match.h"

namespace {

// The target of the only item whose text passes, or nothing when none or
// several pass; a second hit ends the walk.
template <typename Item, typename TextOf, typename TargetOf>
bool single_hit(std::string_view pattern, bool word_match, const std::vector<Item>& items, TextOf text_of,
                TargetOf target_of, std::string& target)
{
    const NamePattern compiled = name_pattern(pattern, word_match);
    const Item* hit = nullptr;
    for (const Item& item : items) {
        if (!name_pattern_matches(compiled, text_of(item)))
            continue;
        if (hit)
            return false;
        hit = &item;
    }
    if (!hit)
        return false;
    target = target_of(*hit);
    return true;
}

}  // namespace

bool single_data_hit(std::string_view pattern, bool word_match, const std::vector<DataEntry>& data,
                     std::string& target)
{
    return single_hit(
        pattern, word_match, data, [](const DataEntry& e) -> std::string_view { return e.line; },
        [](const DataEntry& e) { return e.has_key ? e.key : e.line; }, target);
}

bool single_entry_hit(std::string_view pattern, bool word_match, const std::vector<Entry>& entries,
                      std::string& target)
{
    return single_hit(
        pattern, word_match, entries, [](const Entry& e) -> std::string_view { return e.name; },
        [](const Entry& e) { return e.path; }, target);
}
