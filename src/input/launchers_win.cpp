// Starting the registered applications of F6 to F9.
#include <windows.h>

#include "app/launch.h"
#include "app/seams.h"
#include "app/settings.h"
#include "folder/entry_table.h"
#include "input/input_state.h"
#include "input/launchers.h"

static void not_registered()
{
    g_seams.message_box(nullptr, "登録されていません。", "メッセージ", MB_OK);
}

void launch_from_text_box(int index)
{
    if (index < 0 || index > 3 || g_input.input_state != INPUT_NORMAL)
        return;
    const std::string& application = g_settings.cmd_f[index];
    if (application.empty()) {
        not_registered();
        return;
    }
    const Entry* first = row_entry(g_entries, 0);
    if (first)
        launch_routine(application, application_argument(first->path));
}
