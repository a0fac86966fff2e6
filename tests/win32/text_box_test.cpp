// The text box procedure driven with real key messages: Esc stepping back,
// the registration of F6 to F9, Enter by input state, the function keys and
// the clipboard texts of Ctrl+P.
#include "fixture.h"

#include <commctrl.h>

#include "app/launch.h"
#include "app/main_window.h"
#include "app/settings.h"
#include "folder/entry_table.h"
#include "folder/file_ops.h"
#include "folder/folder_ops.h"
#include "folder/folder_state.h"
#include "input/input_state.h"
#include "lists/data_files_io.h"
#include "lists/list_ops.h"
#include "lists/list_state.h"
#include "lists/string_lists.h"

namespace {

const char REGISTRATION_TITLE[] = "キー登録モード　-　F6～F9キーを押して下さい";

using TextBoxTest = ControlsTest;

}  // namespace

TEST_F(TextBoxTest, EscapeStepsBackFromTextToLevelToDrives)
{
    set_text("rep");
    g_listbox.parent_level = 2;
    press_key(box(), VK_ESCAPE);
    EXPECT_EQ(text_of(box()), "");
    EXPECT_EQ(g_listbox.parent_level, 0);
    EXPECT_EQ(g_folder.current_folder, here + "*");

    g_listbox.parent_level = 1;  // as a climb in the list box leaves it
    press_key(box(), VK_ESCAPE);
    EXPECT_EQ(g_listbox.parent_level, 0);
    EXPECT_EQ(g_folder.current_folder, here + "*");

    g_input.number_input = 1;
    press_key(box(), VK_ESCAPE);
    EXPECT_EQ(g_folder.current_folder, "");
    EXPECT_EQ(text_of(g_app.display_box), "");
    EXPECT_EQ(title(), "Nimbrel");
    EXPECT_EQ(g_input.number_input, 0);
    ASSERT_FALSE(g_entries.entries.empty());
    EXPECT_EQ(g_entries.entries[0].path.substr(1), ":\\*");  // a drive root
}

TEST_F(TextBoxTest, EscapeWhileRenamingFirstEmptiesTheNameThenEndsTheRename)
{
    g_input.input_state = INPUT_RENAME;
    SetWindowTextA(g_app.display_box, (here + "notes.txt").c_str());
    set_text("new.txt");
    press_key(box(), VK_ESCAPE);
    EXPECT_EQ(text_of(box()), "");
    EXPECT_EQ(g_input.input_state, INPUT_RENAME);
    EXPECT_EQ(g_folder.current_folder, here + "*");

    press_key(box(), VK_ESCAPE);
    EXPECT_EQ(g_input.input_state, INPUT_NORMAL);
    EXPECT_EQ(title(), "Nimbrel");
    EXPECT_TRUE(folder.exists("here\\notes.txt"));
}

TEST_F(TextBoxTest, EnterWhileRenamingMovesTheItemAndRescans)
{
    g_input.input_state = INPUT_RENAME;
    SetWindowTextA(g_app.display_box, (here + "notes.txt").c_str());
    set_text("renamed.txt");
    enter();
    EXPECT_TRUE(folder.exists("here\\renamed.txt"));
    EXPECT_FALSE(folder.exists("here\\notes.txt"));
    EXPECT_EQ(g_input.input_state, INPUT_NORMAL);
    bool listed = false;
    for (const Entry& e : g_entries.entries)
        listed = listed || e.name == "renamed.txt";
    EXPECT_TRUE(listed);

    // A name that exists already is refused and nothing moves.
    g_input.input_state = INPUT_RENAME;
    SetWindowTextA(g_app.display_box, (here + "renamed.txt").c_str());
    set_text("report.txt");
    enter();
    EXPECT_TRUE(folder.exists("here\\renamed.txt"));
    EXPECT_EQ(folder.read("here\\report.txt"), "r");

    // A name with characters Windows forbids is refused as well.
    g_input.input_state = INPUT_RENAME;
    SetWindowTextA(g_app.display_box, (here + "renamed.txt").c_str());
    set_text("a:b?.txt");
    enter();
    EXPECT_TRUE(folder.exists("here\\renamed.txt"));
    EXPECT_EQ(g_input.input_state, INPUT_NORMAL);
}

TEST_F(TextBoxTest, ShiftEscapeDropsAPendingCopy)
{
    g_pending.operation = PENDING_COPY;
    g_pending.paths = here + "notes.txt";
    g_listbox.list_state = LIST_DATA_SCANNED;
    status_message("copy:", here + "notes.txt");
    set_text("keep");
    press_key(box(), VK_ESCAPE, false, true);
    EXPECT_EQ(g_pending.operation, PENDING_NONE);
    EXPECT_TRUE(g_pending.paths.empty());
    EXPECT_EQ(status_part(1), "");
    EXPECT_EQ(g_listbox.list_state, LIST_DATA);
    EXPECT_EQ(text_of(box()), "keep");  // Shift+Esc leaves the text alone
}

TEST_F(TextBoxTest, RegistrationOfTheFunctionKeys)
{
    g_settings.cmd_f[1] = "C:\\old.exe";
    press_key(box(), VK_F4);
    EXPECT_EQ(title(), REGISTRATION_TITLE);
    EXPECT_EQ(status_part(1), "実行するアプリを設定します");
    EXPECT_EQ(g_input.input_state, INPUT_WAIT_FOR_KEY);

    press_key(box(), VK_F7);
    EXPECT_EQ(text_of(box()), "C:\\old.exe");
    EXPECT_EQ(title(), "F7キー登録 - アプリのパスを入力してEnterを押して下さい");
    EXPECT_EQ(g_input.input_state, 7);

    set_text("C:\\new tool.exe");
    enter();
    EXPECT_EQ(g_settings.cmd_f[1], "C:\\new tool.exe");
    EXPECT_EQ(title(), "登録しました");
    EXPECT_EQ(status_part(1), "");
    EXPECT_EQ(g_input.input_state, INPUT_NORMAL);

    // Esc instead of Enter keeps the old path.
    press_key(box(), VK_F4);
    press_key(box(), VK_F7);
    set_text("C:\\other.exe");
    press_key(box(), VK_ESCAPE);
    EXPECT_EQ(g_settings.cmd_f[1], "C:\\new tool.exe");
    EXPECT_EQ(title(), "Nimbrel");
    EXPECT_EQ(status_part(1), "");
    EXPECT_EQ(g_input.input_state, INPUT_NORMAL);
}

TEST_F(TextBoxTest, RegistrationEndsWithoutAKeyOrWithAnEmptyPath)
{
    press_key(box(), VK_F4);
    enter();  // no function key chosen
    EXPECT_EQ(g_input.input_state, INPUT_NORMAL);
    EXPECT_EQ(title(), REGISTRATION_TITLE);

    g_settings.cmd_f[0] = "C:\\tool.exe";
    press_key(box(), VK_F4);
    press_key(box(), VK_F6);
    set_text("");
    enter();
    EXPECT_EQ(g_settings.cmd_f[0], "");
    EXPECT_EQ(title(), "登録しました");

    // F6 now reports that nothing is registered and opens nothing.
    list_refresh();
    ASSERT_GT(rows(), 0);
    press_key(box(), VK_F6);
    ASSERT_EQ(g_message_boxes.size(), 1u);
    EXPECT_EQ(g_message_boxes[0], "登録されていません。");
    EXPECT_TRUE(g_shell_calls.empty());
}

TEST_F(TextBoxTest, F6LaunchesTheApplicationWithTheFirstRow)
{
    g_settings.cmd_f[0] = "C:\\viewer.exe";
    set_text("sub");
    list_refresh();
    ASSERT_EQ(rows(), 1);
    press_key(box(), VK_F6);
    ASSERT_EQ(g_shell_calls.size(), 1u);
    EXPECT_EQ(g_shell_calls[0].file, "C:\\viewer.exe");
    EXPECT_EQ(g_shell_calls[0].parameters, here + "sub");
}

TEST_F(TextBoxTest, F5RebuildIsShownOnTheKeyRelease)
{
    data_list_add(std::nullopt, here + "report.txt");
    data_list_add(std::nullopt, here + "gone.txt");
    data_list_add(std::nullopt, here + "notes.txt");
    press_key(box(), VK_F5);
    ASSERT_EQ(g_lists.data.size(), 2u);
    EXPECT_EQ(g_lists.data[0].line, here + "notes.txt");
    ASSERT_EQ(SendMessageA(g_app.list_box, LB_GETCOUNT, 0, 0), 2);
    std::string first(1024, '\0');
    first.resize(size_t(SendMessageA(g_app.list_box, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(first.data()))));
    EXPECT_NE(first.find("notes.txt"), std::string::npos);
}

TEST_F(TextBoxTest, EnterOpensTheFirstRowOrListsATypedFolder)
{
    // With rows, the first row opens.
    set_text("rep");
    list_refresh();
    ASSERT_EQ(rows(), 1);
    enter();
    ASSERT_EQ(g_shell_calls.size(), 1u);
    EXPECT_EQ(g_shell_calls[0].file, here + "report.txt");
    ASSERT_FALSE(g_lists.recent.empty());  // the visit was recorded first
    EXPECT_EQ(g_lists.recent.back().second, "rep");

    // Without rows, a text ending in "\*" that names a folder is listed.
    set_text(here + "sub\\*");
    list_refresh();
    ASSERT_EQ(rows(), 0);
    enter();
    EXPECT_EQ(g_folder.current_folder, here + "sub\\*");
    EXPECT_EQ(g_shell_calls.size(), 1u);
    EXPECT_EQ(GetFocus(), box());  // the empty folder leaves the focus here
}

TEST_F(TextBoxTest, EnterOnTextsThatNameNothingLogsAndKeepsRunning)
{
    const std::string long_text = "C:\\" + std::string(5000, 'y');
    const std::string texts[] = {"C:\\no such\\file.txt", "nothing at all*", long_text};
    go_to_folder(folder.file("here\\sub\\"));  // an empty folder: no rows
    for (const std::string& t : texts) {
        set_text(t);
        enter();
    }
    ASSERT_EQ(g_shell_calls.size(), 3u);
    EXPECT_EQ(g_shell_calls[1].file, "nothing at all");
    EXPECT_EQ(folder.read("Nimbrellog\\" + date_stamp_today() + ".log"),
              "C:\\no such\\file.txt\nnothing at all\n" + long_text + "\n");
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_NE(g_listbox.list_state, QUIT_MARKER);
}

TEST_F(TextBoxTest, EnterOnAnEmptyTextWithNoRowsEnds)
{
    go_to_folder(folder.file("here\\sub\\"));
    set_text("");
    enter();
    EXPECT_EQ(g_listbox.list_state, QUIT_MARKER);
    EXPECT_TRUE(folder.exists("Nimbrel.ini"));
}

TEST_F(TextBoxTest, AddModeAndTheSecondListBox)
{
    press_key(box(), VK_F11, false, true);
    EXPECT_EQ(status_part(0), "並び替え");
    EXPECT_EQ(g_settings.addmode, 1);
    press_key(box(), VK_F11, false, true);
    EXPECT_EQ(status_part(0), "通常");
    EXPECT_EQ(g_settings.addmode, 0);

    press_key(box(), VK_F11);  // no bookmarks: the focus stays
    EXPECT_EQ(GetFocus(), box());

    bookmark_add("C:\\mark");
    list_refresh();
    SetFocus(box());
    // Only the key-down: its release goes to the list box that now has the focus.
    SendMessageA(box(), WM_KEYDOWN, VK_F11, 1);
    EXPECT_EQ(GetFocus(), g_app.second_list_box);
    EXPECT_EQ(SendMessageA(g_app.second_list_box, LB_GETCURSEL, 0, 0), 0);
}

TEST_F(TextBoxTest, CtrlPCopiesPathsAndCtrlShiftPNames)
{
    set_text("");
    list_refresh();
    ASSERT_EQ(rows(), 3);
    press_key(box(), 'P', true);
    EXPECT_EQ(clipboard_now(), here + "sub\\*\r\n" + here + "report.txt\r\n" + here + "notes.txt\r\n");
    press_key(box(), 'P', true, true);
    EXPECT_EQ(clipboard_now(), "sub\r\nreport.txt\r\nnotes.txt\r\n");

    set_text("nothing matches");
    list_refresh();
    press_key(box(), 'P', true);
    EXPECT_EQ(clipboard_now(), "");
}

TEST_F(TextBoxTest, F2MakesAFolderAndReportsAFailure)
{
    set_text("made");
    press_key(box(), VK_F2);
    EXPECT_NE(GetFileAttributesA(folder.file("here\\made").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_TRUE(g_message_boxes.empty());

    set_text("made");
    press_key(box(), VK_F2);
    ASSERT_EQ(g_message_boxes.size(), 1u);
    EXPECT_EQ(g_message_boxes[0], "ディレクトリが作成できません");
}

TEST_F(TextBoxTest, CtrlEnterOpensTheFolderInTheFileManager)
{
    g_settings.explorerexe = "C:\\files.exe";
    set_text(here + "sub\\*");
    press_key(box(), VK_RETURN, true);  // Ctrl+Enter types character 0x0A
    ASSERT_EQ(g_shell_calls.size(), 2u);  // the manager fails, then the display box text is opened
    EXPECT_EQ(g_shell_calls[0].file, "C:\\files.exe");
    EXPECT_EQ(g_shell_calls[0].parameters, here + "sub");
    EXPECT_EQ(g_shell_calls[1].file, text_of(g_app.display_box));

    // After any launch attempt the key does nothing more.
    press_key(box(), VK_RETURN, true);
    EXPECT_EQ(g_shell_calls.size(), 2u);
}
