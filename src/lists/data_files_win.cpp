// The data files on disk: whole-file reads, the load of all lists and the
// data-file half of the save, which writes each file through the safe write.
#include <windows.h>

#include "app/app_state.h"
#include "app/safe_write.h"
#include "app/startup.h"
#include "lists/data_files.h"
#include "lists/data_files_io.h"
#include "lists/string_lists.h"

std::optional<std::string> whole_file_read(const std::string& path)
{
    // No sharing: a file another program holds open is skipped, not read torn.
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return std::nullopt;
    std::optional<std::string> result;
    LARGE_INTEGER size{};
    if (GetFileSizeEx(file, &size) && size.QuadPart >= 0 && uint64_t(size.QuadPart) < (uint64_t(1) << 31)) {
        std::string text(size_t(size.QuadPart), '\0');
        size_t done = 0;
        bool ok = true;
        while (done < text.size()) {
            DWORD got = 0;
            if (!ReadFile(file, text.data() + done, DWORD(text.size() - done), &got, nullptr) || got == 0) {
                ok = false;
                break;
            }
            done += got;
        }
        if (ok)
            result = std::move(text);
    }
    CloseHandle(file);
    return result;
}

uint64_t file_size_of(const std::string& path)
{
    // Asked through the attributes, so that a file another program holds
    // open still counts with its real size for the guard of data.txt.
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data))
        return 0;
    return (uint64_t(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

std::string date_stamp_today()
{
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return date_stamp(now.wYear, now.wMonth, now.wDay);
}

static std::string daily_history_path(const std::string& folder)
{
    return folder + "recent\\" + date_stamp_today() + ".txt";
}

template <typename Reader>
static bool read_into(const std::string& path, Reader reader)
{
    std::optional<std::string> text = whole_file_read(path);
    if (!text)
        return false;
    reader(*text);
    return true;
}

// Without the executable folder nothing is read or written: the names
// would otherwise resolve against the current directory.
void data_files_load()
{
    std::string folder;
    if (!executable_folder(folder))
        return;
    lists_clear_for_reload();
    read_into(daily_history_path(folder), recent_text_read);
    read_into(folder + "bookmark.txt", bookmark_text_read);
    if (g_lists.stamps.empty())
        read_into(folder + "hanko.txt", stamp_text_read);
    read_into(folder + "ctrl.txt", shortcut_text_read);
    read_into(folder + "cmd.txt", command_text_read);
    const std::string data = folder + "data.txt";
    if (!read_into(data, data_text_read))
        read_into(data, data_text_read);
}

static void write_when_present(const std::string& path, const std::optional<std::string>& text)
{
    if (text)
        safe_write(path, *text);
}

void data_files_save()
{
    std::string folder;
    if (!executable_folder(folder))
        return;
    const std::string data = folder + "data.txt";
    std::optional<std::string> data_text = data_text_serialise();
    if (data_text && data_text_may_replace(file_size_of(data), data_text->size()))
        safe_write(data, *data_text);
    write_when_present(folder + "cmd.txt", command_text_serialise());
    write_when_present(folder + "ctrl.txt", shortcut_text_serialise());
    write_when_present(folder + "hanko.txt", stamp_text_serialise());
    write_when_present(folder + "bookmark.txt", bookmark_text_serialise());
    write_when_present(daily_history_path(folder), recent_text_serialise());
}

bool target_found_on_disk(const std::string& target)
{
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(target.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return false;
    FindClose(search);
    return true;
}

void data_list_rebuild_from_disk()
{
    data_list_rebuild(target_found_on_disk);
}
