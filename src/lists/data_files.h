// Byte formats of the data files and of the daily history file: readers
// that hand each line to its list, and serialisers that give the text to
// write (nothing when the list is empty, so the old file stays).
//
// Common reading rules: a NUL byte ends the text; CR or LF ends a line;
// empty lines are skipped; a text whose first byte is a line break yields
// no entry (bookmark.txt has rules of its own). Written lines end in LF.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// Calls add(line) for every non-empty line under the common rules.
template <typename Add>
void for_each_stored_line(std::string_view text, Add add);

void data_text_read(std::string_view text);      // data.txt
void command_text_read(std::string_view text);   // cmd.txt
void shortcut_text_read(std::string_view text);  // ctrl.txt
void stamp_text_read(std::string_view text);     // hanko.txt
void bookmark_text_read(std::string_view text);  // bookmark.txt
void recent_text_read(std::string_view text);    // recent\YYYYMMDD.txt

// data.txt: duplicate lines dropped, a bare keyed entry giving way to a later
// keyed entry of its path, the current data entry first, and the blank after
// the path part of keyed lines turned into a tab (also in the stored line).
std::optional<std::string> data_text_serialise();
std::optional<std::string> command_text_serialise();
std::optional<std::string> shortcut_text_serialise();
std::optional<std::string> stamp_text_serialise();
std::optional<std::string> bookmark_text_serialise();
std::optional<std::string> recent_text_serialise();

// The guard of data.txt: a file of more than 512 bytes is never replaced by
// a text of fewer than 512 bytes (a missing file has size 0).
bool data_text_may_replace(size_t existing_file_size, size_t new_text_size);

// The local date as YYYYMMDD, the name of the day's files.
std::string date_stamp(int year, int month, int day);

template <typename Add>
void for_each_stored_line(std::string_view text, Add add)
{
    size_t end = text.find('\0');
    if (end != std::string_view::npos)
        text = text.substr(0, end);
    if (text.empty() || text[0] == '\r' || text[0] == '\n')
        return;
    size_t start = 0;
    for (size_t i = 0; i <= text.size(); ++i) {
        if (i < text.size() && text[i] != '\r' && text[i] != '\n')
            continue;
        if (i > start)
            add(text.substr(start, i - start));
        start = i + 1;
    }
}
