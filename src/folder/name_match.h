// The name match: the filter of the folder view, the list boxes and the
// folder and file name filters. Texts are Shift-JIS bytes; only the ASCII
// letters A to Z are compared without regard to case.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// A pattern cut into its words once, so that a refresh that tests thousands
// of names against the same typed text cuts and lower-cases it only once.
struct NamePattern {
    bool word_match = true;
    std::string prefix;              // prefix match: the lower-cased pattern
    std::vector<std::string> words;  // word match: the non-empty words, lower-cased
};

// Cuts a pattern into words (word_match) or keeps it as a prefix.
NamePattern name_pattern(std::string_view pattern, bool word_match);

// True when the name passes the pattern.
bool name_pattern_matches(const NamePattern& pattern, std::string_view name);

// One-off form: the pattern is cut for this call only.
bool name_match(std::string_view pattern, std::string_view name, bool word_match);

// The words of a word-match pattern in the order they are cut, empty words
// left out (exposed for the tests of the cutting rule).
std::vector<std::string> name_pattern_words(std::string_view pattern);

// A copy with A to Z turned into a to z, byte by byte.
std::string ascii_lower(std::string_view text);
