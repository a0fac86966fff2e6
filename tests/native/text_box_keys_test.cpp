#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "input/input_state.h"
#include "input/launchers.h"
#include "input/open_row.h"
#include "input/text_box_keys.h"

TEST(TextBoxKeys, KeyDownByStateAndModifiers)
{
    using K = TextBoxKey;
    struct Case {
        int key;
        bool shift;
        int state;
        K expected;
    } cases[] = {
        {KEY_SHIFT, false, 0, K::none},
        {KEY_ESCAPE, false, 0, K::escape},
        {KEY_ESCAPE, true, 0, K::cancel_clipboard},
        {KEY_ESCAPE, true, 2, K::cancel_clipboard},
        {KEY_ESCAPE, false, 1, K::escape},
        // Waiting for the key to register: only F6 to F9 act.
        {KEY_F6, false, 1, K::choose_registration},
        {KEY_F9, false, 1, K::choose_registration},
        {KEY_F2, false, 1, K::none},
        {KEY_F5, false, 1, K::none},
        {KEY_F11, true, 1, K::none},
        // Every other state, renaming and registering included.
        {KEY_F1, false, 0, K::none},
        {KEY_F2, false, 0, K::make_folder},
        {KEY_F3, false, 2, K::tree_search},
        {KEY_F4, false, 0, K::start_registration},
        {KEY_F4, false, 7, K::start_registration},
        {KEY_F5, false, 0, K::rebuild_data_list},
        {KEY_F6, false, 0, K::launch_application},
        {KEY_F9, false, 6, K::launch_application},
        {KEY_F10, false, 0, K::mode_step},
        {KEY_F11, false, 0, K::focus_bookmarks},
        {KEY_F11, true, 0, K::toggle_addmode},
        {0x7B, false, 0, K::none},  // F12 belongs to the shared keys
        {'A', false, 0, K::none},
    };
    for (const Case& c : cases)
        EXPECT_EQ(text_box_key_down(c.key, c.shift, c.state), c.expected)
            << "key " << c.key << " shift " << c.shift << " state " << c.state;
}

TEST(TextBoxKeys, EscapeStepsBack)
{
    struct Case {
        int state;
        size_t length;
        int level;
        bool stop, leave, clear_status, empty_text, reset_level, drives;
    } cases[] = {
        // Text first, then the level, then the drive list.
        {0, 3, 2, false, false, false, true, true, false},
        {0, 0, 2, false, false, false, false, true, false},
        {0, 0, 0, false, false, false, false, false, true},
        // Renaming: a typed name is only emptied; the next Esc ends the rename.
        {2, 5, 0, true, false, false, true, false, false},
        {2, 0, 0, false, true, false, false, false, true},
        {2, 0, 1, false, true, false, false, true, false},
        // Registration prompts end and their status goes.
        {1, 0, 0, false, true, true, false, false, true},
        {8, 4, 0, false, true, true, true, true, false},
    };
    for (const Case& c : cases) {
        EscapeStep s = escape_step(c.state, c.length, c.level);
        SCOPED_TRACE("state " + std::to_string(c.state) + " length " + std::to_string(c.length) + " level " +
                     std::to_string(c.level));
        EXPECT_EQ(s.stop, c.stop);
        EXPECT_EQ(s.leave_special, c.leave);
        EXPECT_EQ(s.clear_status, c.clear_status);
        EXPECT_EQ(s.empty_text, c.empty_text);
        EXPECT_EQ(s.reset_level, c.reset_level);
        EXPECT_EQ(s.drive_list, c.drives);
    }
}

TEST(TextBoxKeys, KeyUpAndCharacters)
{
    EXPECT_EQ(text_box_key_up(KEY_DOWN), TextBoxKeyUp::to_folder);
    EXPECT_EQ(text_box_key_up(KEY_UP), TextBoxKeyUp::to_list);
    EXPECT_EQ(text_box_key_up(KEY_F5), TextBoxKeyUp::refresh);
    EXPECT_EQ(text_box_key_up('A'), TextBoxKeyUp::refresh);

    using C = TextBoxChar;
    struct Case {
        int character;
        bool ctrl;
        C action;
        bool consumed;
    } cases[] = {
        {0x1B, false, C::none, true},
        {0x16, true, C::paste, false},
        {0x16, false, C::none, false},
        {0x03, true, C::copy, false},
        {0x18, true, C::cut, false},
        {0x1A, true, C::capture, true},
        {0x1A, false, C::none, false},
        {0x10, true, C::copy_rows, false},
        {0x10, false, C::none, false},
        {0x08, false, C::parent_edit, false},
        {0x0A, true, C::open_in_explorer, false},
        {0x0A, false, C::open_in_explorer, true},
        {0x09, false, C::none, true},
        {0x09, true, C::none, false},
        {0x0D, false, C::enter, true},
        {0x0D, true, C::enter, true},
        {'1', false, C::none, false},
    };
    for (const Case& c : cases) {
        CharAction a = text_box_char(c.character, c.ctrl);
        EXPECT_EQ(a.action, c.action) << "char " << c.character << " ctrl " << c.ctrl;
        EXPECT_EQ(a.consumed, c.consumed) << "char " << c.character << " ctrl " << c.ctrl;
    }
}

TEST(TextBoxKeys, TextsForEnterCtrlEnterAndCtrlP)
{
    EXPECT_EQ(enter_target("C:\\dir\\*"), "C:\\dir\\");
    EXPECT_EQ(enter_target("C:\\dir\\**"), "C:\\dir\\*");
    EXPECT_EQ(enter_target("note.txt"), "note.txt");
    EXPECT_EQ(enter_target("*"), "");

    EXPECT_EQ(explorer_folder("C:\\dir\\*", true, "D:\\x\\*"), "C:\\dir");
    EXPECT_EQ(explorer_folder("C:\\dir\\", true, "D:\\x\\*"), "C:\\dir");
    EXPECT_EQ(explorer_folder("notes", false, "D:\\x\\*"), "D:\\x");
    EXPECT_EQ(explorer_folder("", false, "D:\\x\\*"), "D:\\x");
    EXPECT_EQ(explorer_folder("", false, ""), "");
    // A final backslash that is the second byte of ソ stays.
    EXPECT_EQ(explorer_folder("C:\\\x83\x5C", true, ""), "C:\\\x83\x5C");

    EXPECT_EQ(rows_clipboard_text({}), "");
    EXPECT_EQ(rows_clipboard_text({"C:\\a\\*", "C:\\b.txt"}), "C:\\a\\*\r\nC:\\b.txt\r\n");
}

TEST(TextBoxKeys, RegistrationPromptsNameTheirKey)
{
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(std::string(registration_prompt(i)).substr(0, 2), "F" + std::to_string(6 + i));
    EXPECT_STREQ(registration_prompt(4), "");
}

TEST(OpenRow, PlanByKindAndCtrl)
{
    using P = OpenRowPlan;
    struct Case {
        const char* path;
        bool ctrl;
        const char* current;
        P::Kind kind;
        const char* text_box;
        const char* target;
        const char* parameters;
    } cases[] = {
        {"C:\\dir\\sub\\*", false, "C:\\dir\\*", P::list_folder, "C:\\dir\\sub\\*", "C:\\dir\\sub\\*", ""},
        {"C:\\dir\\sub\\*", true, "C:\\dir\\*", P::launch, "C:\\dir\\sub\\*", "explorer", "C:\\dir\\sub"},
        {"C:\\dir\\a.txt", false, "C:\\dir\\*", P::launch, "", "C:\\dir\\a.txt", ""},
        {"C:\\dir\\a.txt", true, "C:\\dir\\*", P::launch, "", "C:\\dir\\", ""},
        {"C:\\dir\\a.txt", true, "C:", P::nothing, "", "", ""},
        {"C:\\*", true, "", P::launch, "C:\\*", "explorer", "C:"},
    };
    for (const Case& c : cases) {
        P p = open_row_plan(c.path, c.ctrl, c.current, "explorer");
        SCOPED_TRACE(std::string(c.path) + (c.ctrl ? " ctrl" : ""));
        EXPECT_EQ(p.kind, c.kind);
        EXPECT_EQ(p.text_box, c.text_box);
        EXPECT_EQ(p.target, c.target);
        EXPECT_EQ(p.parameters, c.parameters);
    }
}

TEST(Launchers, ArgumentStrippedAndQuoted)
{
    EXPECT_EQ(application_argument("C:\\dir\\*"), "C:\\dir");
    EXPECT_EQ(application_argument("C:\\my dir\\*"), "\"C:\\my dir\"");
    EXPECT_EQ(application_argument("C:\\a b.txt"), "\"C:\\a b.txt\"");
    EXPECT_EQ(application_argument("C:\\dir\\"), "C:\\dir");
    EXPECT_EQ(application_argument("C:\\\x83\x5C"), "C:\\\x83\x5C");
}
