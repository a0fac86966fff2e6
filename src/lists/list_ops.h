// Operations of the lists subsystem that touch windows or the file system.
#pragma once

#include <windows.h>

#include <string>

#include "lists/string_lists.h"

void data_files_load();
void list_refresh();

// Text of the selected row of a list box, empty when nothing is selected.
std::string selected_entry_text(HWND list_box);
