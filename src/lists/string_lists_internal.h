// Write access to the lists for the data-file serialisers, which put the
// tab back into stored keyed lines. Nothing else includes this header.
#pragma once

#include "lists/string_lists.h"

StringLists& lists_for_serialiser();
