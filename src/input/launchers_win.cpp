// Starting the registered applications of F6 to F9.
#include <windows.h>
#include <commctrl.h>

#include "app/app_state.h"
#include "app/launch.h"
#include "app/seams.h"
#include "app/settings.h"
#include "folder/entry_table.h"
#include "input/input_state.h"
#include "input/launchers.h"

// The registered application of F6 to F9, or nothing after the message that
// the key has none.
static const std::string* registered(int index)
{
    if (index < 0 || index > 3)
        return nullptr;
    if (g_settings.cmd_f[index].empty()) {
        g_seams.message_box(nullptr, "登録されていません。", "メッセージ", MB_OK);
        return nullptr;
    }
    return &g_settings.cmd_f[index];
}

void launch_from_text_box(int index)
{
    if (g_input.input_state != INPUT_NORMAL)
        return;
    const std::string* application = registered(index);
    const Entry* first = row_entry(g_entries, 0);
    if (application && first)
        launch_routine(*application, application_argument(first->path));
}

void launch_from_list_box(int index, const std::string& entry)
{
    if (entry.empty() || g_input.input_state != INPUT_NORMAL)
        return;
    if (const std::string* application = registered(index))
        launch_routine(*application, application_argument(entry));
}

void launch_from_folder_view(int index)
{
    const std::string* application = registered(index);
    if (!application)
        return;
    int focused = int(SendMessageA(g_app.folder_view, LVM_GETNEXTITEM, WPARAM(-1), LVNI_FOCUSED));
    if (const Entry* row = row_entry(g_entries, focused))
        launch_routine(*application, application_argument(row->path));
}
