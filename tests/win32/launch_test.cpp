// The launch routine with its log, and the clipboard launch through the
// hand-over of "clip", with the shell seam recording what would be opened.
#include "fixture.h"

#include "app/clipboard_match.h"
#include "app/launch.h"
#include "app/main_window.h"
#include "folder/folder_state.h"
#include "lists/data_files_io.h"
#include "lists/list_state.h"
#include "lists/string_lists.h"

namespace {

class LaunchTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        lists_reset_all();
        CreateDirectoryA(folder.file("Nimbrellog").c_str(), nullptr);
        CreateDirectoryA(folder.file("recent").c_str(), nullptr);
        record_message_boxes(IDOK);
    }
    void TearDown() override
    {
        MainWindowTest::TearDown();
        lists_reset_all();
    }
    std::string log_name() const { return "Nimbrellog\\" + date_stamp_today() + ".log"; }
    bool data_list_holds(const std::string& line) const
    {
        for (const DataEntry& e : g_lists.data)
            if (e.line == line)
                return true;
        return false;
    }
    void hand_over(const char* text)
    {
        SetWindowTextA(window, text);
        SendMessageA(window, HANDOVER_MESSAGE, 0, 0);
        pump_messages();
    }
};

}  // namespace

TEST_F(LaunchTest, AnEmptyTargetDoesNothing)
{
    record_shell_calls(42);
    create_window();
    EXPECT_EQ(launch_routine(""), 0);
    EXPECT_EQ(launch_routine("", "C:\\param"), 0);
    EXPECT_TRUE(g_shell_calls.empty());
    EXPECT_FALSE(g_app.launched);
    EXPECT_FALSE(folder.exists(log_name()));
    EXPECT_NE(g_listbox.list_state, QUIT_MARKER);
}

TEST_F(LaunchTest, AFailedOpenLogsItsLineAndKeepsTheWindow)
{
    record_shell_calls(2);  // file not found
    create_window();
    g_listbox.parent_level = 3;
    EXPECT_EQ(launch_routine("C:\\missing.exe"), 2);
    EXPECT_EQ(launch_routine("explorer", "C:\\some dir"), 2);
    EXPECT_EQ(launch_routine("C:\\tool.exe", ""), 2);  // empty parameters: no blank

    ASSERT_EQ(g_shell_calls.size(), 3u);
    EXPECT_EQ(g_shell_calls[0].verb, "open");
    EXPECT_EQ(g_shell_calls[1].file, "explorer");
    EXPECT_EQ(g_shell_calls[1].parameters, "C:\\some dir");
    EXPECT_EQ(folder.read(log_name()), "C:\\missing.exe\nexplorer C:\\some dir\nC:\\tool.exe\n");
    EXPECT_TRUE(g_app.launched);
    EXPECT_EQ(g_listbox.parent_level, 0);
    EXPECT_TRUE(g_lists.data.empty());
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_NE(g_listbox.list_state, QUIT_MARKER);
}

TEST_F(LaunchTest, ASuccessfulOpenIsRememberedSavedAndEndsTheProgram)
{
    record_shell_calls(42);
    folder.write(log_name(), "earlier line\n");  // an existing log is appended to
    create_window();
    std::string long_target = "C:\\" + std::string(700, 'x') + "\x83\x41";
    EXPECT_EQ(launch_routine("notepad.exe", long_target), 42);

    EXPECT_EQ(folder.read(log_name()), "earlier line\nnotepad.exe " + long_target + "\n");
    EXPECT_TRUE(data_list_holds(long_target));  // the parameter is what was opened
    EXPECT_EQ(g_listbox.list_state, QUIT_MARKER);
    EXPECT_FALSE(IsWindowVisible(window));
    EXPECT_NE(folder.read("data.txt").find(long_target), std::string::npos);
    EXPECT_TRUE(folder.exists("Nimbrel.ini"));
}

TEST_F(LaunchTest, TheLogIsSkippedWhileAnotherWriterHoldsIt)
{
    record_shell_calls(2);
    create_window();
    HANDLE held = CreateFileA(folder.file(log_name()).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_EQ(launch_routine("C:\\a.exe"), 2);
    CloseHandle(held);
    EXPECT_EQ(g_shell_calls.size(), 1u);
    EXPECT_EQ(folder.read(log_name()), "");
}

TEST_F(LaunchTest, ClipHandOverOpensOnlyASingleHit)
{
    CreateDirectoryA(folder.file("here").c_str(), nullptr);
    folder.write("here\\reply.txt", "");
    folder.write("here\\notes.txt", "");
    const std::string here = folder.file("here\\");
    const std::string big(100000, 'q');
    struct Case {
        std::string clip;  // empty: the clipboard holds no text
        std::string opened;  // empty: nothing is opened and the window stays
        std::string text_box;
    } cases[] = {
        {"report", "C:\\work\\report.txt", ""},
        {"money", "C:\\work\\plan.xls", ""},     // the keyword finds the entry; its key opens
        {"rep", here + "reply.txt", ""},         // two data hits: the saved folder decides
        {"zzz", "", "zzz"},                      // no hit anywhere
        {"t", "", "t"},                          // every entry matches: several hits
        {"", "", ""},
        {big, "", big},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("clip " + c.clip.substr(0, 20));
        lists_reset_all();
        folder.write("data.txt", "C:\\work\\report.txt\nC:\\work\\reply.txt\nC:\\work\\plan.xls\tmoney\n");
        // Today's backup is done, so the save starts no backup tool.
        folder.write("Nimbrel.ini",
                     "[path]\r\nNowDir=" + here + "*\r\n[etc]\r\nbackup=" + date_stamp_today() + "\r\n");
        record_shell_calls(42);
        create_window();
        data_list_add(std::nullopt, "C:\\in-memory\\report2");  // dropped by the reload
        if (c.clip.empty()) {
            OpenClipboard(nullptr);
            EmptyClipboard();
            CloseClipboard();
        } else {
            clipboard_set(c.clip);
        }
        hand_over("clip");
        if (c.opened.empty()) {
            EXPECT_TRUE(g_shell_calls.empty());
            EXPECT_NE(g_listbox.list_state, QUIT_MARKER);
            EXPECT_EQ(text_of(g_app.text_box), c.text_box);
            EXPECT_EQ(g_folder.current_folder, here + "*");
        } else {
            ASSERT_EQ(g_shell_calls.size(), 1u);
            EXPECT_EQ(g_shell_calls[0].file, c.opened);
            EXPECT_EQ(g_listbox.list_state, QUIT_MARKER);
        }
        DestroyWindow(window);
        pump_messages();
        window = nullptr;
    }
}
