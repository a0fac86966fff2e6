#include "app/watchdog.h"

#include <ctime>

ActivityClock g_activity;

void activity_time_stamp()
{
    g_activity.activity_time = int64_t(std::time(nullptr));
}

void activity_clock_start()
{
    activity_time_stamp();
    g_activity.checkpoint_time = g_activity.activity_time.load();
}

int64_t watchdog_first_sleep_ms(int idle_limit_seconds)
{
    return idle_limit_seconds > 0 ? int64_t(idle_limit_seconds) * 1000 : 0;
}

int64_t watchdog_check(ActivityClock& clock)
{
    int64_t activity = clock.activity_time;
    int64_t d = activity - clock.checkpoint_time;
    if (d <= 1)
        return -1;
    clock.checkpoint_time = activity;
    return d * 1000;
}
