// Subclassing of the five controls; each procedure has a file of its own.
#include "input/subclass.h"

#include "app/app_state.h"

static WNDPROC replace_procedure(HWND control, WNDPROC procedure)
{
    return reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure)));
}

void subclass_controls()
{
    g_app.previous_text_box = replace_procedure(g_app.text_box, text_box_procedure);
    g_app.previous_list_box = replace_procedure(g_app.list_box, list_box_procedure);
    g_app.previous_folder_view = replace_procedure(g_app.folder_view, folder_view_procedure);
    g_app.previous_number_box = replace_procedure(g_app.number_box, number_box_procedure);
    g_app.previous_second_list_box = replace_procedure(g_app.second_list_box, second_list_box_procedure);
}
