#include "folder/name_match.h"

#include "folder/path_rules.h"

std::string ascii_lower(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    return out;
}

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
    std::string lower = ascii_lower(pattern);
    if (word_match)
        compiled.words = name_pattern_words(lower);
    else
        compiled.prefix = lower;
    return compiled;
}

static char lower_byte(char c)
{
    return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
}

// Whether the lower-cased word occurs in the name, lower-casing the name as it
// is read: the refresh tests thousands of names, so no copy is made.
static bool contains_lowered(std::string_view name, std::string_view word)
{
    if (word.size() > name.size())
        return false;
    if (word.empty())
        return true;
    for (size_t i = 0; i + word.size() <= name.size(); ++i) {
        if (lower_byte(name[i]) != word[0])
            continue;
        size_t k = 1;
        while (k < word.size() && lower_byte(name[i + k]) == word[k])
            ++k;
        if (k == word.size())
            return true;
    }
    return false;
}

bool name_pattern_matches(const NamePattern& pattern, std::string_view name)
{
    if (!pattern.word_match) {
        if (name.size() < pattern.prefix.size())
            return false;
        for (size_t i = 0; i < pattern.prefix.size(); ++i)
            if (lower_byte(name[i]) != pattern.prefix[i])
                return false;
        return true;
    }
    for (const std::string& word : pattern.words) {
        if (word[0] == '^') {
            // "^" alone excludes every name: the empty rest occurs in all of them.
            if (contains_lowered(name, std::string_view(word).substr(1)))
                return false;
        } else if (!contains_lowered(name, word)) {
            return false;
        }
    }
    return true;
}

bool name_match(std::string_view pattern, std::string_view name, bool word_match)
{
    return name_pattern_matches(name_pattern(pattern, word_match), name);
}
