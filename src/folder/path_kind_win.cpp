#include <windows.h>

#include "app/app_state.h"
#include "app/main_window.h"
#include "folder/folder_ops.h"
#include "folder/folder_state.h"
#include "folder/path_rules.h"

PathKind path_kind(const std::string& path)
{
    std::string name = path_kind_lookup_name(path);
    if (name.empty())
        return PATH_NONE;
    // A drive root ("C:" once its backslash is cut) is no entry that
    // FindFirstFileA can find; ask for its attributes instead.
    if (name.size() == 2 && name[1] == ':') {
        DWORD attributes = GetFileAttributesA((name + "\\").c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES)
            return PATH_NONE;
        return (attributes & FILE_ATTRIBUTE_DIRECTORY) ? PATH_FOLDER : PATH_FILE;
    }
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(name.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return PATH_NONE;
    FindClose(search);
    return (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ? PATH_FOLDER : PATH_FILE;
}

void copy_text_box_text()
{
    g_folder.typed_text = window_text(g_app.text_box);
}
