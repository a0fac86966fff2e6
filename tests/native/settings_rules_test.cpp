#include <gtest/gtest.h>

#include <string>

#include "app/settings_rules.h"
#include "app/watchdog.h"
#include "lists/text_box_edit.h"

TEST(SettingsRules, RectangleRule)
{
    struct Case {
        int top, bottom, right, left;
        bool passes;
    } cases[] = {
        {0, 0, 0, 0, false},        {100, 400, 700, 100, true}, {-50, 0, 0, 0, true},
        {-51, 400, 700, 100, false}, {100, 1499, 700, 100, true}, {100, 1500, 700, 100, false},
        {-32000, -31970, -31840, -32000, false},  // a minimised window
    };
    for (const Case& c : cases)
        EXPECT_EQ(rectangle_rule_passes(c.top, c.bottom, c.right, c.left), c.passes)
            << c.top << " " << c.bottom << " " << c.right << " " << c.left;
}

TEST(SettingsRules, ValueRules)
{
    EXPECT_EQ(colour_component(256), 0);
    EXPECT_EQ(colour_component(511), 255);
    EXPECT_EQ(colour_component(-1), 255);
    EXPECT_EQ(which_held(2), 1);
    EXPECT_EQ(which_held(-3), 1);
    EXPECT_EQ(which_held(0), 0);
    EXPECT_EQ(timelimit_stored(3), 5);
    EXPECT_EQ(timelimit_stored(-9), 5);
    EXPECT_EQ(timelimit_stored(120), 120);
    EXPECT_EQ(number_box_text(-1, true), "");
    EXPECT_EQ(number_box_text(7, true), "^7");
    EXPECT_EQ(number_box_text(0, false), "0");
    EXPECT_EQ(number_box_text(-2, false), "-2");
    EXPECT_EQ(backup_date_held("2026010512345"), "20260105");
    EXPECT_EQ(backup_date_held("1234567\x82\xA0"), "1234567");  // never half a character
}

TEST(SettingsRules, FilterRepair)
{
    EXPECT_TRUE(filter_needs_repair("null"));
    EXPECT_FALSE(filter_needs_repair("NULL"));
    EXPECT_EQ(filter_repaired("null"), "");
    EXPECT_EQ(filter_repaired("NULL"), "null");
    // 0x83 0x41 is one character: its second byte is not a capital A.
    EXPECT_EQ(filter_repaired("AB\x83\x41Z"), "ab\x83\x41z");
}

TEST(SettingsRules, NowTxtIsCutAtACharacterBoundary)
{
    std::string text = "a";
    for (int i = 0; i < 300; ++i)
        text += "\x95\x5C";
    EXPECT_EQ(now_txt_value(text), text.substr(0, 511));
    EXPECT_EQ(now_txt_value("b" + text), ("b" + text).substr(0, 510));
    EXPECT_EQ(now_txt_value("short"), "short");
}

TEST(Watchdog, Arithmetic)
{
    EXPECT_EQ(watchdog_first_sleep_ms(120), 120000);
    EXPECT_EQ(watchdog_first_sleep_ms(0), 0);
    EXPECT_EQ(watchdog_first_sleep_ms(-5), 0);  // never a negative sleep

    ActivityClock clock;
    clock.checkpoint_time = 1000;
    clock.activity_time = 1001;  // within a second of the checkpoint: ends
    EXPECT_EQ(watchdog_check(clock), -1);
    EXPECT_EQ(clock.checkpoint_time, 1000);
    // Activity 50 s after the start, limit 120: the wake-up at 120 s sleeps
    // 50 s more, so the end comes 170 s after the start.
    clock.activity_time = 1050;
    EXPECT_EQ(watchdog_check(clock), 50000);
    EXPECT_EQ(clock.checkpoint_time, 1050);
    EXPECT_EQ(watchdog_check(clock), -1);
}

TEST(SelectionText, Range)
{
    struct Case {
        std::string text;
        size_t start, end, from, length;
    } cases[] = {
        {"abcdef", 1, 4, 1, 3},
        {"ab\r\ncd", 0, 4, 0, 2},   // ends in CR LF: the pair is dropped
        {"\n", 0, 1, 0, 0},         // below 1: empty
        {"abc", 2, 2, 0, 0},
        {"abc", 1, 99, 1, 2},       // an end past the text is clamped
        {"abc", 3, 1, 0, 0},
    };
    for (const Case& c : cases) {
        SelectionRange r = selection_range(c.text, c.start, c.end);
        EXPECT_EQ(r.length, c.length) << testing::PrintToString(c.text) << c.start << "-" << c.end;
        if (c.length) {
            EXPECT_EQ(r.start, c.from);
        }
    }
}
