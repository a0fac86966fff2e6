// The data files on disk: load at window creation, save at the ending, the
// temporary-file replace under injected faults, locked files, the idle
// watchdog and the shutdown on the main thread.
#include "fixture.h"

#include <map>
#include <vector>

#include "app/safe_write.h"
#include "app/settings.h"
#include "app/watchdog.h"
#include "lists/data_files_io.h"
#include "lists/list_state.h"
#include "lists/string_lists.h"
#include "app/shutdown.h"

namespace {

class DataFilesTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        lists_reset_all();
        g_seams.shell_execute = [](HWND, const char*, const char*, const char*, const char*, INT) {
            return HINSTANCE(42);
        };
        CreateDirectoryA(folder.file("recent").c_str(), nullptr);
    }
    void TearDown() override
    {
        g_write_fault = nullptr;
        MainWindowTest::TearDown();
        lists_reset_all();
    }
    std::string today_file() const { return "recent\\" + date_stamp_today() + ".txt"; }
};

const char* const FILES[] = {"data.txt", "cmd.txt", "ctrl.txt", "hanko.txt", "bookmark.txt"};

}  // namespace

TEST_F(DataFilesTest, LoadAtCreationAndSaveAtTheEndingGiveTheFormats)
{
    folder.write("cmd.txt", "ed notepad.exe -a\r\nnoblank\r\ned other\r\n");
    folder.write("data.txt", "C:\\a\r\nC:\\doc\\plan.txt\tbudget\nC:\\a\ned\n\"C:\\my doc\"\tkw\nC:\\bare\t\n");
    folder.write("ctrl.txt", "ab C:\\x\nab C:\\y\n");
    folder.write("hanko.txt", "stamp one\nstamp one\n");
    folder.write("bookmark.txt", "C:\\b1\nD:\\b2\n\nextra text\n");
    folder.write(today_file(), "C:\\w\trep\nC:\\nokey\nC:\\w\trep\n");
    create_window();
    EXPECT_EQ(g_lists.data.size(), 5u);
    EXPECT_EQ(g_lists.keywords, (std::vector<std::string>{"budget", "kw"}));
    EXPECT_EQ(g_lists.bookmarks.size(), 2u);
    EXPECT_EQ(g_lists.recent.size(), 2u);
    DestroyWindow(window);
    pump_messages();
    EXPECT_EQ(folder.read("data.txt"), "C:\\a\nC:\\doc\\plan.txt\tbudget\n\"C:\\my doc\"\tkw\nC:\\bare\t\n");
    EXPECT_EQ(folder.read("cmd.txt"), "ed notepad.exe -a\n");
    EXPECT_EQ(folder.read("ctrl.txt"), "ab C:\\x\n");
    EXPECT_EQ(folder.read("hanko.txt"), "stamp one\nstamp one\n");
    EXPECT_EQ(folder.read("bookmark.txt"), "C:\\b1\nD:\\b2\n\nextra text\n");
    EXPECT_EQ(folder.read(today_file()), "C:\\nokey\t\nC:\\w\trep\n");
    for (const char* name : FILES)
        EXPECT_FALSE(folder.exists(std::string(name) + ".tmp")) << name;
}

TEST_F(DataFilesTest, ReloadKeepsKeywordsRecentPairsAndStamps)
{
    folder.write("hanko.txt", "s1\n");
    folder.write("data.txt", "C:\\p\tkw\n");
    create_window();
    recent_record("C:\\v\\*", "t");
    folder.write("hanko.txt", "s2\n");
    folder.write("data.txt", "C:\\q\n");
    data_files_load();
    EXPECT_EQ(g_lists.stamps, (std::vector<std::string>{"s1"}));  // hanko.txt not read again
    EXPECT_EQ(g_lists.keywords, (std::vector<std::string>{"kw"}));
    EXPECT_EQ(g_lists.recent.size(), 1u);
    ASSERT_EQ(g_lists.data.size(), 1u);
    EXPECT_EQ(g_lists.data[0].line, "C:\\q");
}

TEST_F(DataFilesTest, GuardAndEmptyListsLeaveFilesAlone)
{
    std::string long_history;
    for (int i = 0; i < 60; ++i)
        long_history += "C:\\history\\" + std::to_string(i) + "\n";
    // A first byte that is a line break loads nothing; the long file stays.
    folder.write("data.txt", "\n" + long_history);
    folder.write("bookmark.txt", "C:\\only\n\nextra\n");
    create_window();
    EXPECT_TRUE(g_lists.data.empty());
    data_list_add_line("C:\\new");
    bookmark_remove("C:\\only");
    save_step();
    EXPECT_EQ(folder.read("data.txt"), "\n" + long_history);
    EXPECT_EQ(folder.read("bookmark.txt"), "C:\\only\n\nextra\n");
    EXPECT_FALSE(folder.exists("cmd.txt"));
}

TEST_F(DataFilesTest, ALockedFileIsSkippedAndStaysWhole)
{
    folder.write("bookmark.txt", "C:\\b\n");
    folder.write("data.txt", "C:\\d\n");
    HANDLE lock = CreateFileA(folder.file("bookmark.txt").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    create_window();
    EXPECT_TRUE(g_lists.bookmarks.empty());
    EXPECT_EQ(g_lists.data.size(), 1u);
    bookmark_add("C:\\new");
    save_step();
    CloseHandle(lock);
    EXPECT_EQ(folder.read("bookmark.txt"), "C:\\b\n");
    EXPECT_FALSE(folder.exists("bookmark.txt.tmp"));
}

TEST_F(DataFilesTest, RebuildAgainstTheDiskDropsMissingTargets)
{
    folder.write("b.txt", "x");
    folder.write("A.txt", "x");
    create_window();
    for (const char* name : {"b.txt", "gone.txt", "A.txt"})
        data_list_add_line(folder.file(name));
    data_list_add_line(folder.file("b.txt") + "\tkw");
    data_list_add_line(folder.file("lost.txt") + "\tkw");
    data_list_rebuild_from_disk();
    std::vector<std::string> lines;
    for (const DataEntry& e : g_lists.data)
        lines.push_back(e.line);
    EXPECT_EQ(lines, (std::vector<std::string>{folder.file("A.txt"), folder.file("b.txt") + " kw"}));
}

TEST_F(DataFilesTest, ASaveInterruptedAtEveryStepLeavesEachFileWhollyOldOrWhollyNew)
{
    const std::map<std::string, std::string> old_files = {
        {"data.txt", "C:\\old\n"}, {"cmd.txt", "w old\n"}, {"ctrl.txt", "s old\n"},
        {"hanko.txt", "old\n"},    {"bookmark.txt", "C:\\old\n\nx\n"}};
    const std::map<std::string, std::string> new_files = {
        {"data.txt", "C:\\old\nC:\\new\n"}, {"cmd.txt", "w old\n"}, {"ctrl.txt", "s old\n"},
        {"hanko.txt", "old\nnew\n"},        {"bookmark.txt", "C:\\old\nC:\\new\n\nx\n"}};
    for (const auto& [name, bytes] : old_files)
        folder.write(name, bytes);
    create_window();
    data_list_add_line("C:\\new");
    stamp_add("new");
    bookmark_add("C:\\new");
    const std::map<std::string, std::string> loaded = old_files;

    g_write_fault = count_steps;
    steps_seen = 0;
    data_files_save();
    const int steps = steps_seen;  // four steps for each of the five files
    EXPECT_EQ(steps, 20);

    for (WriteFault kind : {WriteFault::fail, WriteFault::die}) {
        for (int at = 1; at <= steps; ++at) {
            for (const auto& [name, bytes] : old_files)
                folder.write(name, bytes);
            fault_kind = kind;
            fault_countdown = at;
            g_write_fault = count_down_fault;
            data_files_save();
            g_write_fault = nullptr;
            for (const auto& [name, bytes] : old_files) {
                std::string now = folder.read(name);
                EXPECT_TRUE(now == bytes || now == new_files.at(name))
                    << name << " after fault " << int(kind) << " at step " << at << ": " << now;
                if (kind == WriteFault::fail) {
                    EXPECT_FALSE(folder.exists(name + ".tmp")) << name << " step " << at;
                }
            }
            // The next save after a failed or killed one completes.
            data_files_save();
            for (const auto& [name, bytes] : new_files)
                EXPECT_EQ(folder.read(name), bytes) << name << " step " << at;
        }
    }
}

TEST_F(DataFilesTest, IdleLimitZeroEndsOnTheMainThreadAndSavesOnce)
{
    folder.write("Nimbrel.ini", "[etc]\r\ntimelimit=0\r\n");
    folder.write("data.txt", "C:\\a\nC:\\a\n");
    static int launches;
    static DWORD launch_thread;
    launches = 0;
    g_seams.shell_execute = [](HWND, const char*, const char*, const char*, const char*, INT) {
        ++launches;
        launch_thread = GetCurrentThreadId();
        return HINSTANCE(42);
    };
    create_window();
    DWORD deadline = GetTickCount() + 5000;
    while (g_listbox.list_state != QUIT_MARKER && GetTickCount() < deadline) {
        pump_messages();
        Sleep(20);
    }
    EXPECT_EQ(g_listbox.list_state, QUIT_MARKER);
    EXPECT_EQ(g_app.unsaved, 0);
    EXPECT_FALSE(IsWindowVisible(window));
    EXPECT_EQ(folder.read("data.txt"), "C:\\a\n");
    EXPECT_EQ(launches, 1);
    EXPECT_EQ(launch_thread, GetCurrentThreadId());
    // A later ending (the window's destruction) does not save again.
    folder.write("data.txt", "untouched\n");
    DestroyWindow(window);
    pump_messages();
    EXPECT_EQ(folder.read("data.txt"), "untouched\n");
    EXPECT_EQ(launches, 1);
}

TEST_F(DataFilesTest, ActivityDefersTheIdleEndAndAStaleMessageIsIgnored)
{
    folder.write("Nimbrel.ini", "[etc]\r\ntimelimit=2\r\n");
    create_window();
    SendMessageA(window, IDLE_END_MESSAGE, 12345, 0);  // not the current watchdog's
    pump_messages();
    EXPECT_EQ(g_listbox.list_state, 0);
    // Activity three seconds after the checkpoint, seen by the first check
    // at 2 s, postpones the end by 3 s. (A folder view refresh may stamp the
    // real time meanwhile; the stamp is repeated until the first check.)
    const int64_t activity = g_activity.checkpoint_time + 3;
    DWORD start = GetTickCount();
    while (g_listbox.list_state != QUIT_MARKER && GetTickCount() - start < 9000) {
        if (GetTickCount() - start < 1500)
            g_activity.activity_time = activity;
        pump_messages();
        Sleep(20);
    }
    DWORD elapsed = GetTickCount() - start;
    EXPECT_EQ(g_listbox.list_state, QUIT_MARKER);
    EXPECT_GE(elapsed, 4500u);  // 2 s limit, then 3 s for the activity seen
}
