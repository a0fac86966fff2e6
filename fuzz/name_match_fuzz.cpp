// Checks the name match for any pattern and name: the words it cuts are
// exactly a plain re-reading of the cutting rule, and both the word match and
// the prefix match equal a slow reference that decodes the texts into
// characters, folds each one alone and compares lists of characters.
#include <cstdint>
#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "folder/name_match.h"
#include "folder/path_rules.h"

// The cutting rule read the other way: mark which characters are separators,
// then split there.
static std::vector<std::string> words_by_marking(const std::string& p)
{
    std::vector<size_t> starts;
    for (size_t i = 0; i < p.size(); i += character_length(p, i))
        starts.push_back(i);
    std::vector<std::string> words;
    std::string word;
    bool previous_separated = false;
    for (size_t k = 0; k < starts.size(); ++k) {
        size_t at = starts[k], end = k + 1 < starts.size() ? starts[k + 1] : p.size();
        std::string c = p.substr(at, end - at);
        bool blank = c == " " && end < p.size();
        bool full = c == "\x81\x40";
        bool separator = !previous_separated && (blank || full);
        previous_separated = separator;
        if (separator) {
            if (!word.empty())
                words.push_back(word);
            word.clear();
        } else {
            word += c;
        }
    }
    if (!word.empty())
        words.push_back(word);
    return words;
}

// The characters of a text, each case-folded on its own.
static std::vector<std::string> folded_characters(const std::string& s)
{
    std::vector<std::string> characters;
    for (size_t i = 0; i < s.size(); i += character_length(s, i))
        characters.push_back(ascii_folded(s.substr(i, character_length(s, i))));
    return characters;
}

// An empty word occurs in every name, the empty one included.
static bool occurs(const std::vector<std::string>& name, const std::vector<std::string>& word)
{
    return word.empty() || std::search(name.begin(), name.end(), word.begin(), word.end()) != name.end();
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string input(reinterpret_cast<const char*>(data), size);
    size_t cut = input.find('\n');
    std::string pattern = input.substr(0, cut);
    std::string name = cut == std::string::npos ? std::string() : input.substr(cut + 1);

    std::vector<std::string> words = name_pattern_words(pattern);
    if (words != words_by_marking(pattern))
        abort();
    std::vector<std::string> name_characters = folded_characters(name);
    bool all = true;
    for (const std::string& w : words) {
        bool caret = w[0] == '^';
        bool found = occurs(name_characters, folded_characters(caret ? w.substr(1) : w));
        all = all && (caret ? !found : found);
    }
    if (name_match(pattern, name, true) != all)
        abort();
    std::vector<std::string> prefix_characters = folded_characters(pattern);
    bool prefix = prefix_characters.size() <= name_characters.size() &&
                  std::equal(prefix_characters.begin(), prefix_characters.end(), name_characters.begin());
    if (name_match(pattern, name, false) != prefix)
        abort();
    return 0;
}
