// The keys every control shares, the list boxes, the folder view, the number
// box and the modes, driven with real key messages.
#include "fixture.h"

#include <commctrl.h>

#include "app/main_window.h"
#include "app/settings.h"
#include "folder/entry_table.h"
#include "folder/folder_ops.h"
#include "folder/folder_state.h"
#include "input/input_state.h"
#include "lists/list_ops.h"
#include "lists/list_state.h"
#include "lists/string_lists.h"

namespace {

using KeysTest = ControlsTest;

// Remembered entries in the listed folder (the list box shows only those)
// that name nothing on disk.
void remember(const std::string& folder, int count)
{
    for (int i = 1; i <= count; ++i)
        data_list_add(std::nullopt, folder + "entry" + std::to_string(i) + ".txt");
    list_refresh();
}

std::string without_number(const std::string& row)
{
    return row.size() >= 2 && row[1] == '.' ? row.substr(2) : row;
}

int focused_row()
{
    return int(SendMessageA(g_app.folder_view, LVM_GETNEXTITEM, WPARAM(-1), LVNI_FOCUSED));
}

}  // namespace

TEST_F(KeysTest, DigitsOpenTheNumberedRowOfTheControlThatShiftAndWhichChoose)
{
    remember(here, 12);
    const std::vector<std::string> entries = list_rows(g_app.list_box);
    ASSERT_GE(entries.size(), 10u);
    ASSERT_EQ(rows(), 3);

    send_char(box(), '2');  // which 1: the folder view's second row
    ASSERT_EQ(g_shell_calls.size(), 1u);
    EXPECT_EQ(g_shell_calls[0].file, g_entries.entries[size_t(g_entries.row_map[1])].path);

    send_char(box(), '"', false, true);  // Shift+2 on the Japanese layout: the list box
    ASSERT_EQ(g_shell_calls.size(), 2u);
    EXPECT_EQ(g_shell_calls[1].file, without_number(entries[1]));

    press_key_only(box(), '0', false, true);  // Shift+0 acts on its release
    ASSERT_EQ(g_shell_calls.size(), 3u);
    EXPECT_EQ(g_shell_calls[2].file, without_number(entries[9]));

    // A digit that names no row is typed.
    set_text("");
    send_char(box(), '9');
    EXPECT_EQ(g_shell_calls.size(), 3u);
    EXPECT_EQ(text_of(box()), "9");
}

TEST_F(KeysTest, NumberInputModeTypesDigits)
{
    remember(here, 3);
    g_listbox.list_state = LIST_NUMBER_INPUT;
    g_input.number_input = 1;
    set_text("");
    send_char(box(), '3');
    EXPECT_TRUE(g_shell_calls.empty());
    EXPECT_EQ(text_of(box()), "3");
}

TEST_F(KeysTest, CtrlLettersOpenAShortcutAndCtrlStartsANewSequence)
{
    shortcut_add("ab", "C:\\target.exe");
    press_key_only(box(), VK_CONTROL, true);
    send_char(box(), 0x01, true);
    EXPECT_TRUE(g_shell_calls.empty());
    send_char(box(), 0x02, true);
    ASSERT_EQ(g_shell_calls.size(), 1u);
    EXPECT_EQ(g_shell_calls[0].file, "C:\\target.exe");

    press_key_only(box(), VK_CONTROL, true);  // a new press: "b" alone
    send_char(box(), 0x02, true);
    EXPECT_EQ(g_shell_calls.size(), 1u);

    // Holding Ctrl over thirty letters keeps the buffer at seven letters:
    // "ab" after them is no whole sequence, and a new Ctrl press starts over.
    press_key_only(box(), VK_CONTROL, true);
    // (Letters whose Ctrl character means nothing else in the text box.)
    const int plain[] = {0x04, 0x05, 0x06, 0x07, 0x0B, 0x0C, 0x0E, 0x0F, 0x11, 0x12, 0x13, 0x14, 0x15, 0x17, 0x19};
    for (int round = 0; round < 2; ++round)
        for (int c : plain)
            send_char(box(), c, true);
    send_char(box(), 0x01, true);
    send_char(box(), 0x02, true);
    EXPECT_EQ(g_shell_calls.size(), 1u);
    press_key_only(box(), VK_CONTROL, true);
    send_char(box(), 0x01, true);
    send_char(box(), 0x02, true);
    EXPECT_EQ(g_shell_calls.size(), 2u);
}

TEST_F(KeysTest, F12ClimbsLevelsAndEscapeReturns)
{
    data_list_add(std::nullopt, here + "a\\b\\c\\d.txt");
    set_text("");
    list_refresh();
    for (int i = 0; i < 3; ++i)
        press_key(box(), VK_F12);
    EXPECT_EQ(g_listbox.parent_level, 3);
    ASSERT_EQ(list_rows(g_app.list_box).size(), 1u);
    EXPECT_EQ(without_number(list_rows(g_app.list_box)[0]), here + "a");

    press_key(box(), VK_ESCAPE);
    EXPECT_EQ(g_listbox.parent_level, 0);
    EXPECT_EQ(without_number(list_rows(g_app.list_box)[0]), here + "a\\b\\c\\d.txt");
}

TEST_F(KeysTest, AltUpBrowsesBookmarksAndTheAltReleaseListsIt)
{
    bookmark_add(here + "sub");
    bookmark_add("C:\\second");
    list_refresh();
    press_key(box(), VK_UP, false, false, true);
    press_key(box(), VK_UP, false, false, true);
    EXPECT_EQ(text_of(box()), here + "sub");
    EXPECT_EQ(text_of(g_app.display_box), here + "sub");
    SendMessageA(box(), WM_KEYUP, VK_MENU, 0xC0000001);  // Alt goes up
    pump_messages();
    EXPECT_EQ(g_folder.current_folder, here + "sub\\*");
    EXPECT_EQ(g_cursors.last_bookmark_index, -1);

    // No bookmarks: Alt+Up is consumed and nothing changes.
    lists_reset_all();
    list_refresh();
    press_key(box(), VK_UP, false, false, true);
    EXPECT_EQ(g_cursors.last_bookmark_index, -1);
}

TEST_F(KeysTest, AltRightOnTheNewestVisitStays)
{
    recent_record(here + "*", "");
    recent_record(here + "sub\\*", "x");
    press_key(box(), VK_RIGHT, false, false, true);
    EXPECT_EQ(g_folder.current_folder, here + "sub\\*");
    EXPECT_EQ(text_of(box()), "x");
    press_key(box(), VK_LEFT, false, false, true);
    EXPECT_EQ(g_folder.current_folder, here + "*");

    lists_reset_all();  // an empty history: consumed, nothing scanned
    press_key(box(), VK_LEFT, false, false, true);
    EXPECT_EQ(g_folder.current_folder, here + "*");
}

TEST_F(KeysTest, HelpShowsTheKeysAndOpensThePageOnYes)
{
    g_settings.cmd_f[0] = "C:\\six.exe";
    record_message_boxes(IDNO);
    press_key(box(), VK_F1);
    ASSERT_EQ(g_message_boxes.size(), 1u);
    EXPECT_NE(g_message_boxes[0].find("F6:C:\\six.exe\n"), std::string::npos);
    EXPECT_TRUE(g_shell_calls.empty());

    record_message_boxes(IDYES);
    press_key(box(), VK_F1);
    ASSERT_EQ(g_shell_calls.size(), 1u);
    EXPECT_EQ(g_shell_calls[0].file, folder.file("help\\help.html"));
}

TEST_F(KeysTest, FolderViewWrapsWithTheTitleAndOpensRows)
{
    ASSERT_EQ(rows(), 3);
    set_title("Nimbrel");
    focus_row(0);
    EXPECT_EQ(title(), here + "sub\\*");  // gaining the focus shows the first row's path
    // The shared handler answers LVM_DELETEALLITEMS itself: the rows stay.
    EXPECT_EQ(SendMessageA(g_app.folder_view, LVM_DELETEALLITEMS, 0, 0), 0);
    EXPECT_EQ(rows(), 3);
    press_key(g_app.folder_view, VK_UP);
    EXPECT_EQ(focused_row(), 2);
    EXPECT_EQ(title(), g_entries.entries[size_t(g_entries.row_map[2])].path);
    press_key(g_app.folder_view, VK_DOWN);
    EXPECT_EQ(focused_row(), 0);
    EXPECT_EQ(title(), here + "sub\\*");

    // Ctrl+Enter on a file row opens the folder that holds it.
    focus_row(1);
    press_key(g_app.folder_view, VK_RETURN, true);
    ASSERT_EQ(g_shell_calls.size(), 1u);
    EXPECT_EQ(g_shell_calls[0].file, here);

    // Enter on the folder row lists it.
    focus_row(0);
    press_key(g_app.folder_view, VK_RETURN);
    EXPECT_EQ(g_folder.current_folder, here + "sub\\*");
}

TEST_F(KeysTest, CtrlSpaceInTheFolderViewBuildsASelection)
{
    focus_row(0);
    press_key(g_app.folder_view, VK_DOWN);
    press_key(g_app.folder_view, VK_SPACE, true);
    focus_row(2);
    press_key(g_app.folder_view, VK_SPACE, true);
    EXPECT_EQ(SendMessageA(g_app.folder_view, LVM_GETSELECTEDCOUNT, 0, 0), 2);
    EXPECT_TRUE(g_message_boxes.empty());  // no question to delete every row
    EXPECT_EQ(rows(), 3);
}

TEST_F(KeysTest, TypingInTheFolderViewGoesToTheTextBox)
{
    set_text("");
    focus_row(0);
    press_key(g_app.folder_view, 'R');
    EXPECT_EQ(GetFocus(), box());
    EXPECT_EQ(text_of(box()), "r");
}

TEST_F(KeysTest, ListBoxArrowsWrapAndAnEmptyListSendsTheFocusBack)
{
    remember(here, 3);
    HWND list = g_app.list_box;
    SetFocus(list);
    SendMessageA(list, LB_SETCURSEL, 0, 0);
    press_key(list, VK_UP);
    EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), 2);
    press_key(list, VK_DOWN);
    EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), 0);
    EXPECT_EQ(GetFocus(), list);

    SetFocus(g_app.second_list_box);  // no bookmarks
    press_key(g_app.second_list_box, VK_DOWN);
    EXPECT_EQ(GetFocus(), box());
}

TEST_F(KeysTest, DeleteRevertsAKeywordThenRemovesTheEntry)
{
    data_list_add(std::string_view(here + "k.txt"), here + "k.txt kw");
    set_text("");
    list_refresh();
    ASSERT_EQ(list_rows(g_app.list_box).size(), 1u);
    SetFocus(g_app.list_box);
    SendMessageA(g_app.list_box, LB_SETCURSEL, 0, 0);
    press_key(g_app.list_box, VK_DELETE);
    ASSERT_EQ(g_lists.data.size(), 1u);
    EXPECT_EQ(g_lists.data[0].line, here + "k.txt");
    list_refresh();
    ASSERT_EQ(list_rows(g_app.list_box).size(), 1u);
    EXPECT_EQ(without_number(list_rows(g_app.list_box)[0]), here + "k.txt");

    SendMessageA(g_app.list_box, LB_SETCURSEL, 0, 0);
    press_key(g_app.list_box, VK_DELETE);
    EXPECT_TRUE(g_lists.data.empty());
    EXPECT_TRUE(list_rows(g_app.list_box).empty());
    EXPECT_EQ(GetFocus(), box());
}

TEST_F(KeysTest, ADoubleClickOnABookmarkOpensThatBookmark)
{
    remember(here, 2);
    bookmark_add(here + "sub");
    list_refresh();
    SendMessageA(g_app.second_list_box, LB_SETCURSEL, 0, 0);
    SendMessageA(g_app.list_box, LB_SETCURSEL, 1, 0);
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(1, LBN_DBLCLK), reinterpret_cast<LPARAM>(g_app.second_list_box));
    pump_messages();
    EXPECT_EQ(g_folder.current_folder, here + "sub\\*");
    EXPECT_TRUE(g_shell_calls.empty());  // the history entry was not opened
}

TEST_F(KeysTest, NumberBoxFiltersByDaysAndKeepsTheText)
{
    // An old file that a 30-day filter hides.
    folder.write("here\\old.txt", "o");
    HANDLE f = CreateFileA(folder.file("here\\old.txt").c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(f, INVALID_HANDLE_VALUE);
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    ULARGE_INTEGER t{{now.dwLowDateTime, now.dwHighDateTime}};
    t.QuadPart -= 60ULL * 24 * 3600 * 10000000;
    FILETIME old{t.LowPart, t.HighPart};
    SetFileTime(f, nullptr, nullptr, &old);
    CloseHandle(f);
    go_to_folder(here);

    set_text("txt");
    list_refresh();
    ASSERT_EQ(rows(), 3);
    SetFocus(g_app.number_box);
    SetWindowTextA(g_app.number_box, "30");
    press_key(g_app.number_box, VK_RETURN);
    EXPECT_EQ(g_settings.filterdate, 30);
    EXPECT_EQ(GetFocus(), box());
    EXPECT_EQ(text_of(box()), "txt");
    EXPECT_EQ(rows(), 2);

    // Letters: the message, an emptied box, the digits' value.
    SetFocus(g_app.number_box);
    SetWindowTextA(g_app.number_box, "12ab");
    SetFocus(box());
    ASSERT_EQ(g_message_boxes.size(), 1u);
    EXPECT_EQ(g_message_boxes[0], "12ab");
    EXPECT_EQ(g_settings.filterdate, 12);
    EXPECT_EQ(text_of(g_app.number_box), "");
}

TEST_F(KeysTest, CtrlUParksAndRestoresAReversedFilter)
{
    SetFocus(g_app.number_box);
    SetWindowTextA(g_app.number_box, "^7");
    SetFocus(box());
    EXPECT_EQ(g_settings.filterdate, 7);
    EXPECT_TRUE(g_settings.filter_reversed);

    press_key(box(), 'U', true);
    EXPECT_EQ(g_settings.filterdate, -1);
    EXPECT_EQ(text_of(g_app.number_box), "");
    press_key(box(), 'U', true);
    EXPECT_EQ(g_settings.filterdate, 7);
    EXPECT_EQ(text_of(g_app.number_box), "^7");
    EXPECT_TRUE(g_settings.filter_reversed);
}

TEST_F(KeysTest, F10StepsThroughTheModesBackToRest)
{
    g_listbox.list_state = LIST_DATA_SCANNED;
    const char* const titles[] = {"履歴モード", "数字入力モード", "フォルダサイズ表示モード", "Nimbrel"};
    const int states[] = {LIST_RECENT, LIST_NUMBER_INPUT, LIST_FOLDER_SIZES, LIST_DATA_SCANNED};
    for (int i = 0; i < 4; ++i) {
        press_key(box(), VK_F10);
        EXPECT_EQ(title(), titles[i]);
        EXPECT_EQ(g_listbox.list_state, states[i]);
        EXPECT_EQ(status_part(1), i == 3 ? "" : titles[i]);
    }
    EXPECT_EQ(g_input.number_input, 0);
}
