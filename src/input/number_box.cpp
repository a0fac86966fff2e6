#include "input/number_box.h"

#include <climits>

#include "folder/path_rules.h"
#include "lists/list_state.h"

NumberCommit number_commit(std::string_view box_text)
{
    NumberCommit c;
    // Fifteen characters, never half of a double-byte one.
    std::string text = cut_at_character(box_text, 15);
    if (text.empty())
        return c;
    c.set_direction = true;
    c.forward = text[0] != '^';
    if (!c.forward)
        text[0] = '0';
    for (char ch : text)
        if (ch < '0' || ch > '9')
            c.not_a_number = true;
    c.shown = text;
    // The leading digits; a count beyond int stops at its largest value.
    long long value = 0;
    for (size_t i = 0; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > INT_MAX) {
            value = INT_MAX;
            break;
        }
    }
    c.filterdate = int(value);
    return c;
}

DateFilterResult date_filter_keys(DateFilter& f, bool shift, bool alt)
{
    DateFilterResult r;
    if (shift) {
        f.forward = !f.forward;
        if (f.filterdate2 == -2) {
            f.filterdate2 = f.filterdate;
            f.filterdate = -1;
        }
    }
    if (alt) {
        r.focus_number_box = true;
        return r;
    }
    r.set_box = true;
    if (f.filterdate2 == -2) {
        f.filterdate2 = f.filterdate;
        f.filterdate = -1;
    } else {
        f.filterdate = f.filterdate2;
        r.box = f.forward ? std::string() : std::string("^");
        r.box += std::to_string(f.filterdate);
        f.filterdate2 = -2;
    }
    return r;
}

ModeStep mode_step_after(int list_state)
{
    ModeStep m;
    switch (list_state) {
    case LIST_DATA_SCANNED:
        m.list_state = LIST_RECENT;
        m.title = m.status = "履歴モード";
        m.refresh_before = true;
        break;
    case LIST_RECENT:
        m.list_state = LIST_NUMBER_INPUT;
        m.title = m.status = "数字入力モード";
        m.number_input = 1;
        break;
    case LIST_NUMBER_INPUT:
        m.list_state = LIST_FOLDER_SIZES;
        m.title = m.status = "フォルダサイズ表示モード";
        m.number_input = 0;
        m.refresh_after = true;
        break;
    default:
        m.refresh_after = true;
        break;
    }
    return m;
}
