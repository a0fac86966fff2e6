// Writes that never leave a file half-written: temporary file, flush, and a
// replace in one step. Linked by Nimbrel, stowa and the tests.
#include <windows.h>

#include <algorithm>

#include "app/safe_write.h"

WriteFault (*g_write_fault)(int step) = nullptr;

WriteFault write_fault_at(int step)
{
    return g_write_fault ? g_write_fault(step) : WriteFault::none;
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

bool safe_write(const std::string& target, std::string_view text)
{
    return safe_write(target, text, target + ".tmp");
}

bool safe_write(const std::string& target, std::string_view text, const std::string& temporary)
{
    // CREATE_ALWAYS also empties a temporary file that a killed write left.
    HANDLE file = CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                              nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    WriteFault fault = WriteFault::none;
    auto go_on = [&](int step) {
        fault = write_fault_at(step);
        return fault == WriteFault::none;
    };
    bool ok = go_on(0) && write_all(file, text) && go_on(1) && FlushFileBuffers(file) && go_on(2);
    // A killed process also loses its handles, but removes nothing.
    bool closed = CloseHandle(file) != 0;
    if (fault == WriteFault::die)
        return false;
    if (!ok || !closed) {
        DeleteFileA(temporary.c_str());
        return false;
    }
    return safe_replace(temporary, target);
}

bool file_flush(const std::string& path)
{
    // FlushFileBuffers needs write access; it writes out the file's data
    // whoever wrote it.
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    bool flushed = FlushFileBuffers(file) != 0;
    return CloseHandle(file) && flushed;
}

bool safe_replace(const std::string& temporary, const std::string& target)
{
    WriteFault fault = write_fault_at(3);
    if (fault == WriteFault::die)
        return false;
    // A rename on one volume swaps the whole file in one step; WRITE_THROUGH
    // returns only once the rename itself is on the disk.
    if (fault == WriteFault::none &&
        MoveFileExA(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    DeleteFileA(temporary.c_str());
    return false;
}
