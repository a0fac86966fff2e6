// Nimbrel.ini at window creation and at the save step, with settings-file
// fixtures in the temporary executable folder.
#include "fixture.h"

#include <vector>

#include "app/settings.h"
#include "folder/folder_state.h"
#include "lists/list_state.h"
#include "lists/string_lists.h"
#include "app/shutdown.h"

namespace {

class SettingsFileTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        lists_reset_all();
        // No test here may start a real program.
        g_seams.shell_execute = [](HWND, const char*, const char*, const char*, const char*, INT) {
            return HINSTANCE(42);
        };
    }
    void TearDown() override
    {
        MainWindowTest::TearDown();
        lists_reset_all();
    }

    std::string ini() const { return folder.file("Nimbrel.ini"); }
    void put(const char* section, const char* key, const char* value) const
    {
        WritePrivateProfileStringA(section, key, value, ini().c_str());
    }
    std::string stored(const char* section, const char* key) const
    {
        std::vector<char> buffer(4096);
        DWORD n = GetPrivateProfileStringA(section, key, "<missing>", buffer.data(), DWORD(buffer.size()),
                                           ini().c_str());
        return std::string(buffer.data(), n);
    }
    void destroy()
    {
        DestroyWindow(window);
        pump_messages();
    }
};

}  // namespace

TEST_F(SettingsFileTest, FreshStartRepairsTheFiltersAndTheSaveWritesEveryKey)
{
    create_window();
    // The repair at start wrote both filters as empty values.
    EXPECT_EQ(stored("filter", "filter_dir"), "");
    EXPECT_EQ(stored("filter", "filter_file"), "");
    EXPECT_EQ(stored("etc", "timelimit"), "<missing>");
    destroy();
    struct Key {
        const char *section, *key, *value;
    } keys[] = {
        {"window", "sizeHeight", "150"}, {"window", "sizeWidth", "300"}, {"mode", "addmode", "0"},
        {"mode", "search", "1"},         {"mode", "which", "1"},         {"path", "NowDir", ""},
        {"path", "NowTxt", ""},          {"path", "explorerexe", "explorer"},
        {"text_color1", "red", "250"},   {"text_color2", "blue", "180"}, {"list_color1", "green", "240"},
        {"list_color2", "red", "210"},   {"etc", "timelimit", "120"},    {"etc", "listcount", "20"},
        {"etc", "filterdate", "-1"},     {"etc", "filterdate2", "-2"},   {"etc", "filterdate3", "0"},
        {"cmd", "cmd_F6", ""},           {"cmd", "cmd_F9", ""},
    };
    for (const Key& k : keys)
        EXPECT_EQ(stored(k.section, k.key), k.value) << k.section << "/" << k.key;
    EXPECT_EQ(stored("etc", "backup").size(), 8u);  // today's date stamp
}

TEST_F(SettingsFileTest, RectangleRule)
{
    struct Case {
        int top, bottom, right, left;
        bool moved;
    } cases[] = {
        {100, 400, 700, 120, true},
        {-50, 300, 500, 0, true},
        {100, 1500, 700, 120, false},  // one edge at 1500
        {100, 400, 700, -51, false},
        {0, 0, 0, 0, false},           // all zeros: the default placement
    };
    for (const Case& c : cases) {
        DeleteFileA(ini().c_str());
        put("window", "top", std::to_string(c.top).c_str());
        put("window", "bottom", std::to_string(c.bottom).c_str());
        put("window", "right", std::to_string(c.right).c_str());
        put("window", "left", std::to_string(c.left).c_str());
        create_window();
        RECT r;
        GetWindowRect(window, &r);
        bool at_stored = r.top == c.top && r.bottom == c.bottom && r.right == c.right && r.left == c.left;
        EXPECT_EQ(at_stored, c.moved) << c.top << " " << c.bottom << " " << c.right << " " << c.left;
        destroy();
    }
}

TEST_F(SettingsFileTest, AWindowOutsideTheRangeLeavesTheStoredRectangle)
{
    put("window", "top", "10");
    put("window", "bottom", "310");
    put("window", "right", "410");
    put("window", "left", "20");
    create_window();
    MoveWindow(window, 1400, 10, 300, 300, TRUE);  // right edge 1700
    save_step();
    EXPECT_EQ(stored("window", "right"), "410");
    EXPECT_EQ(stored("window", "left"), "20");
    MoveWindow(window, 30, 40, 300, 200, TRUE);
    save_step();
    EXPECT_EQ(stored("window", "left"), "30");
    EXPECT_EQ(stored("window", "bottom"), "240");
}

TEST_F(SettingsFileTest, ValuesAreHeldAndSavedByTheirRules)
{
    put("etc", "timelimit", "3");
    put("etc", "filterdate", "7");
    put("etc", "filterdate2", "4");
    put("etc", "filterdate3", "1");
    put("mode", "which", "2");
    put("filter", "filter_dir", "NULL");
    put("filter", "filter_file", "Ab\x83\x41.TXT");  // 0x41 is the second byte of a character
    put("text_color1", "red", "256");
    put("text_color1", "green", "511");
    put("etc", "backup", "2026010512345");
    put("path", "NowDir", "C:\\work\\*");
    put("cmd", "cmd_F7", "notepad.exe");
    create_window();

    EXPECT_EQ(g_settings.timelimit, 3);  // used as it is during the run
    EXPECT_EQ(text_of(g_app.number_box), "^7");
    EXPECT_EQ(g_settings.filterdate2, -2);
    EXPECT_EQ(g_settings.which, 1);
    EXPECT_EQ(g_settings.filter_dir, "null");  // NULL is not the literal: kept, lower-cased
    EXPECT_EQ(g_settings.filter_file, "ab\x83\x41.txt");
    EXPECT_EQ(stored("filter", "filter_dir"), "NULL");  // never written back
    EXPECT_EQ(g_settings.text_color1.red, 0);
    EXPECT_EQ(g_settings.text_color1.green, 255);
    EXPECT_EQ(g_settings.backup, "20260105");
    EXPECT_EQ(g_folder.current_folder, "C:\\work\\*");
    EXPECT_EQ(g_settings.cmd_f[1], "notepad.exe");

    save_step();
    EXPECT_EQ(stored("etc", "timelimit"), "5");
    EXPECT_EQ(g_settings.timelimit, 5);
    EXPECT_EQ(stored("mode", "which"), "1");
    EXPECT_EQ(stored("etc", "filterdate3"), "1");
    EXPECT_EQ(stored("etc", "filterdate2"), "-2");
    EXPECT_EQ(stored("text_color1", "red"), "0");
    EXPECT_EQ(stored("cmd", "cmd_F7"), "notepad.exe");
}

TEST_F(SettingsFileTest, NonNumericAndNegativeValues)
{
    put("etc", "listcount", "abc");
    put("etc", "filterdate", "-1");
    put("etc", "timelimit", "-7");
    put("window", "sizeHeight", "99999999999999999999");
    create_window();
    EXPECT_EQ(g_settings.filterdate, -1);
    EXPECT_EQ(text_of(g_app.number_box), "");
    EXPECT_EQ(g_settings.listcount, 0);
    // A negative idle limit sleeps no time at all: the program ends at once,
    // like with 0, and stores 5.
    DWORD deadline = GetTickCount() + 5000;
    while (g_listbox.list_state != QUIT_MARKER && GetTickCount() < deadline) {
        pump_messages();
        Sleep(20);
    }
    EXPECT_EQ(g_listbox.list_state, QUIT_MARKER);
    EXPECT_EQ(stored("etc", "timelimit"), "5");
}

TEST_F(SettingsFileTest, NowTxtKeepsAtMost511BytesAndNeverSplitsACharacter)
{
    create_window();
    std::string text = "a";
    for (int i = 0; i < 300; ++i)
        text += "\x95\x5C";  // a character whose second byte is a backslash
    SetWindowTextA(g_app.text_box, text.c_str());
    save_step();
    EXPECT_EQ(stored("path", "NowTxt"), text.substr(0, 511));
    SetWindowTextA(g_app.text_box, ("ab" + text.substr(1)).c_str());
    save_step();
    EXPECT_EQ(stored("path", "NowTxt"), ("ab" + text.substr(1)).substr(0, 510));
}

namespace {
struct Launch {
    std::string verb, file;
    bool no_parameters, no_directory;
    INT show;
    DWORD thread;
};
std::vector<Launch> launches;
HINSTANCE record_launch(HWND, const char* verb, const char* file, const char* parameters, const char* directory,
                        INT show)
{
    launches.push_back({verb ? verb : "", file ? file : "", parameters == nullptr, directory == nullptr, show,
                        GetCurrentThreadId()});
    return HINSTANCE(42);
}
}  // namespace

TEST_F(SettingsFileTest, TheFirstSaveOfADayStartsStowaOnce)
{
    put("etc", "backup", "19991231");
    launches.clear();
    g_seams.shell_execute = record_launch;
    create_window();
    save_step();
    ASSERT_EQ(launches.size(), 1u);
    EXPECT_EQ(launches[0].verb, "open");
    EXPECT_EQ(launches[0].file, folder.file("stowa.exe"));
    EXPECT_TRUE(launches[0].no_parameters && launches[0].no_directory);
    EXPECT_EQ(launches[0].show, SW_SHOWNORMAL);
    std::string today = stored("etc", "backup");
    EXPECT_EQ(g_settings.backup, today);
    EXPECT_NE(today, "19991231");
    save_step();
    destroy();  // the final save of the same day
    EXPECT_EQ(launches.size(), 1u);
}
