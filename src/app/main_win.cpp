// Entry point of Nimbrel.exe.
#include <windows.h>

#include "app/app_state.h"
#include "app/startup.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR command_line, int)
{
    // The system passes the text after the program name with leading blanks
    // removed, quotes kept.
    return nimbrel_main(instance, command_line);
}
