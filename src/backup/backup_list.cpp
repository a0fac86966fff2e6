#include "backup/backup_list.h"

#include "folder/path_rules.h"

bool is_excluded_folder(std::string_view name)
{
    if (name == "stowa" || name == "rstr")
        return true;
    // Walk character by character: a match may only start at a character of
    // its own. Each byte is folded only once the bytes before it proved to be
    // single-byte letters, so every folded byte begins a character.
    for (size_t i = 0; i < name.size(); i += character_length(name, i)) {
        if (i + 3 <= name.size() && ascii_fold(name[i]) == 'l' && ascii_fold(name[i + 1]) == 'o' &&
            ascii_fold(name[i + 2]) == 'g')
            return true;
    }
    return false;
}

std::string relative_child(std::string_view folder, std::string_view name)
{
    std::string r;
    r.reserve(folder.size() + name.size());
    r.append(folder);
    r.append(name);
    return r;
}

std::string relative_folder(std::string_view folder, std::string_view name)
{
    std::string r = relative_child(folder, name);
    r.push_back('\\');
    return r;
}

void ItemList::clear()
{
    items.clear();
    members.clear();
}

void ItemList::add(std::string item)
{
    members.insert(item);
    items.push_back(std::move(item));
}

bool ItemList::contains(std::string_view item) const
{
    return members.find(std::string(item)) != members.end();
}

std::string list_file_text(const ItemList& list)
{
    size_t total = 0;
    for (const std::string& item : list.items)
        total += item.size() + 1;
    std::string text;
    text.reserve(total);
    for (const std::string& item : list.items) {
        text.append(item);
        text.push_back('\n');
    }
    return text;
}

void list_file_read(std::string_view bytes, ItemList& list)
{
    list.clear();
    size_t start = 0;
    for (size_t i = 0; i <= bytes.size(); ++i) {
        if (i < bytes.size() && bytes[i] != '\r' && bytes[i] != '\n')
            continue;
        std::string_view line = bytes.substr(start, i - start);
        size_t nul = line.find('\0');
        if (nul != std::string_view::npos)
            line = line.substr(0, nul);
        if (!line.empty())
            list.add(std::string(line));
        start = i + 1;
    }
}

std::vector<std::string> parent_folders(std::string_view relative)
{
    std::string path(relative);
    trailing_separator_strip(path);
    std::vector<std::string> folders;
    for (size_t i = 0; i < path.size(); i += character_length(path, i))
        if (path[i] == '\\' && i > 0)
            folders.push_back(path.substr(0, i));
    return folders;
}

std::string stowa_argument(std::string_view command_line)
{
    if (command_line.empty() || command_line[0] != '"')
        return std::string(command_line);
    size_t close = command_line.find('"', 1);
    if (close == std::string_view::npos)
        return std::string(command_line.substr(1));
    return std::string(command_line.substr(1, close - 1));
}

bool program_folder_of(std::string_view module_path, std::string& folder)
{
    size_t separator = last_separator(module_path);
    if (separator == std::string_view::npos)
        return false;
    bool drive = module_path.size() >= 3 &&
                 ((module_path[0] >= 'A' && module_path[0] <= 'Z') ||
                  (module_path[0] >= 'a' && module_path[0] <= 'z')) &&
                 module_path[1] == ':' && module_path[2] == '\\';
    bool unc = module_path.size() >= 3 && module_path[0] == '\\' && module_path[1] == '\\' &&
               module_path[2] != '\\';
    if (!drive && !unc)
        return false;
    folder.assign(module_path.substr(0, separator + 1));
    return true;
}
