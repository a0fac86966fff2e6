#include "lists/list_state.h"

ListBoxState g_listbox;
