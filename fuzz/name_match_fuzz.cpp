// Checks the name match for any pattern and name: the words it cuts are
// exactly a plain re-reading of the cutting rule, a word match equals the
// conjunction of its words, and the prefix match equals a plain prefix test.
#include <cstdint>
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

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string input(reinterpret_cast<const char*>(data), size);
    size_t cut = input.find('\n');
    std::string pattern = input.substr(0, cut);
    std::string name = cut == std::string::npos ? std::string() : input.substr(cut + 1);

    std::vector<std::string> words = name_pattern_words(pattern);
    if (words != words_by_marking(pattern))
        abort();
    std::string lower_name = ascii_lower(name);
    bool all = true;
    for (const std::string& w : name_pattern_words(ascii_lower(pattern))) {
        bool found = lower_name.find(w[0] == '^' ? w.substr(1) : w) != std::string::npos;
        all = all && (w[0] == '^' ? !found : found);
    }
    if (name_match(pattern, name, true) != all)
        abort();
    std::string lower_pattern = ascii_lower(pattern);
    bool prefix = lower_name.compare(0, lower_pattern.size(), lower_pattern) == 0 && lower_name.size() >= lower_pattern.size();
    if (name_match(pattern, name, false) != prefix)
        abort();
    return 0;
}
