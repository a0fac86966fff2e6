// The name match: the filter of the folder view, the list boxes and the
// folder and file name filters. Texts are Shift-JIS bytes compared as whole
// characters: a word is found only where it begins on a character of the
// name, so the letter a never matches the second byte of ア (0x83 0x41). The
// letters A to Z are compared without regard to case where they are
// characters of their own; full-width letters match only themselves.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// A pattern cut into its words once, so that a refresh that tests thousands
// of names against the same typed text cuts and folds it only once.
struct NamePattern {
    bool word_match = true;
    std::string prefix;              // prefix match: the pattern, case-folded
    std::vector<std::string> words;  // word match: the non-empty words, case-folded
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
