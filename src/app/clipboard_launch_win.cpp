// The clipboard launch: the clipboard text picks one remembered entry, or one
// entry of the saved folder, which is opened at once.
#include <windows.h>

#include "app/app_state.h"
#include "app/clipboard_match.h"
#include "app/launch.h"
#include "app/settings.h"
#include "app/settings_file.h"
#include "app/startup.h"
#include "folder/entry_table.h"
#include "folder/folder_ops.h"
#include "folder/folder_state.h"
#include "lists/list_ops.h"

INT_PTR clipboard_launch()
{
    std::string clip;
    if (!clipboard_text(clip))
        return -1;
    data_files_load();
    const bool word_match = g_settings.search != 0;
    std::string target;
    if (single_data_hit(clip, word_match, g_lists.data, target))
        return launch_routine(target);

    g_folder.current_folder = settings_now_dir();
    folder_scan(g_folder.current_folder);
    if (single_entry_hit(clip, word_match, g_entries.entries, target))
        return launch_routine(target);
    return -1;
}
