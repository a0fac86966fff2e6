#include "input/menu_rows.h"

std::vector<MenuRow> popup_menu_rows(const std::vector<std::string>& entries, int first_id,
                                     const std::vector<MenuRow>& below)
{
    std::vector<MenuRow> rows;
    rows.reserve(entries.size() + below.size());
    for (size_t i = entries.size(); i-- > 0;)
        rows.push_back(MenuRow{entries[i], first_id + int(i)});
    rows.insert(rows.end(), below.begin(), below.end());
    return rows;
}

const std::vector<MenuRow>& keyword_menu_below()
{
    static const std::vector<MenuRow> below{{"新規", KEYWORD_MENU_NEW}, {"キャンセル", KEYWORD_MENU_CANCEL}};
    return below;
}
