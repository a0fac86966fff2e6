#include "app/settings_rules.h"

#include "folder/path_rules.h"

bool rectangle_rule_passes(int top, int bottom, int right, int left)
{
    if (top == 0 && bottom == 0 && right == 0 && left == 0)
        return false;
    for (int edge : {top, bottom, right, left})
        if (edge < -50 || edge >= 1500)
            return false;
    return true;
}

uint8_t colour_component(int value)
{
    return uint8_t(unsigned(value) & 0xFFu);
}

int which_held(int value)
{
    return value != 0 ? 1 : 0;
}

int timelimit_stored(int value)
{
    return value < 5 ? 5 : value;
}

std::string number_box_text(int filterdate, bool reversed)
{
    if (filterdate == -1)
        return std::string();
    std::string text = reversed ? "^" : "";
    text += std::to_string(filterdate);
    return text;
}

std::string now_txt_value(std::string_view text_box_text)
{
    return cut_at_character(text_box_text, 511);
}

bool filter_needs_repair(std::string_view stored)
{
    return stored == "null";
}

std::string filter_repaired(std::string_view stored)
{
    if (filter_needs_repair(stored))
        return std::string();
    return ascii_folded(stored);
}

std::string backup_date_held(std::string_view stored)
{
    return cut_at_character(stored, 8);
}

std::string setting_integer_text(int value)
{
    return std::to_string(value);
}
