#include "lists/data_files.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "lists/string_lists.h"
#include "lists/string_lists_internal.h"
#include "lists/text_positions.h"

void data_text_read(std::string_view text)
{
    size_t line_feeds = size_t(std::count(text.begin(), text.end(), '\n'));
    size_t returns = size_t(std::count(text.begin(), text.end(), '\r'));
    data_list_reserve(std::max(line_feeds, returns) + 1);
    for_each_stored_line(text, [](std::string_view line) { data_list_add_line(line); });
}

void command_text_read(std::string_view text)
{
    for_each_stored_line(text, [](std::string_view line) { command_add_line(line); });
}

void shortcut_text_read(std::string_view text)
{
    for_each_stored_line(text, [](std::string_view line) { shortcut_add_line(line); });
}

void stamp_text_read(std::string_view text)
{
    for_each_stored_line(text, [](std::string_view line) { stamp_add(line); });
}

void recent_text_read(std::string_view text)
{
    for_each_stored_line(text, [](std::string_view line) { recent_add_line(line); });
}

void bookmark_text_read(std::string_view text)
{
    size_t end = text.find('\0');
    if (end != std::string_view::npos)
        text = text.substr(0, end);
    auto is_break = [](char c) { return c == '\r' || c == '\n'; };
    // Every line break byte counts: a break right after another one (or at
    // the very start) is the empty line that opens the extra section.
    bool extra = false;
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (!is_break(text[i]))
            continue;
        if (i == start) {
            extra = true;
        } else if (extra) {
            bookmark_extra_add(text.substr(start, i - start));
        } else {
            bookmark_add(text.substr(start, i - start));
        }
        start = i + 1;
    }
    // A last line without a break is a bookmark in either section, but not
    // when the text began with a break.
    if (start < text.size() && !is_break(text[0]))
        bookmark_add(text.substr(start));
}

namespace {

// Length of the path part of a keyed line: the key in double quotes (for a
// quoted line), else the key itself, whichever the line begins with,
// followed by a blank, a tab or the end; npos when neither fits. Trying the
// quoted form first keeps a key that itself begins with a quote keyed.
size_t path_part_length(const DataEntry& e)
{
    auto fits = [&](std::string_view part) {
        return e.line.compare(0, part.size(), part) == 0 &&
               (e.line.size() == part.size() || e.line[part.size()] == ' ' || e.line[part.size()] == '\t');
    };
    if (!e.line.empty() && e.line[0] == '"') {
        std::string quoted = '"' + e.key + '"';
        if (fits(quoted))
            return quoted.size();
    }
    return fits(e.key) ? e.key.size() : std::string::npos;
}

// Appends the line as written: the blank after the path part becomes a tab
// in the stored line too; a line that ends with its path part gets a tab
// appended.
void written_line_append(DataEntry& e, std::string& out)
{
    out += e.line;
    if (!e.has_key)
        return;
    size_t part = path_part_length(e);
    if (part == std::string::npos)
        return;
    if (e.line.size() == part) {
        out += '\t';
        return;
    }
    e.line[part] = '\t';
    out[out.size() - e.line.size() + part] = '\t';
}

}  // namespace

std::optional<std::string> data_text_serialise()
{
    std::vector<DataEntry>& data = lists_for_serialiser().data;
    if (data.empty())
        return std::nullopt;
    std::vector<char> kept(data.size(), 1);

    // Duplicate lines: the first occurrence stays. Afterwards every kept line
    // is unique, so one map finds the kept entry holding a line.
    auto line_at = [&](uint32_t p) -> std::string_view { return data[p].line; };
    TextPositions kept_by_line;
    kept_by_line.reserve(data.size());
    for (size_t i = 0; i < data.size(); ++i)
        if (kept_by_line.find_or_insert(data[i].line, uint32_t(i), line_at) != TextPositions::NONE)
            kept[i] = 0;

    // A bare keyed entry gives way to a later keyed entry of the same path.
    for (size_t i = 0; i < data.size(); ++i) {
        if (!kept[i] || !data[i].has_key)
            continue;
        uint32_t j = kept_by_line.find(data[i].key, line_at);
        if (j == TextPositions::NONE)
            continue;
        if (j < i && kept[j] && data[j].has_key)
            kept[j] = 0;
    }

    int current = g_cursors.current_data_entry;
    bool has_current = current >= 0 && size_t(current) < data.size();
    if (has_current)
        kept[size_t(current)] = 1;

    std::string out;
    size_t total = 0;
    for (const DataEntry& e : data)
        total += e.line.size() + 2;
    out.reserve(total);
    if (has_current) {
        written_line_append(data[size_t(current)], out);
        out += '\n';
    }
    for (size_t i = 0; i < data.size(); ++i) {
        if (!kept[i] || (has_current && i == size_t(current)))
            continue;
        written_line_append(data[i], out);
        out += '\n';
    }
    return out;
}

namespace {

std::optional<std::string> pairs_serialise(const std::vector<TextPair>& pairs, char separator)
{
    if (pairs.empty())
        return std::nullopt;
    std::string out;
    for (const TextPair& p : pairs) {
        out += p.first;
        out += separator;
        out += p.second;
        out += '\n';
    }
    return out;
}

void texts_append(std::string& out, const std::vector<std::string>& texts)
{
    for (const std::string& t : texts) {
        out += t;
        out += '\n';
    }
}

}  // namespace

std::optional<std::string> command_text_serialise()
{
    return pairs_serialise(g_lists.commands, ' ');
}

std::optional<std::string> shortcut_text_serialise()
{
    return pairs_serialise(g_lists.shortcuts, ' ');
}

std::optional<std::string> recent_text_serialise()
{
    return pairs_serialise(g_lists.recent, '\t');
}

std::optional<std::string> stamp_text_serialise()
{
    if (g_lists.stamps.empty())
        return std::nullopt;
    std::string out;
    texts_append(out, g_lists.stamps);
    return out;
}

std::optional<std::string> bookmark_text_serialise()
{
    if (g_lists.bookmarks.empty())
        return std::nullopt;
    std::string out;
    texts_append(out, g_lists.bookmarks);
    out += '\n';
    texts_append(out, g_lists.bookmark_extras);
    return out;
}

bool data_text_may_replace(size_t existing_file_size, size_t new_text_size)
{
    return existing_file_size <= 512 || new_text_size >= 512;
}

std::string date_stamp(int year, int month, int day)
{
    char text[32];
    std::snprintf(text, sizeof text, "%04d%02d%02d", year, month, day);
    return text;
}
