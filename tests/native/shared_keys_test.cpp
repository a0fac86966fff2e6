#include <gtest/gtest.h>

#include <string>

#include "input/number_box.h"
#include "input/shared_keys.h"
#include "lists/list_state.h"

TEST(SharedKeys, KeyDownInTheOrderTheyAreChecked)
{
    using S = SharedKey;
    struct Case {
        int key;
        bool ctrl, alt;
        S expected;
    } cases[] = {
        {0x11, false, false, S::ctrl_down},
        {0x7B, false, false, S::level_up},
        {0x7B, true, false, S::level_up},
        {0x70, false, true, S::help},
        {'U', true, false, S::date_filter},
        {'U', true, true, S::date_filter},
        {'U', false, false, S::none},
        {'S', true, false, S::save},
        {'O', true, false, S::load_all},
        {'W', true, false, S::end_program},
        {0x09, false, false, S::tab_entry},
        {0x09, true, false, S::tab_entry},
        {'T', true, false, S::stamp},
        {0x27, false, true, S::recent_forward},
        {0x25, false, true, S::recent_back},
        {0x26, false, true, S::bookmark_back},
        {0x28, false, true, S::bookmark_forward},
        {0x26, false, false, S::none},
        {'A', true, false, S::none},
    };
    for (const Case& c : cases)
        EXPECT_EQ(shared_key_down(c.key, c.ctrl, c.alt), c.expected)
            << "key " << c.key << " ctrl " << c.ctrl << " alt " << c.alt;
}

TEST(SharedKeys, DigitFormAndNumberedControl)
{
    EXPECT_EQ(digit_form('!'), '1');
    EXPECT_EQ(digit_form('"'), '2');
    EXPECT_EQ(digit_form(')'), '9');
    EXPECT_EQ(digit_form('*'), ':');  // no digit
    EXPECT_EQ(digit_form('+'), '+');
    EXPECT_EQ(digit_form(' '), ' ');
    EXPECT_EQ(digit_form('5'), '5');

    using N = NumberedControl;
    struct Case {
        bool tab, shift;
        int which;
        N expected;
    } cases[] = {
        {false, false, 1, N::folder_view}, {false, true, 1, N::list_box},
        {false, false, 0, N::list_box},    {false, true, 0, N::folder_view},
        {true, false, 1, N::list_box},     {true, true, 0, N::list_box},
    };
    for (const Case& c : cases)
        EXPECT_EQ(numbered_control(c.tab, c.shift, c.which), c.expected)
            << "tab " << c.tab << " shift " << c.shift << " which " << c.which;
}

TEST(SharedKeys, ShortcutBufferKeepsTheLastSevenLetters)
{
    ShortcutBuffer b;
    shortcut_type(b, 0x01);  // Ctrl+A
    shortcut_type(b, 0x02);
    EXPECT_EQ(b.letters, "ab");
    for (int c = 0x03; c <= 0x1A; ++c)  // c to z: far past seven letters
        shortcut_type(b, c);
    EXPECT_EQ(b.letters, "tuvwxyz");
    EXPECT_EQ(b.letters.size(), SHORTCUT_LETTERS);
}

TEST(SharedKeys, BrowseStepsStayInRange)
{
    EXPECT_EQ(browse_step(-1, -1, 3), 0);
    EXPECT_EQ(browse_step(0, -1, 3), 0);
    EXPECT_EQ(browse_step(-1, 1, 3), 0);
    EXPECT_EQ(browse_step(1, 1, 3), 2);
    EXPECT_EQ(browse_step(2, 1, 3), 2);  // the newest stays
    EXPECT_EQ(browse_step(5, -1, 3), 2);  // a stale index comes back into range
}

TEST(SharedKeys, HelpTextListsTheApplications)
{
    const std::string apps[4] = {"C:\\a.exe", "", "C:\\c d.exe", ""};
    std::string text = help_text(apps);
    EXPECT_EQ(text.rfind("F1:", 0), 0u);
    EXPECT_NE(text.find("F6:C:\\a.exe\nF7:\nF8:C:\\c d.exe\nF9:\n"), std::string::npos);
    EXPECT_NE(text.find("F12:"), std::string::npos);
    EXPECT_EQ(text.find("\n\n"), text.rfind("\n\n"));  // one blank line, before the question
}

TEST(NumberBox, CommitRules)
{
    struct Case {
        const char* text;
        int filterdate;
        bool set_direction, forward, not_a_number;
        const char* shown;
    } cases[] = {
        {"", -1, false, true, false, ""},
        {"30", 30, true, true, false, "30"},
        {"^7", 7, true, false, false, "07"},
        {"^", 0, true, false, false, "0"},  // a caret alone: zero days, reversed
        {"12ab", 12, true, true, true, "12ab"},
        {"abc", 0, true, true, true, "abc"},
        {"^x", 0, true, false, true, "0x"},
        {"123456789012345678", 2147483647, true, true, false, "123456789012345"},  // 15 read, int's end
        {"99999999999", 2147483647, true, true, false, "99999999999"},
        {"-5", 0, true, true, true, "-5"},
    };
    for (const Case& c : cases) {
        NumberCommit r = number_commit(c.text);
        SCOPED_TRACE(c.text);
        EXPECT_EQ(r.filterdate, c.filterdate);
        EXPECT_EQ(r.set_direction, c.set_direction);
        EXPECT_EQ(r.forward, c.forward);
        EXPECT_EQ(r.not_a_number, c.not_a_number);
        EXPECT_EQ(r.shown, c.shown);
    }
}

TEST(NumberBox, DateFilterKeysParkAndRestore)
{
    DateFilter f{7, -2, false};  // "^7" committed
    DateFilterResult r = date_filter_keys(f, false, false);
    EXPECT_EQ(f.filterdate, -1);
    EXPECT_EQ(f.filterdate2, 7);
    EXPECT_TRUE(r.set_box);
    EXPECT_EQ(r.box, "");

    r = date_filter_keys(f, false, false);
    EXPECT_EQ(f.filterdate, 7);
    EXPECT_EQ(f.filterdate2, -2);
    EXPECT_EQ(r.box, "^7");

    // Shift reverses the direction and leaves the filter on.
    r = date_filter_keys(f, true, false);
    EXPECT_TRUE(f.forward);
    EXPECT_EQ(f.filterdate, 7);
    EXPECT_EQ(r.box, "7");

    // Alt only moves the focus.
    DateFilter g{30, -2, true};
    r = date_filter_keys(g, false, true);
    EXPECT_TRUE(r.focus_number_box);
    EXPECT_FALSE(r.set_box);
    EXPECT_EQ(g.filterdate, 30);
}

TEST(NumberBox, ModeStepCycle)
{
    struct Case {
        int from, to, number_input;
        std::string title;
        bool before, after;
    } cases[] = {
        {LIST_DATA_SCANNED, LIST_RECENT, -1, "履歴モード", true, false},
        {LIST_RECENT, LIST_NUMBER_INPUT, 1, "数字入力モード", false, false},
        {LIST_NUMBER_INPUT, LIST_FOLDER_SIZES, 0, "フォルダサイズ表示モード", false, true},
        {LIST_FOLDER_SIZES, LIST_DATA_SCANNED, -1, "Nimbrel", false, true},
        {LIST_DATA, LIST_DATA_SCANNED, -1, "Nimbrel", false, true},
    };
    for (const Case& c : cases) {
        ModeStep m = mode_step_after(c.from);
        SCOPED_TRACE(c.from);
        EXPECT_EQ(m.list_state, c.to);
        EXPECT_EQ(m.title, c.title);
        EXPECT_EQ(std::string(m.status), c.to == LIST_DATA_SCANNED ? "" : c.title);
        EXPECT_EQ(m.number_input, c.number_input);
        EXPECT_EQ(m.refresh_before, c.before);
        EXPECT_EQ(m.refresh_after, c.after);
    }
}
