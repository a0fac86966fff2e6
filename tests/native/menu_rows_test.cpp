#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "input/menu_rows.h"

namespace {

using Rows = std::vector<std::pair<std::string, int>>;

Rows rows_of(const std::vector<MenuRow>& rows)
{
    Rows out;
    for (const MenuRow& r : rows)
        out.emplace_back(r.text, r.id);
    return out;
}

}  // namespace

TEST(MenuRows, NewestEntryOnTopAboveTheFixedRows)
{
    struct Case {
        std::vector<std::string> entries;
        int first_id;
        std::vector<MenuRow> below;
        Rows expected;
    } cases[] = {
        // Capture and stamp menus: identifiers 1 to n, the last entry on top.
        {{"A", "B", "C"}, 1, {}, {{"C", 3}, {"B", 2}, {"A", 1}}},
        {{"only"}, 1, {}, {{"only", 1}}},
        {{}, 1, {}, {}},
        // Keyword menu: keywords from 4 on, then "new" and "cancel".
        {{"k0", "k1"}, KEYWORD_MENU_FIRST, keyword_menu_below(),
         {{"k1", 5}, {"k0", 4}, {"新規", 3}, {"キャンセル", 2}}},
        {{}, KEYWORD_MENU_FIRST, keyword_menu_below(), {{"新規", 3}, {"キャンセル", 2}}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(rows_of(popup_menu_rows(c.entries, c.first_id, c.below)), c.expected)
            << c.entries.size() << " entries from " << c.first_id;
}
