// What the list box shows, and the marker that ends the message loop.
#pragma once

#include <atomic>

enum : int {
    LIST_DATA = 0,         // 0 and 1: the data list
    LIST_DATA_SCANNED = 1,
    LIST_RECENT = 10,      // history mode
    LIST_NUMBER_INPUT = 13,
    LIST_FOLDER_SIZES = 14,
    QUIT_MARKER = 99,
};

struct ListBoxState {
    // Read by the message loop before every wait; set by the shutdown routine.
    std::atomic<int> list_state{0};
    int parent_level = 0;  // how many path levels the list box climbs
};

extern ListBoxState g_listbox;
