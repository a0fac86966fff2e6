// The data files on disk: whole-file reads, writes that never leave a file
// half-written, the load of all lists and the data-file half of the save.
#include <windows.h>

#include <algorithm>

#include "app/app_state.h"
#include "app/startup.h"
#include "lists/data_files.h"
#include "lists/data_files_io.h"
#include "lists/string_lists.h"

WriteFault (*g_write_fault)(int step) = nullptr;

static WriteFault fault_at(int step)
{
    return g_write_fault ? g_write_fault(step) : WriteFault::none;
}

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

static bool write_all(HANDLE file, std::string_view text)
{
    size_t done = 0;
    while (done < text.size()) {
        DWORD chunk = DWORD(std::min<size_t>(text.size() - done, size_t(1) << 30));
        DWORD put = 0;
        if (!WriteFile(file, text.data() + done, chunk, &put, nullptr) || put != chunk)
            return false;
        done += put;
    }
    return true;
}

bool whole_file_write(const std::string& path, std::string_view text)
{
    const std::string temporary = path + ".tmp";
    HANDLE file = CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                              nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    WriteFault fault = WriteFault::none;
    auto go_on = [&](int step) {
        fault = fault_at(step);
        return fault == WriteFault::none;
    };
    bool ok = go_on(0) && write_all(file, text) && go_on(1) && FlushFileBuffers(file) && go_on(2);
    // A killed process also loses its handles, but removes nothing.
    bool closed = CloseHandle(file) != 0;
    if (fault == WriteFault::die)
        return false;
    ok = ok && closed && go_on(3);
    if (fault == WriteFault::die)
        return false;
    // The old file is replaced only by a complete, flushed new one.
    ok = ok && MoveFileExA(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    if (!ok)
        DeleteFileA(temporary.c_str());
    return ok;
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

static std::string program_file(const char* name)
{
    std::string folder;
    executable_folder(folder);
    return folder + name;
}

static std::string daily_history_path()
{
    return program_file("recent\\") + date_stamp_today() + ".txt";
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

void data_files_load()
{
    lists_clear_for_reload();
    read_into(daily_history_path(), recent_text_read);
    read_into(program_file("bookmark.txt"), bookmark_text_read);
    if (g_lists.stamps.empty())
        read_into(program_file("hanko.txt"), stamp_text_read);
    read_into(program_file("ctrl.txt"), shortcut_text_read);
    read_into(program_file("cmd.txt"), command_text_read);
    const std::string data = program_file("data.txt");
    if (!read_into(data, data_text_read))
        read_into(data, data_text_read);
}

static void write_when_present(const std::string& path, const std::optional<std::string>& text)
{
    if (text)
        whole_file_write(path, *text);
}

void data_files_save()
{
    const std::string data = program_file("data.txt");
    std::optional<std::string> data_text = data_text_serialise();
    if (data_text && data_text_may_replace(file_size_of(data), data_text->size()))
        whole_file_write(data, *data_text);
    write_when_present(program_file("cmd.txt"), command_text_serialise());
    write_when_present(program_file("ctrl.txt"), shortcut_text_serialise());
    write_when_present(program_file("hanko.txt"), stamp_text_serialise());
    write_when_present(program_file("bookmark.txt"), bookmark_text_serialise());
    write_when_present(daily_history_path(), recent_text_serialise());
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
