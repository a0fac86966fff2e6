// Checks the parent view's ancestor rule against the backward byte scan it is
// defined by: every byte from the last to the first, counting backslashes,
// colons and slashes that begin a character.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "folder/entry_table.h"
#include "folder/path_rules.h"

static bool ancestor_by_backward_scan(const std::string& s, int n, std::string& out)
{
    int count = 0;
    for (size_t i = s.size(); i-- > 0;) {
        char c = s[i];
        if ((c == '\\' || c == ':' || c == '/') && character_start(s, i) && ++count == n) {
            if (i <= 1)
                return false;
            out = s.substr(0, i);
            return true;
        }
    }
    return false;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    int n = data[0] % 8;
    std::string entry(reinterpret_cast<const char*>(data) + 1, size - 1);
    std::string fast = "unchanged", slow = "unchanged";
    bool a = parent_ancestor(entry, n, fast);
    bool b = ancestor_by_backward_scan(entry, n, slow);
    if (a != b || fast != slow)
        abort();
    if (a && (fast.size() >= entry.size() || !character_start(entry, fast.size())))
        abort();
    return 0;
}
