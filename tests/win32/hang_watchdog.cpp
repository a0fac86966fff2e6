#include "hang_watchdog.h"

#include <windows.h>

#include <cstdlib>
#include <string>

// The test that runs now (empty between tests) and when it began; the
// listener writes them on the main thread, the watchdog thread reads them.
static CRITICAL_SECTION g_lock;
static std::string g_running;
static ULONGLONG g_started = 0;
static ULONGLONG g_limit_ms = 0;

class RunningTestListener : public testing::EmptyTestEventListener
{
    void OnTestStart(const testing::TestInfo& test) override
    {
        EnterCriticalSection(&g_lock);
        g_running = std::string(test.test_suite_name()) + "." + test.name();
        g_started = GetTickCount64();
        LeaveCriticalSection(&g_lock);
    }
    void OnTestEnd(const testing::TestInfo&) override
    {
        EnterCriticalSection(&g_lock);
        g_running.clear();
        LeaveCriticalSection(&g_lock);
    }
};

static unsigned limit_seconds()
{
    const char* text = getenv("NIMBREL_TEST_HANG_SECONDS");
    if (!text || !*text)
        return HANG_DEFAULT_SECONDS;
    char* end = nullptr;
    unsigned long seconds = strtoul(text, &end, 10);
    if (*end || seconds == 0 || seconds > 86400)
        return HANG_DEFAULT_SECONDS;
    return unsigned(seconds);
}

static DWORD WINAPI watch(void*)
{
    for (;;) {
        Sleep(250);
        std::string hung;
        EnterCriticalSection(&g_lock);
        if (!g_running.empty() && GetTickCount64() - g_started > g_limit_ms)
            hung = g_running;
        LeaveCriticalSection(&g_lock);
        if (hung.empty())
            continue;
        // Straight to the handle: the hung thread may hold the C runtime's
        // stream locks.
        std::string line =
            "\nwin32 test hung: " + hung + " (ran longer than " + std::to_string(g_limit_ms / 1000) + " s)\n";
        DWORD written = 0;
        WriteFile(GetStdHandle(STD_ERROR_HANDLE), line.data(), DWORD(line.size()), &written, nullptr);
        TerminateProcess(GetCurrentProcess(), HANG_EXIT_CODE);
    }
}

void hang_watchdog_install(testing::TestEventListeners& listeners)
{
    InitializeCriticalSection(&g_lock);
    g_limit_ms = ULONGLONG(limit_seconds()) * 1000;
    listeners.Append(new RunningTestListener); // gtest owns and deletes it
    HANDLE thread = CreateThread(nullptr, 0, watch, nullptr, 0, nullptr);
    if (thread)
        CloseHandle(thread);
}
