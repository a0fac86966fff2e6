// The rows of the keyboard-opened pop-up menus: the capture menu, the stamp
// menu and the keyword menu of the list boxes.
#pragma once

#include <string>
#include <vector>

struct MenuRow {
    std::string text;
    int id = 0;  // command identifier; a menu closed without a choice gives 0
};

// Top to bottom: the entries from the last to the first, entry i with the
// identifier first_id + i, then the fixed rows of `below` in their order.
// This is what inserting the fixed rows and then each entry at the top
// gives, which is how the menus are built.
std::vector<MenuRow> popup_menu_rows(const std::vector<std::string>& entries, int first_id,
                                     const std::vector<MenuRow>& below);

// The keyword menu: keyword i has the identifier i + 4, under them "new"
// (3) and "cancel" (2).
inline constexpr int KEYWORD_MENU_CANCEL = 2;
inline constexpr int KEYWORD_MENU_NEW = 3;
inline constexpr int KEYWORD_MENU_FIRST = 4;
const std::vector<MenuRow>& keyword_menu_below();
