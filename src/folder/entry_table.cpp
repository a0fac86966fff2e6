#include "folder/entry_table.h"

#include <algorithm>
#include <cinttypes>
#include <cstdio>

#include "folder/path_rules.h"

EntryTable g_entries;

void entry_table_clear(EntryTable& table)
{
    table.entries.clear();
    table.row_map.clear();
}

bool entry_is_folder(const Entry& e)
{
    return !e.path.empty() && e.path.back() == '*';
}

bool entry_may_stand_before(const Entry& a, const Entry& b)
{
    bool fa = entry_is_folder(a), fb = entry_is_folder(b);
    if (fa != fb)
        return fa;
    // std::string compares as unsigned bytes (char_traits<char> works like memcmp).
    int c = a.path.compare(b.path);
    if (c != 0)
        return c > 0;
    return a.name >= b.name;
}

void entry_order_sort(std::vector<Entry>& entries)
{
    // Strict form of "may stand before"; stable, so fully equal entries keep
    // the order the scan found them in.
    std::stable_sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
        return entry_may_stand_before(a, b) && !entry_may_stand_before(b, a);
    });
}

std::string folder_pattern(std::string_view folder)
{
    std::string pattern(folder);
    if (!pattern.empty() && pattern.back() == '*')
        return pattern;
    bool ends_in_separator = !pattern.empty() && pattern.back() == '\\' && character_start(pattern, pattern.size() - 1);
    if (!ends_in_separator)
        pattern.push_back('\\');
    pattern.push_back('*');
    return pattern;
}

std::string pattern_prefix(std::string_view pattern)
{
    if (pattern.size() <= 2)
        return std::string();
    return std::string(pattern.substr(0, pattern.size() - 1));
}

// Days since 1970-01-01 of a proleptic Gregorian date, and back.
static int64_t days_from_civil(int64_t y, int64_t m, int64_t d)
{
    y -= m <= 2;
    int64_t era = (y >= 0 ? y : y - 399) / 400;
    int64_t yoe = y - era * 400;
    int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

static void civil_from_days(int64_t z, int64_t& y, int64_t& m, int64_t& d)
{
    z += 719468;
    int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    int64_t doe = z - era * 146097;
    int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    y = yoe + era * 400;
    int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    int64_t mp = (5 * doy + 2) / 153;
    d = doy - (153 * mp + 2) / 5 + 1;
    m = mp + (mp < 10 ? 3 : -9);
    y += m <= 2;
}

std::string reference_date(int year, int month, int day, int days)
{
    int64_t y, m, d;
    civil_from_days(days_from_civil(year, month, day) - days, y, m, d);
    char text[64];
    snprintf(text, sizeof text, "%04" PRId64 "/%02" PRId64 "/%02" PRId64, y, m, d);
    return text;
}

bool date_filter_pass(std::string_view reference, std::string_view date_text, bool reversed)
{
    if (date_text.empty())
        return true;
    bool on_or_after = reference.compare(date_text) <= 0;
    return on_or_after == !reversed;
}

std::string size_text(int64_t size, int file_count_limit)
{
    char text[40];
    if (file_count_limit > 0)
        snprintf(text, sizeof text, "%dKByte", 9999);
    else if (size <= 1024)
        snprintf(text, sizeof text, "%" PRId64 "Byte", size);
    else
        snprintf(text, sizeof text, "%" PRId64 "KByte", size / 1024);
    std::string s(text);
    if (s.size() < 10)
        s.insert(0, 10 - s.size(), ' ');
    return s;
}

std::string numbered_row_text(int row, std::string_view text)
{
    if (row >= 10)
        return std::string(text);
    std::string s(1, char('0' + (row + 1) % 10));
    s.push_back('.');
    s.append(text);
    return s;
}

bool parent_ancestor(std::string_view entry, int n, std::string& ancestor)
{
    if (n < 1)
        return false;
    // One forward walk collects the separators that are characters of their
    // own; a backward test of each byte would cost O(n^2) on lead-byte runs.
    std::vector<size_t> separators;
    for (size_t i = 0; i < entry.size(); i += character_length(entry, i))
        if (entry[i] == '\\' || entry[i] == ':' || entry[i] == '/')
            separators.push_back(i);
    if (separators.size() < size_t(n))
        return false;
    size_t at = separators[separators.size() - size_t(n)];
    if (at <= 1)
        return false;
    ancestor.assign(entry.substr(0, at));
    return true;
}

const Entry* row_entry(const EntryTable& table, int row)
{
    if (row < 0 || size_t(row) >= table.row_map.size())
        return nullptr;
    int index = table.row_map[size_t(row)];
    if (index < 0 || size_t(index) >= table.entries.size())
        return nullptr;
    return &table.entries[size_t(index)];
}
