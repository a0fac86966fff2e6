// The restore pass: rebuilds each backup generation as a complete copy of
// the program folder as it was at that pass, below F + "rstr". The backup
// generations are only read.
#include <windows.h>
#include <shellapi.h>

#include "app/seams.h"
#include "backup/stowa_win.h"

namespace {

// Shell copy of one folder (FOF_SILENT, FOF_NOCONFIRMATION,
// FOF_NOCONFIRMMKDIR): into an existing folder `to` it lands inside it,
// merging with a folder of the same name; to a path that does not exist yet
// it takes that name.
void shell_copy(const std::string& from, const std::string& to)
{
    std::string source = from;
    source.push_back('\0');
    std::string target = to;
    target.push_back('\0');
    SHFILEOPSTRUCTA operation{};
    operation.wFunc = FO_COPY;
    operation.pFrom = source.c_str();
    operation.pTo = target.c_str();
    operation.fFlags = FOF_SILENT | FOF_NOCONFIRMATION | FOF_NOCONFIRMMKDIR;
    g_seams.file_operation(&operation);
}

} // namespace

void restore_pass(const std::string& folder)
{
    std::string restore = folder + "rstr";
    if (path_exists(restore))
        shell_delete(restore);
    CreateDirectoryA(restore.c_str(), nullptr);

    for (int n = 1; n <= 5; ++n) {
        std::string digit(1, char('0' + n));
        std::string backup_generation = folder + "stowa\\" + digit;
        std::string generation = restore + "\\" + digit;

        // A missing backup generation is not handed to the shell, which would
        // only answer with an error message; its list is then missing too and
        // the cleanup below empties this restore generation.
        if (path_exists(backup_generation))
            shell_copy(backup_generation, restore);

        ItemList items;
        std::string bytes;
        if (read_whole_file(generation + "\\" + k_list_file_name, bytes))
            list_file_read(bytes, items);

        // Whatever the generation's list does not name was added after that
        // pass; the list file itself is not named and goes too.
        std::string base = generation + "\\";
        cleanup_walk(base, [&](const std::string& relative, bool is_folder_item) {
            if (items.contains(relative))
                return;
            std::string item = base + relative;
            if (is_folder_item)
                item.pop_back();
            shell_delete(item);
            stowa_pause();
        });

        if (n < 5)
            shell_copy(generation, restore + "\\" + char('0' + n + 1));
    }
}
