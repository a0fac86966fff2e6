// Every ending of the program goes through the shutdown routine.
#include "app/app_state.h"
#include "app/shutdown.h"
#include "lists/list_state.h"

void shutdown_routine()
{
    // The first call saves and hides; later calls only post WM_CLOSE.
    if (g_app.unsaved != 0 && !g_app.ending.exchange(true)) {
        save_step();
        g_listbox.list_state = QUIT_MARKER;
        ShowWindow(g_app.main_window, SW_MINIMIZE);
        ShowWindow(g_app.main_window, SW_HIDE);
        g_app.unsaved = 0;
    }
    PostMessageA(g_app.main_window, WM_CLOSE, 0, 0);
}
