// Nimbrel.ini through the profile routines: read once at window creation in
// the order of its keys, written whole by the save step, and the daily start
// of the backup tool.
#include <windows.h>

#include <functional>
#include <vector>

#include "app/app_state.h"
#include "app/safe_write.h"
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
    // 0xFFFFFFFF, which is -1 again as an int. Without a settings path (no
    // executable folder) the built-in defaults stand.
    if (g_app.settings_path.empty())
        return fallback;
    return int(GetPrivateProfileIntA(section, key, fallback, path()));
}

// A string value, cut to max_bytes at a character boundary.
std::string read_string(const char* section, const char* key, const char* fallback, size_t max_bytes = 511)
{
    if (g_app.settings_path.empty())
        return cut_at_character(fallback, max_bytes);
    std::vector<char> buffer(1024);
    for (;;) {
        DWORD n = GetPrivateProfileStringA(section, key, fallback, buffer.data(), DWORD(buffer.size()), path());
        // A value that filled the buffer may have been cut by the routine.
        if (n + 2 < buffer.size() || buffer.size() >= (1u << 20))
            return cut_at_character(std::string_view(buffer.data(), n), max_bytes);
        buffer.resize(buffer.size() * 2);
    }
}

// One save's writes into one file. `ok` stays true only while every key
// was written, so that a file that missed a key never replaces Nimbrel.ini.
struct ProfileWrite {
    std::string file;
    bool ok = true;
};

void write_string(ProfileWrite& w, const char* section, const char* key, const std::string& value)
{
    if (!WritePrivateProfileStringA(section, key, value.c_str(), w.file.c_str()))
        w.ok = false;
}

void write_int(ProfileWrite& w, const char* section, const char* key, int value)
{
    write_string(w, section, key, setting_integer_text(value));
}

Colour read_colour(const char* section, int fallback)
{
    uint8_t red = colour_component(read_int(section, "red", fallback));
    uint8_t green = colour_component(read_int(section, "green", fallback));
    uint8_t blue = colour_component(read_int(section, "blue", fallback));
    return Colour{red, green, blue};
}

void write_colour(ProfileWrite& w, const char* section, Colour c)
{
    write_int(w, section, "red", c.red);
    write_int(w, section, "green", c.green);
    write_int(w, section, "blue", c.blue);
}

const char* const FUNCTION_KEYS[4] = {"cmd_F6", "cmd_F7", "cmd_F8", "cmd_F9"};

// Writes keys into Nimbrel.ini whole or not at all. The profile routines
// change a file in place key by key, so a save that died on the way would
// leave a mix of old and new keys. Here they write into a copy beside it,
// made from the current file so that every key and section not written here
// survives as it would in place, and the finished copy replaces the file in
// one step. On any failure Nimbrel.ini stays as it was and the copy is
// removed.
bool settings_file_write(const std::function<bool(const std::string& file)>& write_keys)
{
    const std::string& target = g_app.settings_path;
    if (target.empty())
        return false;  // no executable folder: nothing is written anywhere
    const std::string temporary = target + ".tmp";
    auto give_up = [&] {
        DeleteFileA(temporary.c_str());
        return false;
    };
    auto go_on = [&](int step) {
        WriteFault fault = write_fault_at(step);
        if (fault == WriteFault::fail)
            DeleteFileA(temporary.c_str());
        return fault == WriteFault::none;
    };
    // All three NULL flushes the routines' cache of that file and drops it:
    // what they may still hold of a copy that an interrupted save left must
    // not stand in for the fresh copy made next.
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, temporary.c_str());
    if (!CopyFileA(target.c_str(), temporary.c_str(), FALSE)) {
        // No settings file yet: the copy starts from nothing, as the file
        // itself would, and never from a left-over copy.
        bool missing = GetLastError() == ERROR_FILE_NOT_FOUND;
        DeleteFileA(temporary.c_str());
        if (!missing || GetFileAttributesA(temporary.c_str()) != INVALID_FILE_ATTRIBUTES)
            return false;
    }
    if (!go_on(0))
        return false;
    bool written = write_keys(temporary);
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, temporary.c_str());
    if (!written)
        return give_up();
    if (!go_on(1))
        return false;
    if (!file_flush(temporary))
        return give_up();
    if (!go_on(2))
        return false;
    return safe_replace(temporary, target);
}

// The repair of a name filter at start: "null" (also a missing key) is
// written back as an empty value.
void filters_load(std::string& filter_dir, std::string& filter_file)
{
    std::string dir = read_string("filter", "filter_dir", "null");
    std::string file = read_string("filter", "filter_file", "null");
    bool repair_dir = filter_needs_repair(dir);
    bool repair_file = filter_needs_repair(file);
    if (repair_dir || repair_file) {
        settings_file_write([&](const std::string& target) {
            ProfileWrite w{target};
            if (repair_dir)
                write_string(w, "filter", "filter_dir", "");
            if (repair_file)
                write_string(w, "filter", "filter_file", "");
            return w.ok;
        });
    }
    filter_dir = filter_repaired(dir);
    filter_file = filter_repaired(file);
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
    filters_load(s.filter_dir, s.filter_file);

    s.which = which_held(s.which);
}

std::string settings_now_dir()
{
    return read_string("path", "NowDir", "");
}

bool settings_keys_write(const std::string& file, const std::string& backup_date)
{
    const Settings& s = g_settings;
    ProfileWrite w{file};
    RECT r{};
    if (GetWindowRect(g_app.main_window, &r) && rectangle_rule_passes(r.top, r.bottom, r.right, r.left)) {
        write_int(w, "window", "top", r.top);
        write_int(w, "window", "bottom", r.bottom);
        write_int(w, "window", "right", r.right);
        write_int(w, "window", "left", r.left);
    }
    write_int(w, "window", "sizeHeight", s.size_height);
    write_int(w, "window", "sizeWidth", s.size_width);
    write_int(w, "mode", "addmode", s.addmode);
    write_int(w, "mode", "search", s.search);
    write_int(w, "mode", "which", s.which);

    write_string(w, "path", "NowDir", g_folder.current_folder);
    write_string(w, "path", "NowTxt", s.now_txt);
    write_string(w, "path", "explorerexe", s.explorerexe);

    write_colour(w, "text_color1", s.text_color1);
    write_colour(w, "text_color2", s.text_color2);
    write_colour(w, "list_color1", s.list_color1);
    write_colour(w, "list_color2", s.list_color2);

    write_int(w, "etc", "timelimit", s.timelimit);
    write_int(w, "etc", "listcount", s.listcount);
    write_int(w, "etc", "filterdate", s.filterdate);
    write_int(w, "etc", "filterdate2", s.filterdate2);
    write_string(w, "etc", "filterdate3", s.filter_reversed ? "1" : "0");

    for (int i = 0; i < 4; ++i)
        write_string(w, "cmd", FUNCTION_KEYS[i], s.cmd_f[i]);
    if (!backup_date.empty())
        write_string(w, "etc", "backup", backup_date);
    return w.ok;
}

void settings_save()
{
    Settings& s = g_settings;
    s.timelimit = timelimit_stored(s.timelimit);
    // The first save of a day also records the date, in the same pass. Without
    // the executable folder stowa cannot be named (the name would resolve
    // against the current directory): then no date is recorded, so that a
    // later save can still start it today.
    std::string today = date_stamp_today();
    std::string folder;
    const bool backup_due = today != s.backup && executable_folder(folder);
    settings_file_write(
        [&](const std::string& file) { return settings_keys_write(file, backup_due ? today : std::string()); });
    if (!backup_due)
        return;
    s.backup = today;
    // Started after the date is recorded. The result is not looked at: a
    // missing tool is silent, and no further attempt is made today.
    g_seams.shell_execute(nullptr, "open", (folder + "stowa.exe").c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}
