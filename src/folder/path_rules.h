// Path rules for Shift-JIS (code page 932) byte strings.
//
// The second byte of a double-byte character may have the value of a
// backslash (0x5C) or a colon, so no code may treat such a byte as a
// separator without asking character_start first. Every other file calls
// these helpers; none re-derives the lead-byte rule.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// True for 0x81-0x9F and 0xE0-0xFC, the lead bytes of code page 932.
// Inline, with character_length and ascii_fold, because the name match calls
// them for every byte of every name on each key release.
inline bool is_lead_byte(unsigned char c)
{
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

// Length in bytes of the character that begins at p (p below the size): 2 for
// a lead byte that has a byte after it, else 1, so a lead byte that ends the
// text stands alone. Stepping from 0 by this length visits exactly the
// positions where character_start holds.
inline size_t character_length(std::string_view s, size_t p)
{
    return (is_lead_byte(static_cast<unsigned char>(s[p])) && p + 1 < s.size()) ? 2 : 1;
}

// The case fold of a byte that begins a character: A to Z become a to z and
// every other byte stays. Only for character starts: a second byte in the
// range of A to Z (ア is 0x83 0x41) is part of its character, not a letter.
inline char ascii_fold(char c)
{
    return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
}

// A copy of the text with ascii_fold applied to every character start.
std::string ascii_folded(std::string_view s);

// True for "." and "..", the entries of a folder listing that stand for the
// folder itself and its parent.
bool is_dot_name(std::string_view name);

// True when the byte at position p begins a character: p is 0, or the run of
// lead bytes directly before p has even length. A position at or past the end
// of the text counts as a character start, so callers may test "end of text".
bool character_start(std::string_view s, size_t p);

// Length in bytes of the longest prefix of s that is at most max_bytes long
// and does not end inside a double-byte character.
size_t character_prefix_length(std::string_view s, size_t max_bytes);

// Removes a final "\*" (the star and the byte in front of it), or else a final
// backslash that is a character of its own. C:\dir\* and C:\dir\ become C:\dir,
// C:\ becomes C:, an empty text stays empty.
void trailing_separator_strip(std::string& s);

// Position of the last backslash that is a character of its own, or npos.
size_t last_separator(std::string_view s);

// The folder of an executable path, up to and including its last real
// backslash. A path without any backslash yields its first character alone.
std::string folder_of_module_path(std::string_view module_path);

// The single path that the path kind test looks up: the text up to its first
// zero byte (a list of paths separated by zero bytes names its first path),
// with one trailing backslash removed when it is a character of its own.
std::string path_kind_lookup_name(std::string_view path);

// A text cut to at most max_bytes bytes at a character boundary.
std::string cut_at_character(std::string_view s, size_t max_bytes);
