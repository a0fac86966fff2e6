// Copy, cut, paste, delete and rename through the keys, with the real shell
// file operations on temporary folders (recorded on their way through the
// seam) and the questions answered through the message box seam.
#include "fixture.h"

#include <commctrl.h>

#include "app/main_window.h"
#include "folder/file_ops.h"
#include "folder/folder_ops.h"
#include "folder/folder_state.h"
#include "input/input_state.h"
#include "lists/list_ops.h"
#include "lists/string_lists.h"

namespace {

struct ShellFileCall {
    UINT function;
    std::string from, to;
    FILEOP_FLAGS flags;
};
std::vector<ShellFileCall> g_file_calls;

std::string whole_list(const char* list)
{
    if (!list)
        return std::string();
    size_t n = 0;
    while (list[n] != '\0' || list[n + 1] != '\0')
        ++n;
    return std::string(list, n + 2);
}

int record_file_operation(SHFILEOPSTRUCTA* op)
{
    g_file_calls.push_back({op->wFunc, whole_list(op->pFrom), whole_list(op->pTo), op->fFlags});
    op->fFlags |= FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_SILENT;  // no dialogs under the test
    return SHFileOperationA(op);
}

class FileOpsTest : public ControlsTest {
protected:
    std::string other, third;
    void SetUp() override
    {
        ControlsTest::SetUp();
        CreateDirectoryA(folder.file("other").c_str(), nullptr);
        CreateDirectoryA(folder.file("third").c_str(), nullptr);
        other = folder.file("other\\");
        third = folder.file("third\\");
        g_file_calls.clear();
        g_seams.file_operation = record_file_operation;
        set_text("");
        list_refresh();
    }
    void select_rows(std::initializer_list<int> rows)
    {
        LVITEMA none{};
        none.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageA(g_app.folder_view, LVM_SETITEMSTATE, WPARAM(-1), reinterpret_cast<LPARAM>(&none));
        for (int r : rows) {
            LVITEMA item{};
            item.stateMask = item.state = LVIS_SELECTED | LVIS_FOCUSED;
            SendMessageA(g_app.folder_view, LVM_SETITEMSTATE, WPARAM(r), reinterpret_cast<LPARAM>(&item));
        }
        SetFocus(g_app.folder_view);
    }
    // Rows: 0 sub\*, 1 report.txt, 2 notes.txt (folders first, descending).
    bool in(const std::string& f, const char* name) const { return folder.exists(f.substr(folder.path.size()) + name); }
};

}  // namespace

TEST_F(FileOpsTest, CopyTwoSelectedFilesThenPasteTwice)
{
    ASSERT_EQ(rows(), 3);
    select_rows({1, 2});
    send_char(g_app.folder_view, 0x03, true);
    EXPECT_EQ(g_pending.operation, PENDING_COPY);
    EXPECT_EQ(status_part(1), "copy:" + here + "report.txt");

    paste(other);
    ASSERT_EQ(g_file_calls.size(), 1u);
    EXPECT_EQ(g_file_calls[0].function, UINT(FO_COPY));
    EXPECT_EQ(g_file_calls[0].from, here + "report.txt" + '\0' + here + "notes.txt" + '\0' + '\0');
    EXPECT_EQ(g_file_calls[0].to, folder.file("other") + '\0' + '\0');
    EXPECT_TRUE(in(other, "report.txt"));
    EXPECT_TRUE(in(other, "notes.txt"));
    EXPECT_EQ(g_folder.current_folder, folder.file("other\\*"));  // the paste went there
    EXPECT_EQ(status_part(1), "copy:" + here + "report.txt");

    paste(third);
    EXPECT_TRUE(in(third, "notes.txt"));
    EXPECT_TRUE(in(here, "notes.txt"));  // copies leave the sources
}

TEST_F(FileOpsTest, CutAndPasteMovesOnceThenWaitsAsADestination)
{
    select_rows({2});
    send_char(g_app.folder_view, 0x18, true);
    EXPECT_EQ(g_pending.operation, PENDING_CUT);
    paste(other);
    EXPECT_TRUE(in(other, "notes.txt"));
    EXPECT_FALSE(in(here, "notes.txt"));
    EXPECT_EQ(g_pending.operation, PENDING_NONE);
    EXPECT_EQ(status_part(1), "");

    paste(third);  // nothing pending: the destination waits
    EXPECT_EQ(g_pending.operation, PENDING_DESTINATION);
    EXPECT_EQ(status_part(1), "paste:" + third);
    EXPECT_EQ(g_file_calls.size(), 1u);
}

TEST_F(FileOpsTest, PasteFirstThenCopyAsksAndKeepsTheDestination)
{
    paste(other);
    go_to_folder(here);
    record_message_boxes(IDYES);
    select_rows({1});
    send_char(g_app.folder_view, 0x03, true);
    ASSERT_EQ(g_message_boxes.size(), 1u);
    EXPECT_EQ(g_message_boxes[0], "コピーしますか？");
    EXPECT_TRUE(in(other, "report.txt"));
    EXPECT_EQ(g_pending.operation, PENDING_DESTINATION);

    record_message_boxes(IDNO);  // No: nothing more is copied
    go_to_folder(here);
    select_rows({2});
    send_char(g_app.folder_view, 0x03, true);
    EXPECT_FALSE(in(other, "notes.txt"));
}

TEST_F(FileOpsTest, ACopyIntoItsOwnFolderIsRenamed)
{
    select_rows({1});
    send_char(g_app.folder_view, 0x03, true);
    paste(here);
    ASSERT_EQ(g_file_calls.size(), 1u);
    EXPECT_TRUE(g_file_calls[0].flags & FOF_RENAMEONCOLLISION);
    EXPECT_EQ(folder.read("here\\report.txt"), "r");
}

TEST_F(FileOpsTest, VanishedSourcesAndDestinationsDoNothing)
{
    select_rows({2});
    DeleteFileA((here + "notes.txt").c_str());
    send_char(g_app.folder_view, 0x03, true);  // its source is gone
    EXPECT_EQ(g_pending.operation, PENDING_NONE);

    select_rows({1});
    send_char(g_app.folder_view, 0x03, true);
    RemoveDirectoryA(folder.file("third").c_str());
    paste(third);
    EXPECT_TRUE(g_file_calls.empty());
    EXPECT_EQ(g_pending.operation, PENDING_COPY);

    g_input.input_state = INPUT_RENAME;  // no paste while renaming
    paste(other);
    EXPECT_TRUE(g_file_calls.empty());
}

TEST_F(FileOpsTest, DeleteAsksAndGoesOnePathAtATime)
{
    record_message_boxes(IDNO);
    select_rows({1, 2});
    press_key(g_app.folder_view, VK_DELETE);
    ASSERT_EQ(g_message_boxes.size(), 1u);
    EXPECT_EQ(g_message_boxes[0], "選択ファイルを削除しますか？");
    EXPECT_TRUE(g_file_calls.empty());
    EXPECT_TRUE(in(here, "report.txt"));

    // Ctrl+Space in the text box asks for every row; No deletes nothing.
    SetFocus(box());
    send_char(box(), ' ', true);
    ASSERT_EQ(g_message_boxes.size(), 2u);
    EXPECT_EQ(g_message_boxes[1], "すべて削除しますか？");
    EXPECT_TRUE(g_file_calls.empty());

    record_message_boxes(IDYES);
    list_refresh();
    select_rows({1, 2});
    press_key(g_app.folder_view, VK_DELETE);
    ASSERT_EQ(g_file_calls.size(), 2u);
    EXPECT_EQ(g_file_calls[0].function, UINT(FO_DELETE));
    EXPECT_EQ(g_file_calls[0].from, here + "report.txt" + '\0' + '\0');
    EXPECT_TRUE(g_file_calls[0].flags & FOF_ALLOWUNDO);
    EXPECT_FALSE(in(here, "report.txt"));
    EXPECT_FALSE(in(here, "notes.txt"));

    // Nothing selected: the question comes, but no list reaches the shell.
    g_file_calls.clear();
    select_rows({});
    press_key(g_app.folder_view, VK_DELETE);
    EXPECT_TRUE(g_file_calls.empty());
    EXPECT_TRUE(in(here, "sub"));
}

TEST_F(FileOpsTest, F2InTheViewStartsTheRename)
{
    select_rows({0});
    press_key(g_app.folder_view, VK_F2);
    EXPECT_EQ(g_input.input_state, INPUT_RENAME);
    EXPECT_EQ(text_of(box()), "sub");
    EXPECT_EQ(text_of(g_app.display_box), here + "sub");
    EXPECT_EQ(status_part(1), "rename:" + here + "sub");
    EXPECT_EQ(GetFocus(), box());

    set_text("renamed");
    enter();
    EXPECT_TRUE(in(here, "renamed"));
    EXPECT_EQ(g_input.input_state, INPUT_NORMAL);
}

TEST_F(FileOpsTest, ListBoxCopyTakesTheEntryAndPutsItOnTheClipboard)
{
    bookmark_add(here + "report.txt");
    list_refresh();
    SetFocus(g_app.second_list_box);
    SendMessageA(g_app.second_list_box, LB_SETCURSEL, 0, 0);
    send_char(g_app.second_list_box, 0x03, true);
    EXPECT_EQ(g_pending.operation, PENDING_COPY);
    EXPECT_EQ(g_pending.paths, here + "report.txt" + '\0' + '\0');
    EXPECT_EQ(clipboard_now(), here + "report.txt");
}

TEST_F(FileOpsTest, PasteTwiceAsksWhetherToGoToTheWaitingDestination)
{
    paste(other);
    record_message_boxes(IDYES);
    paste(third);
    ASSERT_EQ(g_message_boxes.size(), 1u);
    EXPECT_EQ(g_message_boxes[0], "コピー先に移動しますか？");
    EXPECT_EQ(g_folder.current_folder, folder.file("other\\*"));  // went to the waiting one
    EXPECT_EQ(g_pending.paths, other);

    record_message_boxes(IDNO);
    paste(third);  // No: the new destination replaces it
    EXPECT_EQ(g_pending.operation, PENDING_DESTINATION);
    EXPECT_EQ(g_pending.paths, third);
    EXPECT_EQ(status_part(1), "paste:" + third);
}

TEST_F(FileOpsTest, DeleteThreeSelectedRowsAndCtrlSpaceOnlyTheRowsShown)
{
    folder.write("here\\extra.txt", "e");
    go_to_folder(here);
    set_text("");
    list_refresh();
    ASSERT_EQ(rows(), 4);
    record_message_boxes(IDYES);
    select_rows({1, 2, 3});
    press_key(g_app.folder_view, VK_DELETE);
    EXPECT_EQ(g_file_calls.size(), 3u);
    EXPECT_FALSE(in(here, "report.txt"));
    EXPECT_FALSE(in(here, "notes.txt"));
    EXPECT_FALSE(in(here, "extra.txt"));
    EXPECT_TRUE(in(here, "sub"));

    folder.write("here\\keep.txt", "k");
    folder.write("here\\drop.log", "d");
    go_to_folder(here);
    SetFocus(box());
    set_text("log");
    list_refresh();
    ASSERT_EQ(rows(), 1);
    send_char(box(), ' ', true);
    EXPECT_FALSE(in(here, "drop.log"));
    EXPECT_TRUE(in(here, "keep.txt"));
    EXPECT_TRUE(in(here, "sub"));
    EXPECT_EQ(text_of(box()), "");
}

TEST_F(FileOpsTest, TheDriveListIsNeverCopiedMovedOrDeleted)
{
    g_folder.current_folder.clear();  // as after Esc at the base level
    drive_list_fill();
    ASSERT_GT(rows(), 0);
    record_message_boxes(IDYES);
    SetFocus(box());
    send_char(box(), ' ', true);  // delete every row: the question, then nothing
    EXPECT_EQ(g_message_boxes.size(), 1u);
    EXPECT_TRUE(g_file_calls.empty());
    drive_list_fill();
    select_rows({0});
    send_char(g_app.folder_view, 0x03, true);
    EXPECT_EQ(g_pending.operation, PENDING_NONE);
}
