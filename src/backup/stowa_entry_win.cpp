// The entry of stowa: restore on "-r", else one backup pass.
#include "app/seams.h"
#include "backup/stowa_win.h"

int stowa_main(std::string_view command_line)
{
    std::string argument = stowa_argument(command_line);
    std::string folder;
    if (!stowa_program_folder(folder))
        return 1;
    if (argument == "-r") {
        restore_pass(folder);
        // Shown whatever happened during the pass.
        g_seams.message_box(nullptr, "復元が終了しました。", "メッセージ", MB_OK);
        return 0;
    }
    backup_pass(folder);
    return 0;
}
