// Write access to the lists for the data-file serialisers, which put the
// tab back into stored keyed lines. Nothing else includes this header.
#pragma once

#include "lists/string_lists.h"

StringLists& lists_for_serialiser();

// Room for that many more data list entries (a load knows its line count).
void data_list_reserve(size_t more);
