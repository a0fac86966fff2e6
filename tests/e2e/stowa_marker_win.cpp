// Stands in for stowa.exe in the end-to-end tests of the save step: appends
// one line with its command line to stowa-started.txt beside itself.
#include <windows.h>

#include <string>

int main()
{
    char path[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (n == 0 || n >= MAX_PATH)
        return 1;
    std::string folder(path, n);
    folder.resize(folder.find_last_of('\\') + 1);
    HANDLE file = CreateFileA((folder + "stowa-started.txt").c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return 1;
    std::string line = std::string("started:") + GetCommandLineA() + "\n";
    DWORD put = 0;
    WriteFile(file, line.data(), DWORD(line.size()), &put, nullptr);
    CloseHandle(file);
    return 0;
}
