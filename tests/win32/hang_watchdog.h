// Ends the Win32 test process when one test runs longer than a limit and
// names that test on stderr, so that a stray modal box or a message loop
// that never ends fails the run within minutes instead of holding it open.
#pragma once

#include <gtest/gtest.h>

// Exit code of a process ended by the watchdog.
constexpr unsigned HANG_EXIT_CODE = 3;

// Seconds one test may run; NIMBREL_TEST_HANG_SECONDS overrides it.
constexpr unsigned HANG_DEFAULT_SECONDS = 120;

// Adds the listener that notes the running test and starts the thread that
// watches it. Call once, before RUN_ALL_TESTS.
void hang_watchdog_install(testing::TestEventListeners& listeners);
