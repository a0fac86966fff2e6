// Replacement window procedures of the five subclassed controls.
#pragma once

#include <windows.h>

// Subclasses the text box, the list box, the folder view, the number box and
// the second list box, in this order, keeping each replaced procedure.
void subclass_controls();

LRESULT CALLBACK text_box_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
LRESULT CALLBACK list_box_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
LRESULT CALLBACK folder_view_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
LRESULT CALLBACK number_box_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
LRESULT CALLBACK second_list_box_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
