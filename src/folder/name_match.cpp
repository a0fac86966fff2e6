#include "folder/name_match.h"

#include <cstdint>
#include <cstring>

#include "folder/path_rules.h"

static bool is_full_width_blank(std::string_view s, size_t p, size_t length)
{
    return length == 2 && static_cast<unsigned char>(s[p]) == 0x81 && static_cast<unsigned char>(s[p + 1]) == 0x40;
}

std::vector<std::string> name_pattern_words(std::string_view pattern)
{
    std::vector<std::string> words;
    std::string word;
    // True right after a separator: the next character always opens the next
    // word, even when it is itself a separator.
    bool after_separator = false;
    for (size_t p = 0; p < pattern.size();) {
        size_t length = character_length(pattern, p);
        bool blank = pattern[p] == ' ';
        bool last = p + length == pattern.size();
        // An ASCII blank that ends the pattern stays part of the word before it.
        bool separator = !after_separator && ((blank && !last) || is_full_width_blank(pattern, p, length));
        if (separator) {
            if (!word.empty())
                words.push_back(word);
            word.clear();
            after_separator = true;
        } else {
            word.append(pattern.substr(p, length));
            after_separator = false;
        }
        p += length;
    }
    if (!word.empty())
        words.push_back(word);
    return words;
}

NamePattern name_pattern(std::string_view pattern, bool word_match)
{
    NamePattern compiled;
    compiled.word_match = word_match;
    // Folding leaves blanks and lead bytes alone, so the words cut from the
    // folded pattern are the folded words of the pattern.
    std::string folded = ascii_folded(pattern);
    if (word_match)
        compiled.words = name_pattern_words(folded);
    else
        compiled.prefix = folded;
    return compiled;
}

// Whether the folded word stands in the name from position i, which begins a
// character of the name, with i + word size within the name. The name is
// folded as it is read, one character at a time, so no copy is made: the
// refresh tests thousands of names. Word and name both start on a character,
// so while their bytes agree their characters agree too; only a word that
// ends in a lone lead byte can stop inside a character of the name, and that
// is no match.
static bool word_at(std::string_view name, size_t i, std::string_view word)
{
    for (size_t k = 0; k < word.size();) {
        size_t length = character_length(name, i + k);
        if (ascii_fold(name[i + k]) != word[k])
            return false;
        if (length == 2 && (k + 1 == word.size() || name[i + k + 1] != word[k + 1]))
            return false;
        k += length;
    }
    return true;
}

// Nonzero when some byte of v equals the byte repeated in `pattern`: the
// classic test for a zero byte, applied to v ^ pattern. It never reports a
// block that holds no such byte.
static inline uint64_t has_byte(uint64_t v, uint64_t pattern)
{
    uint64_t x = v ^ pattern;
    return (x - 0x0101010101010101ull) & ~x & 0x8080808080808080ull;
}

// The first position from i below end whose byte, folded, is the folded byte
// c, or end. Eight bytes are looked at a time until a block holds a
// candidate: most bytes of most names are no candidate for a typed word.
static size_t next_candidate(std::string_view s, size_t i, size_t end, char c)
{
    const char upper = (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c;
    const uint64_t lower_bytes = 0x0101010101010101ull * static_cast<unsigned char>(c);
    const uint64_t upper_bytes = 0x0101010101010101ull * static_cast<unsigned char>(upper);
    for (; i + 8 <= end; i += 8) {
        uint64_t block;
        memcpy(&block, s.data() + i, 8);
        if (has_byte(block, lower_bytes) | has_byte(block, upper_bytes))
            break;
    }
    for (; i < end; ++i)
        if (s[i] == c || s[i] == upper)
            return i;
    return end;
}

// Whether the folded word occurs in the name starting on one of its
// characters. The scan tries every byte, folded, against the word's first
// byte: that finds every character start that can match, plus some second
// bytes, and keeps the loop free of a dependency on the previous character
// (stepping by characters made the scan three times slower). Only such a
// candidate asks whether it begins a character. A byte after a byte that is
// no lead byte always does; otherwise the walk from the last known character
// start decides. That walk only moves forward, so a name costs at most one
// pass by characters however many candidates it holds.
static bool occurs_in(std::string_view name, std::string_view word)
{
    if (word.size() > name.size())
        return false;
    if (word.empty())
        return true;
    size_t last = name.size() - word.size();
    size_t start = 0;  // a character start, never past the next candidate
    for (size_t i = next_candidate(name, 0, last + 1, word[0]); i <= last;
         i = next_candidate(name, i + 1, last + 1, word[0])) {
        if (i > 0 && is_lead_byte(static_cast<unsigned char>(name[i - 1]))) {
            while (start < i)
                start += character_length(name, start);
            if (start != i)
                continue;  // the second byte of a double-byte character
        }
        start = i;
        if (word_at(name, i, word))
            return true;
    }
    return false;
}

bool name_pattern_matches(const NamePattern& pattern, std::string_view name)
{
    if (!pattern.word_match)
        return name.size() >= pattern.prefix.size() && word_at(name, 0, pattern.prefix);
    for (const std::string& word : pattern.words) {
        if (word[0] == '^') {
            // "^" alone excludes every name: the empty rest occurs in all of them.
            if (occurs_in(name, std::string_view(word).substr(1)))
                return false;
        } else if (!occurs_in(name, word)) {
            return false;
        }
    }
    return true;
}

bool name_match(std::string_view pattern, std::string_view name, bool word_match)
{
    return name_pattern_matches(name_pattern(pattern, word_match), name);
}
