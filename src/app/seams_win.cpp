#include "app/seams.h"

#include <vector>

static bool real_module_file_name(char* buffer, DWORD size, DWORD* length)
{
    DWORD n = GetModuleFileNameA(nullptr, buffer, size);
    // 0 is failure; n == size means the name was cut to fit.
    if (n == 0 || n >= size)
        return false;
    *length = n;
    return true;
}

static int real_message_box(HWND owner, const char* text, const char* caption, UINT type)
{
    return MessageBoxA(owner, text, caption, type);
}

static HINSTANCE real_shell_execute(HWND owner, const char* verb, const char* file,
                                    const char* parameters, const char* directory, INT show)
{
    return ShellExecuteA(owner, verb, file, parameters, directory, show);
}

static int real_file_operation(SHFILEOPSTRUCTA* operation)
{
    return SHFileOperationA(operation);
}

static BOOL real_track_popup_menu(HMENU menu, UINT flags, int x, int y, HWND owner)
{
    return TrackPopupMenu(menu, flags, x, y, 0, owner, nullptr);
}

static INT_PTR real_dialog_box_param(HINSTANCE instance, const char* template_name, HWND owner,
                                     DLGPROC procedure, LPARAM parameter)
{
    return DialogBoxParamA(instance, template_name, owner, procedure, parameter);
}

Seams real_seams()
{
    return Seams{real_module_file_name, real_message_box,      real_shell_execute,
                 real_file_operation,   real_track_popup_menu, real_dialog_box_param};
}

Seams g_seams = real_seams();

bool module_path(std::string& path)
{
    // Module names may exceed MAX_PATH with long path support.
    std::vector<char> buffer(MAX_PATH);
    DWORD length = 0;
    while (!g_seams.module_file_name(buffer.data(), DWORD(buffer.size()), &length)) {
        if (buffer.size() >= 32768)
            return false;
        buffer.resize(buffer.size() * 2);
    }
    path.assign(buffer.data(), length);
    return true;
}
