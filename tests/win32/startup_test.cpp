#include "fixture.h"

#include "lists/list_state.h"
#include "app/main_window.h"
#include "app/startup.h"

static bool g_timer_fired = false;

static void CALLBACK give_up(HWND, UINT, UINT_PTR, DWORD)
{
    g_timer_fired = true;
    PostQuitMessage(0);
}

TEST_F(MainWindowTest, MessageLoopEndsRightAfterTheDispatchThatSetTheQuitMarker)
{
    create_window();
    // An empty hand-over ends the program through the shutdown routine.
    SetWindowTextA(window, "");
    PostMessageA(window, HANDOVER_MESSAGE, 0, 0);
    g_timer_fired = false;
    UINT_PTR timer = SetTimer(nullptr, 0, 5000, give_up);  // a safety net, not the way out
    EXPECT_EQ(run_message_loop(), 0);
    KillTimer(nullptr, timer);
    EXPECT_FALSE(g_timer_fired);
    EXPECT_EQ(g_listbox.list_state, QUIT_MARKER);
    EXPECT_FALSE(IsWindowVisible(window));
}

TEST_F(MainWindowTest, ClipboardTextReader)
{
    auto put = [](const char* text, size_t size) {
        ASSERT_TRUE(OpenClipboard(nullptr));
        EmptyClipboard();
        if (text) {
            HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
            memcpy(GlobalLock(block), text, size);
            GlobalUnlock(block);
            SetClipboardData(CF_TEXT, block);
        }
        CloseClipboard();
    };
    std::string got;
    put("C:\\ソ\\file.txt", sizeof "C:\\ソ\\file.txt");
    ASSERT_TRUE(clipboard_text(got));
    EXPECT_EQ(got, "C:\\ソ\\file.txt");

    std::string untouched = "kept";
    put("", 1);
    EXPECT_FALSE(clipboard_text(untouched));
    put(nullptr, 0);
    EXPECT_FALSE(clipboard_text(untouched));
    EXPECT_EQ(untouched, "kept");  // a failed read leaves the output alone
}

TEST_F(MainWindowTest, EnsureFolderCreatesFirstAndEntersLater)
{
    char before[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, before);
    std::string recent = folder.file("recent\\");
    ensure_folder(recent);
    EXPECT_TRUE(folder.exists("recent"));
    char now[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, now);
    EXPECT_STREQ(now, before);  // created, current directory left alone

    ensure_folder(recent);
    GetCurrentDirectoryA(MAX_PATH, now);
    EXPECT_STRCASEEQ((std::string(now) + "\\").c_str(), recent.c_str());
    SetCurrentDirectoryA(before);
}
