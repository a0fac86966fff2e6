// Operations whose call sites exist already but whose work arrives with the
// subsystems that own them: the folder listing and navigation, the list box
// presentation and the launch routine. Until then each does nothing, so the
// window starts empty with the built-in defaults and nothing is saved.
// Remove an entry here when its subsystem implements it.
#include "app/app_state.h"
#include "folder/folder_ops.h"
#include "lists/list_ops.h"

void open_row(int) {}

INT_PTR launch_routine(const std::string&, const std::string&) { return 0; }
int clipboard_launch() { return -1; }
