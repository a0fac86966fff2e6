// Nimbrel.ini at window creation and at the save step, with settings-file
// fixtures in the temporary executable folder.
#include "fixture.h"

#include <vector>

#include "app/safe_write.h"
#include "app/settings.h"
#include "app/settings_file.h"
#include "folder/folder_state.h"
#include "lists/data_files_io.h"
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
        g_write_fault = nullptr;
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
    std::string backup_on_disk;  // "backup" in Nimbrel.ini when stowa starts
};
std::vector<Launch> launches;
HINSTANCE record_launch(HWND, const char* verb, const char* file, const char* parameters, const char* directory,
                        INT show)
{
    char backup[64];
    DWORD n = GetPrivateProfileStringA("etc", "backup", "", backup, sizeof backup, g_app.settings_path.c_str());
    launches.push_back({verb ? verb : "", file ? file : "", parameters == nullptr, directory == nullptr, show,
                        GetCurrentThreadId(), std::string(backup, n)});
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
    EXPECT_EQ(today, date_stamp_today());
    EXPECT_EQ(launches[0].backup_on_disk, today);  // recorded before stowa starts
    save_step();
    destroy();  // the final save of the same day
    EXPECT_EQ(launches.size(), 1u);
}

TEST_F(SettingsFileTest, AWholeSaveWritesTheBytesThatAKeyByKeySaveInPlaceWrites)
{
    create_window();
    MoveWindow(window, 30, 40, 300, 200, TRUE);
    g_folder.current_folder = "C:\\表示\\ソフト\\*";  // second bytes 0x5C
    g_settings.now_txt = "日本語 text";
    g_settings.cmd_f[2] = "C:\\ツール\\能.exe";
    struct Case {
        const char* name;
        bool exists;
        std::string bytes;
    } cases[] = {
        {"no file yet", false, ""},
        {"foreign keys and sections", true,
         "; note\r\n[window]\r\nmine=1\r\ntop=7\r\n[other]\r\nx=y\r\n\r\n[etc]\r\nbackup=19991231\r\nkeep=a b\r\n"},
        {"line feeds only", true, "[path]\nNowDir=C:\\old\\*\n[zz]\nk=v\n"},
        {"Shift-JIS values and names", true, "[path]\r\nNowTxt=古い\r\n[メモ]\r\n表=能\r\n"},
    };
    for (const Case& c : cases) {
        for (const char* name : {"Nimbrel.ini", "in_place.ini"}) {
            DeleteFileA(folder.file(name).c_str());
            if (c.exists)
                folder.write(name, c.bytes);
        }
        g_settings.backup = "19991231";  // the first save of the day also writes "backup"
        ASSERT_TRUE(settings_keys_write(folder.file("in_place.ini"), date_stamp_today())) << c.name;
        settings_save();
        std::string saved = folder.read("Nimbrel.ini");
        EXPECT_EQ(saved, folder.read("in_place.ini")) << c.name;
        EXPECT_NE(saved.find("NowDir=C:\\表示\\ソフト\\*"), std::string::npos) << c.name;
        EXPECT_NE(saved.find("backup=" + date_stamp_today()), std::string::npos) << c.name;
        EXPECT_FALSE(folder.exists("Nimbrel.ini.tmp")) << c.name;
    }
    EXPECT_EQ(stored("メモ", "表"), "能");
    EXPECT_EQ(stored("path", "NowTxt"), "日本語 text");
}

TEST_F(SettingsFileTest, ASaveThatCannotFinishLeavesTheOldFileByteForByte)
{
    create_window();
    g_settings.backup = date_stamp_today();
    g_settings.size_height = 123;
    const std::string old_bytes = "[window]\r\nsizeHeight=99\r\n[other]\r\nx=y\r\n";
    const std::string changed_old_bytes = "[window]\r\nsizeHeight=99\r\n[other]\r\nx=z\r\n";

    folder.write("Nimbrel.ini", old_bytes);
    g_write_fault = count_steps;
    steps_seen = 0;
    settings_save();
    g_write_fault = nullptr;
    EXPECT_EQ(steps_seen, 4);  // copied, written, flushed, before the swap

    for (WriteFault kind : {WriteFault::fail, WriteFault::die}) {
        for (int at = 1; at <= 4; ++at) {
            folder.write("Nimbrel.ini", old_bytes);
            fault_kind = kind;
            fault_countdown = at;
            g_write_fault = count_down_fault;
            settings_save();
            g_write_fault = nullptr;
            EXPECT_EQ(folder.read("Nimbrel.ini"), old_bytes) << int(kind) << " at step " << at;
            if (kind == WriteFault::fail) {
                EXPECT_FALSE(folder.exists("Nimbrel.ini.tmp")) << "step " << at;
            }
            // The next save starts from the file as it is now, not from what
            // the interrupted one left.
            folder.write("Nimbrel.ini", changed_old_bytes);
            settings_save();
            EXPECT_EQ(stored("other", "x"), "z") << int(kind) << " at step " << at;
            EXPECT_EQ(stored("window", "sizeHeight"), "123") << int(kind) << " at step " << at;
            EXPECT_FALSE(folder.exists("Nimbrel.ini.tmp")) << int(kind) << " at step " << at;
        }
    }

    // A copy left by a killed save never becomes the base of a fresh file.
    fault_kind = WriteFault::die;
    fault_countdown = 3;
    g_write_fault = count_down_fault;
    settings_save();
    g_write_fault = nullptr;
    ASSERT_TRUE(folder.exists("Nimbrel.ini.tmp"));
    DeleteFileA(ini().c_str());
    settings_save();
    EXPECT_EQ(stored("other", "x"), "<missing>");
    EXPECT_EQ(stored("window", "sizeHeight"), "123");

    // A temporary file that cannot be made, with or without a settings file.
    ASSERT_TRUE(CreateDirectoryA(folder.file("Nimbrel.ini.tmp").c_str(), nullptr));
    g_settings.size_height = 321;
    DeleteFileA(ini().c_str());
    settings_save();
    EXPECT_FALSE(folder.exists("Nimbrel.ini"));
    folder.write("Nimbrel.ini", old_bytes);
    settings_save();
    EXPECT_EQ(folder.read("Nimbrel.ini"), old_bytes);
    RemoveDirectoryA(folder.file("Nimbrel.ini.tmp").c_str());
}
