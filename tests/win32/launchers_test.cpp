// F6 to F9 in the three kinds of control: the registered application gets
// the current item, stripped and quoted; an empty path says so.
#include "fixture.h"

#include <commctrl.h>

#include "app/settings.h"
#include "folder/folder_ops.h"
#include "input/input_state.h"
#include "lists/list_ops.h"
#include "lists/string_lists.h"

using LaunchersTest = ControlsTest;

TEST_F(LaunchersTest, AnEmptyPathSaysSoInEveryControl)
{
    bookmark_add("C:\\mark");
    set_text("");
    list_refresh();
    press_key(box(), VK_F7);
    SetFocus(g_app.second_list_box);
    SendMessageA(g_app.second_list_box, LB_SETCURSEL, 0, 0);  // the key release refilled it
    press_key(g_app.second_list_box, VK_F7);
    focus_row(0);
    press_key(g_app.folder_view, VK_F7);
    ASSERT_EQ(g_message_boxes.size(), 3u);
    for (const std::string& m : g_message_boxes)
        EXPECT_EQ(m, "登録されていません。");
    EXPECT_TRUE(g_shell_calls.empty());
}

TEST_F(LaunchersTest, TheItemArrivesStrippedAndQuoted)
{
    CreateDirectoryA(folder.file("here\\my dir").c_str(), nullptr);
    go_to_folder(here);
    g_settings.cmd_f[1] = "C:\\viewer.exe";
    set_text("my");
    list_refresh();
    press_key(box(), VK_F7);  // the first row: a folder with a blank
    ASSERT_EQ(g_shell_calls.size(), 1u);
    EXPECT_EQ(g_shell_calls[0].parameters, "\"" + here + "my dir\"");

    set_text("nothing matches");
    list_refresh();
    press_key(box(), VK_F7);  // an empty view: nothing
    EXPECT_EQ(g_shell_calls.size(), 1u);

    bookmark_add(here + "sub");
    set_text("");
    list_refresh();
    SetFocus(g_app.second_list_box);
    SendMessageA(g_app.second_list_box, LB_SETCURSEL, 0, 0);
    press_key(g_app.second_list_box, VK_F7);
    ASSERT_EQ(g_shell_calls.size(), 2u);
    EXPECT_EQ(g_shell_calls[1].parameters, here + "sub");
}

TEST_F(LaunchersTest, DuringARenameOnlyTheFolderViewLaunches)
{
    g_settings.cmd_f[3] = "C:\\tool.exe";
    set_text("");
    list_refresh();
    g_input.input_state = INPUT_RENAME;
    press_key(box(), VK_F9);
    EXPECT_TRUE(g_shell_calls.empty());
    focus_row(0);
    press_key(g_app.folder_view, VK_F9);
    ASSERT_EQ(g_shell_calls.size(), 1u);
    EXPECT_EQ(g_shell_calls[0].parameters, here + "sub");  // a folder row without "\*"
}
