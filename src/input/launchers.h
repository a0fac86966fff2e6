// The applications of F6 to F9, started with the current item as argument.
#pragma once

#include <string>
#include <string_view>

// The argument as the application receives it: without a final "\*" or
// backslash, in double quotes when it holds a blank.
std::string application_argument(std::string_view item);

// Window side (launchers_win.cpp). `index` 0 to 3 stands for F6 to F9.
// From the text box: the first folder view row, only in the normal state.
void launch_from_text_box(int index);
// From a list box: the chosen entry, only in the normal state.
void launch_from_list_box(int index, const std::string& entry);
// From the folder view: the focused row, whatever the state.
void launch_from_folder_view(int index);
