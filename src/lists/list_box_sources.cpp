// Placeholder sources until the string lists land: every list is empty.
#include "lists/list_box.h"

std::vector<std::string_view> data_list_entries() { return {}; }
std::vector<std::string_view> recent_folder_entries() { return {}; }
std::vector<std::string_view> bookmark_entries() { return {}; }
