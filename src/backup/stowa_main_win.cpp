// Entry point of stowa.exe, a program without a window.
#include <windows.h>

#include "backup/stowa_win.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR command_line, int)
{
    // The system passes the text after the program name, quotes kept.
    return stowa_main(command_line ? command_line : "");
}
