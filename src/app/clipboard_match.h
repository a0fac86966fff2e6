// The choice of the clipboard launch: the clipboard text is matched like a
// typed text, and only a single hit is opened.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "folder/entry_table.h"
#include "lists/string_lists.h"

// The target of the only data entry whose line passes the pattern (its key
// when it has one), or nothing when none or several pass.
bool single_data_hit(std::string_view pattern, bool word_match, const std::vector<DataEntry>& data,
                     std::string& target);

// The path of the only entry whose name passes the pattern, or nothing.
bool single_entry_hit(std::string_view pattern, bool word_match, const std::vector<Entry>& entries,
                      std::string& target);
