// The save step: everything that must survive the run, in a fixed order.
#include <windows.h>

#include "app/app_state.h"
#include "app/main_window.h"
#include "app/shutdown.h"
#include "app/settings.h"
#include "app/settings_file.h"
#include "app/settings_rules.h"
#include "folder/file_ops.h"
#include "lists/data_files_io.h"

void save_step()
{
    g_settings.now_txt = now_txt_value(window_text(g_app.text_box));
    // The data files first, with today's daily history file last among them.
    data_files_save();
    // The settings, which also record the date before stowa starts.
    settings_save();
    pending_release_unpasted();
}
