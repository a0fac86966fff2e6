// The settings values held in memory for the whole run, with their built-in
// defaults. Reading and writing Nimbrel.ini lives in settings_win.cpp.
#pragma once

#include <cstdint>
#include <string>

struct Colour {
    uint8_t red, green, blue;  // only the low 8 bits of a stored value are kept
};

struct Settings {
    int size_height = 150;  // "sizeHeight": height of the list box
    int size_width = 300;   // "sizeWidth": width of the second list box
    int addmode = 0;
    int search = 1;  // not 0: word match; 0: prefix match
    int which = 1;   // held as 0 or 1
    Colour text_color1{250, 250, 250};
    Colour text_color2{180, 180, 180};
    Colour list_color1{240, 240, 240};
    Colour list_color2{210, 210, 210};
    int listcount = 20;
    int timelimit = 120;
    int filterdate = -1;
    int filterdate2 = -2;
    bool filter_reversed = false;  // "filterdate3" read as exactly 1
    std::string now_txt;           // "NowTxt": start text
    std::string explorerexe = "explorer";
    std::string cmd_f[4];  // "cmd_F6" to "cmd_F9"
    std::string backup;    // last backup date stamp
    std::string filter_dir;
    std::string filter_file;
};

extern Settings g_settings;

// red + green * 256 + blue * 65536, the byte order of a COLORREF.
uint32_t colour_ref(Colour c);
