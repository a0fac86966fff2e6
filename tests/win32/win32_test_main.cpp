// Entry of the Win32 tests: GoogleTest's main, with Japanese literals
// compared as Shift-JIS bytes because Wine runs with code page 932.
#include <windows.h>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    if (GetACP() != 932) {
        fprintf(stderr, "the ANSI code page is %u, not 932: run under LC_ALL=ja_JP.UTF-8\n", GetACP());
        return 2;
    }
    return RUN_ALL_TESTS();
}
