// The activity time that every folder view refresh stamps, the checkpoint
// of the idle watchdog, and the watchdog's arithmetic.
#pragma once

#include <atomic>
#include <cstdint>

struct ActivityClock {
    // Calendar seconds; only differences of the two are used. The activity
    // time is written by the main thread, the checkpoint only by the
    // watchdog after creation.
    std::atomic<int64_t> activity_time{0};
    std::atomic<int64_t> checkpoint_time{0};
};

extern ActivityClock g_activity;

// Stamps the activity time with the current time (the start of every folder
// view refresh, and window creation).
void activity_time_stamp();
// Window creation: activity and checkpoint both set to now.
void activity_clock_start();

// The first sleep of the watchdog in milliseconds: the idle limit, never a
// negative time.
int64_t watchdog_first_sleep_ms(int idle_limit_seconds);

// One check after a sleep: when activity came at least 2 seconds after the
// checkpoint, the checkpoint moves to it and the result is the next sleep in
// milliseconds; otherwise the result is -1 and the program ends.
int64_t watchdog_check(ActivityClock& clock);

// The private message by which the idle watchdog asks the main window to
// end the program, so that the save runs on the main thread and never in
// the middle of a list operation. wparam carries the watchdog's run number.
inline constexpr unsigned IDLE_END_MESSAGE = 0x8000 + 0x10;  // WM_APP + 0x10

// Starts the watchdog thread for the window being created; the idle limit is
// the one read from the settings at this moment.
void watchdog_start_thread(void* window, int idle_limit_seconds);
// Window creation: the clock starts and the thread with the limit read from
// the settings.
void watchdog_start(void* window);
// The main window received IDLE_END_MESSAGE: a message of the current
// watchdog runs the shutdown routine; one of an earlier window is ignored.
void idle_limit_reached(uintptr_t run_number);
