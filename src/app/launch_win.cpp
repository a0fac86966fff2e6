// The launch routine: open through the shell, log the attempt, and after a
// successful open remember it and end the program.
#include <windows.h>

#include <optional>

#include "app/app_state.h"
#include "app/launch.h"
#include "app/launch_log.h"
#include "app/seams.h"
#include "app/shutdown.h"
#include "app/startup.h"
#include "lists/data_files_io.h"
#include "lists/list_state.h"
#include "lists/string_lists.h"

void log_append(const std::string& path, std::string_view text)
{
    // No sharing: two appends never interleave; a locked file loses the line.
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    SetFilePointer(file, 0, nullptr, FILE_END);
    const char* p = text.data();
    size_t left = text.size();
    while (left > 0) {
        DWORD wrote = 0;
        DWORD chunk = left > 0x10000000 ? 0x10000000 : DWORD(left);
        if (!WriteFile(file, p, chunk, &wrote, nullptr) || wrote == 0)
            break;
        p += wrote;
        left -= wrote;
    }
    CloseHandle(file);
}

INT_PTR launch_routine(const std::string& target, const std::string& parameters)
{
    if (target.empty())
        return 0;
    g_app.launched = true;
    HINSTANCE opened = g_seams.shell_execute(nullptr, "open", target.c_str(),
                                             parameters.empty() ? nullptr : parameters.c_str(), nullptr,
                                             SW_SHOWNORMAL);
    INT_PTR result = reinterpret_cast<INT_PTR>(opened);

    std::string folder;
    if (executable_folder(folder))
        log_append(launch_log_path(folder, date_stamp_today()), launch_log_line(target, parameters));
    g_listbox.parent_level = 0;

    if (result > 32) {
        // Added before the save, so the opened entry is part of data.txt.
        data_list_add(std::nullopt, parameters.empty() ? target : parameters);
        shutdown_routine();
    }
    return result;
}
