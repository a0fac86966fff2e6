#include "folder/path_list.h"

#include "folder/path_rules.h"

std::string shell_path_list(const std::vector<std::string_view>& paths)
{
    std::string list;
    for (std::string_view p : paths) {
        std::string path(p);
        trailing_separator_strip(path);
        // A path with a zero byte inside would end the list early.
        if (path.empty() || path.find('\0') != std::string::npos)
            continue;
        if (is_drive_root(path))
            path = path.substr(0, 2) + '\\';
        list += path;
        list.push_back('\0');
    }
    if (!list.empty())
        list.push_back('\0');
    return list;
}

bool is_drive_root(std::string_view path)
{
    std::string p(path);
    trailing_separator_strip(p);
    return p.size() == 2 && p[1] == ':' && ((p[0] >= 'A' && p[0] <= 'Z') || (p[0] >= 'a' && p[0] <= 'z'));
}

std::string first_path(std::string_view list)
{
    return std::string(list.substr(0, list.find('\0')));
}

bool renames_on_collision(std::string_view destination, std::string_view list)
{
    return !destination.empty() && first_path(list).find(destination) != std::string::npos;
}

std::string rename_source(std::string_view entry_path)
{
    std::string path(entry_path);
    while (path.size() > 1) {
        const size_t last = path.size() - 1;
        if (path[last] == '*' || (path[last] == '\\' && character_start(path, last)))
            path.pop_back();
        else
            break;
    }
    return path;
}

std::string name_part(std::string_view path)
{
    size_t p = last_separator(path);
    return std::string(p == std::string_view::npos ? path : path.substr(p + 1));
}
