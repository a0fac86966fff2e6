#include "folder/file_ops.h"

#include "folder/path_rules.h"

PendingOperation g_pending;

void pending_drop()
{
    g_pending.operation = PENDING_NONE;
    g_pending.paths.clear();
    g_pending.paths.shrink_to_fit();
}

void pending_release_unpasted()
{
    if (g_pending.operation == PENDING_CUT || g_pending.operation == PENDING_COPY) {
        g_pending.paths.clear();
        g_pending.paths.shrink_to_fit();
    }
}

std::string new_folder_path(std::string_view current_folder, std::string_view name)
{
    std::string path;
    if (current_folder.size() >= 3)
        path.assign(current_folder.substr(0, current_folder.size() - 1));  // without "*"
    path += name;
    return path;
}

bool rename_destination(std::string_view old_path, std::string_view new_name, std::string& destination)
{
    if (old_path.size() <= 2)
        return false;
    size_t p = last_separator(old_path);
    destination.assign(old_path.substr(0, p == std::string_view::npos ? 1 : p + 1));
    destination += new_name;
    return true;
}
