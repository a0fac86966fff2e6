// Nimbrel.ini through the profile routines: read once at window creation in
// the order of its keys, written by the save step, and the daily start of
// the backup tool.
#include <windows.h>

#include <vector>

#include "app/app_state.h"
#include "app/startup.h"
#include "app/seams.h"
#include "app/settings.h"
#include "app/settings_file.h"
#include "app/settings_rules.h"
#include "folder/folder_state.h"
#include "folder/path_rules.h"
#include "lists/data_files_io.h"

namespace {

const char* path()
{
    return g_app.settings_path.c_str();
}

int read_int(const char* section, const char* key, int fallback)
{
    // The profile routine returns the value as unsigned; "-1" comes back as
    // 0xFFFFFFFF, which is -1 again as an int.
    return int(GetPrivateProfileIntA(section, key, fallback, path()));
}

// A string value, cut to max_bytes at a character boundary.
std::string read_string(const char* section, const char* key, const char* fallback, size_t max_bytes = 511)
{
    std::vector<char> buffer(1024);
    for (;;) {
        DWORD n = GetPrivateProfileStringA(section, key, fallback, buffer.data(), DWORD(buffer.size()), path());
        // A value that filled the buffer may have been cut by the routine.
        if (n + 2 < buffer.size() || buffer.size() >= (1u << 20))
            return cut_at_character(std::string_view(buffer.data(), n), max_bytes);
        buffer.resize(buffer.size() * 2);
    }
}

void write_string(const char* section, const char* key, const std::string& value)
{
    WritePrivateProfileStringA(section, key, value.c_str(), path());
}

void write_int(const char* section, const char* key, int value)
{
    write_string(section, key, setting_integer_text(value));
}

Colour read_colour(const char* section, int fallback)
{
    uint8_t red = colour_component(read_int(section, "red", fallback));
    uint8_t green = colour_component(read_int(section, "green", fallback));
    uint8_t blue = colour_component(read_int(section, "blue", fallback));
    return Colour{red, green, blue};
}

void write_colour(const char* section, Colour c)
{
    write_int(section, "red", c.red);
    write_int(section, "green", c.green);
    write_int(section, "blue", c.blue);
}

const char* const FUNCTION_KEYS[4] = {"cmd_F6", "cmd_F7", "cmd_F8", "cmd_F9"};

// The repair of a name filter at start: "null" (also a missing key) is
// written back as an empty value.
std::string filter_load(const char* key)
{
    std::string stored = read_string("filter", key, "null");
    if (filter_needs_repair(stored))
        write_string("filter", key, "");
    return filter_repaired(stored);
}

}  // namespace

void settings_load(HWND window)
{
    Settings& s = g_settings;
    int top = read_int("window", "top", 0);
    int bottom = read_int("window", "bottom", 0);
    int right = read_int("window", "right", 0);
    int left = read_int("window", "left", 0);
    if (rectangle_rule_passes(top, bottom, right, left))
        MoveWindow(window, left, top, right - left, bottom - top, TRUE);

    s.size_height = read_int("window", "sizeHeight", 150);
    s.size_width = read_int("window", "sizeWidth", 300);
    s.addmode = read_int("mode", "addmode", 0);
    s.search = read_int("mode", "search", 1);
    s.which = read_int("mode", "which", 1);
    s.text_color1 = read_colour("text_color1", 250);
    s.text_color2 = read_colour("text_color2", 180);
    s.list_color1 = read_colour("list_color1", 240);
    s.list_color2 = read_colour("list_color2", 210);
    s.listcount = read_int("etc", "listcount", 20);
    s.timelimit = read_int("etc", "timelimit", 120);
    s.filterdate = read_int("etc", "filterdate", -1);
    s.filterdate2 = read_int("etc", "filterdate2", -2);
    s.filter_reversed = read_int("etc", "filterdate3", 0) == 1;

    SetWindowTextA(g_app.number_box, number_box_text(s.filterdate, s.filter_reversed).c_str());
    if (s.filterdate != -1)
        s.filterdate2 = -2;  // a running filter has nothing put aside

    g_folder.current_folder = read_string("path", "NowDir", "");
    s.now_txt = read_string("path", "NowTxt", "");
    s.explorerexe = read_string("path", "explorerexe", "explorer");
    for (int i = 0; i < 4; ++i)
        s.cmd_f[i] = read_string("cmd", FUNCTION_KEYS[i], "");
    s.backup = backup_date_held(read_string("etc", "backup", ""));
    s.filter_dir = filter_load("filter_dir");
    s.filter_file = filter_load("filter_file");

    s.which = which_held(s.which);
}

std::string settings_now_dir()
{
    return read_string("path", "NowDir", "");
}

void settings_save()
{
    const Settings& s = g_settings;
    RECT r{};
    if (GetWindowRect(g_app.main_window, &r) && rectangle_rule_passes(r.top, r.bottom, r.right, r.left)) {
        write_int("window", "top", r.top);
        write_int("window", "bottom", r.bottom);
        write_int("window", "right", r.right);
        write_int("window", "left", r.left);
    }
    write_int("window", "sizeHeight", s.size_height);
    write_int("window", "sizeWidth", s.size_width);
    write_int("mode", "addmode", s.addmode);
    write_int("mode", "search", s.search);
    write_int("mode", "which", s.which);

    write_string("path", "NowDir", g_folder.current_folder);
    write_string("path", "NowTxt", s.now_txt);
    write_string("path", "explorerexe", s.explorerexe);

    write_colour("text_color1", s.text_color1);
    write_colour("text_color2", s.text_color2);
    write_colour("list_color1", s.list_color1);
    write_colour("list_color2", s.list_color2);

    g_settings.timelimit = timelimit_stored(s.timelimit);
    write_int("etc", "timelimit", s.timelimit);
    write_int("etc", "listcount", s.listcount);
    write_int("etc", "filterdate", s.filterdate);
    write_int("etc", "filterdate2", s.filterdate2);
    write_string("etc", "filterdate3", s.filter_reversed ? "1" : "0");

    for (int i = 0; i < 4; ++i)
        write_string("cmd", FUNCTION_KEYS[i], s.cmd_f[i]);
}

void daily_backup()
{
    std::string today = date_stamp_today();
    if (today == g_settings.backup)
        return;
    write_string("etc", "backup", today);
    g_settings.backup = today;
    std::string folder;
    executable_folder(folder);
    // The result is not looked at: a missing tool is silent, and the date is
    // already written, so no further attempt is made today.
    g_seams.shell_execute(nullptr, "open", (folder + "stowa.exe").c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}
