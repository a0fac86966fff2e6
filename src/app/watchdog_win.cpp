// The idle watchdog thread. It only measures time; the ending itself is
// posted to the main window, whose thread owns the lists and the files.
#include <windows.h>

#include "app/app_state.h"
#include "app/shutdown.h"
#include "app/settings.h"
#include "app/watchdog.h"

namespace {

struct WatchdogRun {
    HWND window;
    uintptr_t run_number;
    int idle_limit;
};

// Each window creation starts a new run; a message from an older run (a
// window destroyed and created again in the same process) is ignored.
std::atomic<uintptr_t> current_run{0};

void sleep_ms(int64_t ms)
{
    while (ms > 0) {
        DWORD step = ms > 0x7FFFFFFF ? DWORD(0x7FFFFFFF) : DWORD(ms);
        Sleep(step);
        ms -= step;
    }
}

DWORD WINAPI idle_watchdog(void* parameter)
{
    WatchdogRun* run = static_cast<WatchdogRun*>(parameter);
    sleep_ms(watchdog_first_sleep_ms(run->idle_limit));
    for (;;) {
        // A watchdog of an earlier window leaves the clock to the current one.
        if (run->run_number != current_run) {
            delete run;
            return 1;
        }
        int64_t next = watchdog_check(g_activity);
        if (next < 0)
            break;
        sleep_ms(next);
    }
    PostMessageA(run->window, IDLE_END_MESSAGE, WPARAM(run->run_number), 0);
    delete run;
    return 1;
}

}  // namespace

void watchdog_start_thread(void* window, int idle_limit_seconds)
{
    auto* run = new WatchdogRun{static_cast<HWND>(window), ++current_run, idle_limit_seconds};
    HANDLE thread = CreateThread(nullptr, 0, idle_watchdog, run, 0, nullptr);
    if (thread)
        CloseHandle(thread);  // never waited for
    else
        delete run;
}

void watchdog_start(void* window)
{
    activity_clock_start();
    watchdog_start_thread(window, g_settings.timelimit);
}

void idle_limit_reached(uintptr_t run_number)
{
    if (run_number == current_run)
        shutdown_routine();
}
