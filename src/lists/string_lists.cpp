#include "lists/string_lists.h"

#include <algorithm>
#include <numeric>
#include <unordered_map>
#include <unordered_set>

#include "app/settings.h"
#include "folder/path_rules.h"
#include "lists/string_lists_internal.h"
#include "lists/text_positions.h"

namespace {

struct TextHash {
    using is_transparent = void;
    size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
};
using TextSet = std::unordered_set<std::string, TextHash, std::equal_to<>>;
template <typename V>
using TextMap = std::unordered_map<std::string, V, TextHash, std::equal_to<>>;

// Indexes that keep the duplicate rules of the lists below linear cost.
// The unkeyed index is rebuilt lazily after any change other than an append,
// so a load (clear, then many adds) never pays for it more than once.
struct ListIndexes {
    // Line -> first unkeyed data entry with that line; the later ones follow
    // as a chain (next position of each entry, last position of each chain).
    TextPositions unkeyed;
    std::vector<uint32_t> unkeyed_next;
    std::vector<uint32_t> unkeyed_tail;
    bool unkeyed_valid = true;
    TextSet keywords;
    TextSet commands;
    TextMap<size_t> shortcuts;  // word -> first entry
    TextSet recent_pairs;       // stored (folder, text) pairs
};

StringLists lists;
ListIndexes indexes;

std::string pair_key(std::string_view first, std::string_view second)
{
    // Length-prefixed so that no pair of texts can collide with another.
    std::string key = std::to_string(first.size());
    key += ':';
    key += first;
    key += second;
    return key;
}

std::string_view data_line_at(uint32_t position)
{
    return lists.data[position].line;
}

// Records the unkeyed entry at position (the last entry) in the index.
void unkeyed_index_append(size_t position)
{
    const uint32_t p = uint32_t(position);
    indexes.unkeyed_next.resize(position + 1, TextPositions::NONE);
    indexes.unkeyed_tail.resize(position + 1, TextPositions::NONE);
    uint32_t head = indexes.unkeyed.find_or_insert(lists.data[position].line, p, data_line_at);
    if (head == TextPositions::NONE) {
        indexes.unkeyed_tail[p] = p;
    } else {
        indexes.unkeyed_next[indexes.unkeyed_tail[head]] = p;
        indexes.unkeyed_tail[head] = p;
    }
}

void unkeyed_index_rebuild()
{
    indexes.unkeyed.clear();
    indexes.unkeyed_next.clear();
    indexes.unkeyed_tail.clear();
    indexes.unkeyed.reserve(lists.data.size());
    for (size_t i = 0; i < lists.data.size(); ++i)
        if (!lists.data[i].has_key)
            unkeyed_index_append(i);
    indexes.unkeyed_valid = true;
}

// Position of the first unkeyed entry whose line equals text, or -1.
long first_unkeyed(std::string_view text)
{
    if (!indexes.unkeyed_valid)
        unkeyed_index_rebuild();
    uint32_t head = indexes.unkeyed.find(text, data_line_at);
    return head == TextPositions::NONE ? -1 : long(head);
}

// The first unkeyed entry with its line is about to become keyed: the next
// one of its chain takes its place. Called while its line is unchanged.
void unkeyed_index_take_first(uint32_t head)
{
    uint32_t next = indexes.unkeyed_next[head];
    if (next != TextPositions::NONE)
        indexes.unkeyed_tail[next] = indexes.unkeyed_tail[head];
    indexes.unkeyed.update(lists.data[head].line, next, data_line_at);
}

template <typename Keep>
void data_keep_only(Keep keep)
{
    std::erase_if(lists.data, [&](const DataEntry& e) { return !keep(e); });
    indexes.unkeyed_valid = false;
}

void set_current_if_addmode(size_t index)
{
    if (g_settings.addmode != 0)
        g_cursors.current_data_entry = int(index);
}

void data_list_add_owned(std::optional<std::string_view> key, std::string&& line);

// Splits a stored line at its first blank into word and value; a line
// without a blank gives nothing.
template <typename Add>
void add_word_line(std::string_view line, Add add)
{
    size_t blank = line.find(' ');
    if (blank == std::string_view::npos)
        return;
    add(line.substr(0, blank), line.substr(blank + 1));
}

}  // namespace

const StringLists& g_lists = lists;
ListCursors g_cursors;

StringLists& lists_for_serialiser()
{
    return lists;
}

void data_list_add_line(std::string_view stored_line)
{
    if (stored_line.empty())
        return;
    size_t tab = stored_line.find('\t');
    if (tab == std::string_view::npos) {
        data_list_add_owned(std::nullopt, std::string(stored_line));
        return;
    }
    std::string_view path = stored_line.substr(0, tab);
    std::string_view keyword = stored_line.substr(tab + 1);
    std::string line(path);
    if (!keyword.empty()) {
        keyword_add(keyword);
        line += ' ';
        line += keyword;
    }
    std::string_view key = path;
    if (key.size() >= 2 && key.front() == '"' && key.back() == '"')
        key = key.substr(1, key.size() - 2);
    data_list_add_owned(key, std::move(line));
}

void data_list_add(std::optional<std::string_view> key, std::string_view line)
{
    data_list_add_owned(key, std::string(line));
}

void data_list_reserve(size_t more)
{
    lists.data.reserve(lists.data.size() + more);
}

namespace {

void data_list_add_owned(std::optional<std::string_view> key, std::string&& line)
{
    if (key) {
        long found = first_unkeyed(*key);
        if (found >= 0) {
            // The history already holds the bare path: it becomes keyed in place.
            unkeyed_index_take_first(uint32_t(found));
            DataEntry& e = lists.data[size_t(found)];
            e.has_key = true;
            e.key.assign(*key);
            e.line = std::move(line);
            set_current_if_addmode(size_t(found));
            return;
        }
    }
    if (command_contains(key ? *key : line))
        return;
    DataEntry e;
    e.has_key = key.has_value();
    if (key)
        e.key.assign(*key);
    e.line = std::move(line);
    size_t index = lists.data.size();
    lists.data.push_back(std::move(e));
    if (indexes.unkeyed_valid) {
        if (key) {
            indexes.unkeyed_next.resize(index + 1, TextPositions::NONE);
            indexes.unkeyed_tail.resize(index + 1, TextPositions::NONE);
        } else {
            unkeyed_index_append(index);
        }
    }
    set_current_if_addmode(index);
}

}  // namespace

DataRemoveResult data_list_remove(std::string_view line_in)
{
    // The caller may pass a text the list owns; work on a copy.
    const std::string line(line_in);
    auto first = std::find_if(lists.data.begin(), lists.data.end(),
                              [&](const DataEntry& e) { return e.line == line; });
    if (first != lists.data.end() && first->has_key) {
        const std::string& key = first->key;
        size_t sharing = size_t(std::count_if(lists.data.begin(), lists.data.end(), [&](const DataEntry& e) {
            return e.has_key && e.key == key;
        }));
        if (sharing == 1) {
            first->line = std::move(first->key);
            first->key.clear();
            first->has_key = false;
            indexes.unkeyed_valid = false;
            return DataRemoveResult::reverted;
        }
    }
    if (first != lists.data.end())
        data_keep_only([&](const DataEntry& e) { return e.line != line; });
    return DataRemoveResult::removed;
}

void data_list_attach_keyword(std::string_view line_in, std::string_view keyword)
{
    if (keyword.empty())
        return;
    const std::string line(line_in);  // the caller may pass a text the list owns
    auto entry = std::find_if(lists.data.begin(), lists.data.end(),
                              [&](const DataEntry& e) { return e.line == line; });
    if (entry == lists.data.end())
        return;
    std::string base = entry->has_key ? entry->key : entry->line;
    std::string new_line = base;
    new_line += ' ';
    new_line += keyword;
    if (base.size() != entry->line.size()) {
        data_list_add_owned(base, std::move(new_line));
        return;
    }
    entry->key = std::move(entry->line);
    entry->line = std::move(new_line);
    entry->has_key = true;
    indexes.unkeyed_valid = false;
}

std::string entry_target(std::string_view line)
{
    for (const DataEntry& e : lists.data)
        if (e.line == line)
            return e.has_key ? e.key : e.line;
    return std::string(line);
}

bool entry_target(const std::string& row_text, std::string& target)
{
    target = entry_target(std::string_view(row_text));
    return !target.empty();
}

namespace {

// Order of the exchange sort: ascending unsigned bytes, a proper prefix first.
bool line_before(const std::string& a, const std::string& b)
{
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
    });
}

bool same_entry(const DataEntry& a, const DataEntry& b)
{
    return a.has_key == b.has_key && a.key == b.key && a.line == b.line;
}

// The exchange sort itself: for each position, every later entry that sorts
// before it is swapped in. Which of several entries with an equal line ends
// where depends on this exact walk, so it is kept for the rare lists where
// entries with an equal line differ in their key. It runs on integer ranks.
void exchange_sort(std::vector<DataEntry>& data)
{
    std::vector<size_t> order(data.size());
    std::iota(order.begin(), order.end(), size_t(0));
    std::vector<size_t> by_line = order;
    std::sort(by_line.begin(), by_line.end(),
              [&](size_t a, size_t b) { return line_before(data[a].line, data[b].line); });
    std::vector<size_t> rank(data.size());
    for (size_t k = 0, r = 0; k < by_line.size(); ++k) {
        if (k > 0 && line_before(data[by_line[k - 1]].line, data[by_line[k]].line))
            ++r;
        rank[by_line[k]] = r;
    }
    for (size_t j = 0; j + 1 < order.size(); ++j)
        for (size_t i = j + 1; i < order.size(); ++i)
            if (rank[order[i]] < rank[order[j]])
                std::swap(order[i], order[j]);
    std::vector<DataEntry> sorted;
    sorted.reserve(data.size());
    for (size_t k : order)
        sorted.push_back(std::move(data[k]));
    data = std::move(sorted);
}

}  // namespace

void data_list_rebuild(bool (*target_exists)(const std::string& target))
{
    size_t position = 0;
    while (position < lists.data.size()) {
        const DataEntry& e = lists.data[position];
        if (target_exists(e.has_key ? e.key : e.line)) {
            ++position;
            continue;
        }
        // The same position is tested again: a reverted entry now names its key.
        data_list_remove(std::string(e.line));
    }
    if (lists.data.size() < 2)
        return;

    // Entries with an equal line and an equal key cannot be told apart, so
    // any sort by line gives the list the exchange sort gives; only equal
    // lines with different keys need its exact walk.
    std::vector<DataEntry> sorted = lists.data;
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const DataEntry& a, const DataEntry& b) { return line_before(a.line, b.line); });
    bool ambiguous = false;
    for (size_t k = 1; k < sorted.size() && !ambiguous; ++k)
        ambiguous = sorted[k - 1].line == sorted[k].line && !same_entry(sorted[k - 1], sorted[k]);
    if (ambiguous)
        exchange_sort(lists.data);
    else
        lists.data = std::move(sorted);
    indexes.unkeyed_valid = false;
}

void keyword_add(std::string_view text)
{
    if (text.empty() || indexes.keywords.contains(text))
        return;
    indexes.keywords.emplace(text);
    lists.keywords.emplace_back(text);
}

void recent_record(std::string_view folder_in, std::string_view text)
{
    if (folder_in.empty())
        return;
    std::string folder(folder_in);
    std::string stripped_text(text);
    trailing_separator_strip(folder);
    trailing_separator_strip(stripped_text);
    if (!folder.empty() && folder.back() == '*')
        return;
    if (folder.size() >= 2 && folder.front() == '"' && folder.back() == '"')
        folder = folder.substr(1, folder.size() - 2);

    if (indexes.recent_pairs.contains(pair_key(folder, stripped_text))) {
        auto it = std::find_if(lists.recent.begin(), lists.recent.end(), [&](const TextPair& p) {
            return p.first == folder && p.second == stripped_text;
        });
        if (it != lists.recent.end()) {
            std::rotate(it, it + 1, lists.recent.end());
            return;
        }
    }
    indexes.recent_pairs.insert(pair_key(folder, text));
    lists.recent.push_back(TextPair{std::move(folder), std::string(text)});
    g_cursors.last_recent_index = int(lists.recent.size()) - 1;
}

void recent_add_line(std::string_view stored_line)
{
    size_t tab = stored_line.find('\t');
    if (tab != std::string_view::npos && tab > 0)
        recent_record(stored_line.substr(0, tab), stored_line.substr(tab + 1));
    else
        recent_record(stored_line, std::string_view());
}

void command_add(std::string_view word, std::string_view value)
{
    if (indexes.commands.contains(word))
        return;
    indexes.commands.emplace(word);
    lists.commands.push_back(TextPair{std::string(word), std::string(value)});
}

void shortcut_add(std::string_view word, std::string_view value)
{
    if (indexes.shortcuts.contains(word))
        return;
    indexes.shortcuts.emplace(std::string(word), lists.shortcuts.size());
    lists.shortcuts.push_back(TextPair{std::string(word), std::string(value)});
}

void command_add_line(std::string_view stored_line)
{
    add_word_line(stored_line, command_add);
}

void shortcut_add_line(std::string_view stored_line)
{
    add_word_line(stored_line, shortcut_add);
}

bool command_contains(std::string_view word)
{
    return indexes.commands.contains(word);
}

std::string shortcut_lookup(std::string_view sequence)
{
    auto it = indexes.shortcuts.find(sequence);
    if (it == indexes.shortcuts.end())
        return std::string(sequence);
    return lists.shortcuts[it->second].second;
}

bool shortcut_contains(std::string_view sequence)
{
    return indexes.shortcuts.contains(sequence);
}

void stamp_add(std::string_view text)
{
    lists.stamps.emplace_back(text);
}

void stamp_remove(std::string_view text)
{
    std::erase(lists.stamps, text);
}

bool stamp_contains(std::string_view text)
{
    return std::find(lists.stamps.begin(), lists.stamps.end(), text) != lists.stamps.end();
}

void bookmark_add(std::string_view text)
{
    if (text.empty())
        return;
    lists.bookmarks.emplace_back(text);
    g_cursors.last_bookmark_index = -1;
}

void bookmark_remove(std::string_view text)
{
    std::erase(lists.bookmarks, text);
}

void bookmark_extra_add(std::string_view text)
{
    lists.bookmark_extras.emplace_back(text);
}

void lists_clear_for_reload()
{
    lists.data.clear();
    lists.commands.clear();
    lists.shortcuts.clear();
    lists.bookmarks.clear();
    lists.bookmark_extras.clear();
    indexes.unkeyed.clear();
    indexes.unkeyed_next.clear();
    indexes.unkeyed_tail.clear();
    indexes.unkeyed_valid = true;
    indexes.commands.clear();
    indexes.shortcuts.clear();
}

void lists_reset_all()
{
    lists = StringLists{};
    indexes = ListIndexes{};
    g_cursors = ListCursors{};
}
