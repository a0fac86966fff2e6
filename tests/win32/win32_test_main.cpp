// Entry of the Win32 tests: GoogleTest's main, with Japanese literals
// compared as Shift-JIS bytes because Wine runs with code page 932, and a
// watchdog that ends the run when one test hangs.
#include <windows.h>

#include <gtest/gtest.h>

#include "hang_watchdog.h"

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    if (GetACP() != 932) {
        fprintf(stderr, "the ANSI code page is %u, not 932: run under LC_ALL=ja_JP.UTF-8\n", GetACP());
        return 2;
    }
    hang_watchdog_install(testing::UnitTest::GetInstance()->listeners());
    return RUN_ALL_TESTS();
}
