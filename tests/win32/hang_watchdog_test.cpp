// The hang watchdog seen from outside: a second copy of this test program
// runs one test that sleeps past a two-second limit; it has to end early,
// with the watchdog's exit code, naming that test on stderr.
#include "fixture.h"
#include "hang_watchdog.h"

// Runs only in the child started below (disabled tests are left out of a
// normal run). The sleep is bounded, so a broken watchdog fails the test
// below instead of hanging it.
TEST(HangWatchdog, DISABLED_SleepsPastTheLimit)
{
    Sleep(30000);
}

static std::string own_path()
{
    std::string path(MAX_PATH, '\0');
    for (;;) {
        DWORD length = GetModuleFileNameA(nullptr, &path[0], DWORD(path.size()));
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

TEST(HangWatchdog, EndsAHungTestAndNamesIt)
{
    TempFolder folder;
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE log = CreateFileA(folder.file("child.log").c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit,
                             CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(log, INVALID_HANDLE_VALUE);

    std::string command = "\"" + own_path() +
                          "\" --gtest_filter=HangWatchdog.DISABLED_SleepsPastTheLimit"
                          " --gtest_also_run_disabled_tests";
    STARTUPINFOA start{};
    start.cb = sizeof start;
    start.dwFlags = STARTF_USESTDHANDLES;
    start.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    start.hStdOutput = log;
    start.hStdError = log;
    PROCESS_INFORMATION child{};
    // The child inherits the environment, and so the short limit.
    SetEnvironmentVariableA("NIMBREL_TEST_HANG_SECONDS", "2");
    ULONGLONG began = GetTickCount64();
    BOOL started =
        CreateProcessA(nullptr, &command[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &start, &child);
    SetEnvironmentVariableA("NIMBREL_TEST_HANG_SECONDS", nullptr);
    CloseHandle(log);
    ASSERT_TRUE(started);

    DWORD waited = WaitForSingleObject(child.hProcess, 25000);
    ULONGLONG seconds = (GetTickCount64() - began) / 1000;
    if (waited == WAIT_TIMEOUT)
        TerminateProcess(child.hProcess, 1);
    DWORD code = 0;
    GetExitCodeProcess(child.hProcess, &code);
    CloseHandle(child.hThread);
    CloseHandle(child.hProcess);

    ASSERT_EQ(waited, WAIT_OBJECT_0) << "the child slept on past its limit";
    EXPECT_EQ(code, HANG_EXIT_CODE);
    EXPECT_LT(seconds, 25u);
    EXPECT_NE(folder.read("child.log").find("win32 test hung: HangWatchdog.DISABLED_SleepsPastTheLimit"),
              std::string::npos)
        << folder.read("child.log");
}
