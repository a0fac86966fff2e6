// The open-row operation on the window side.
#include <windows.h>

#include "app/app_state.h"
#include "app/launch.h"
#include "app/settings.h"
#include "folder/entry_table.h"
#include "folder/folder_ops.h"
#include "folder/folder_state.h"
#include "input/open_row.h"

void open_row(int row)
{
    const Entry* entry = row_entry(g_entries, row);
    if (!entry)
        return;
    // A copy: the scan below replaces the entry table.
    const std::string path = entry->path;
    const bool ctrl = (GetKeyState(VK_CONTROL) & 0x8000) != 0;
    OpenRowPlan plan = open_row_plan(path, ctrl, g_folder.current_folder, g_settings.explorerexe);
    if (!plan.text_box.empty())
        SetWindowTextA(g_app.text_box, plan.text_box.c_str());
    switch (plan.kind) {
    case OpenRowPlan::list_folder:
        go_to_folder(plan.target);
        break;
    case OpenRowPlan::launch:
        launch_routine(plan.target, plan.parameters);
        break;
    case OpenRowPlan::nothing:
        break;
    }
}
