// Starts a program with an exact command line, which `wine PROGRAM ARGS`
// cannot give: Wine quotes and escapes every argument that holds a blank or
// a double quote. Waits for the program and ends with its exit code.
//
//   stowa_launch PROGRAM [TAIL]
//
// The command line becomes "PROGRAM" TAIL, where %22 in TAIL stands for a
// double quote and %20 for a blank (so TAIL reaches here unquoted).
#include <windows.h>

#include <cstdio>
#include <string>

static std::string decode(const std::string& tail)
{
    std::string out;
    for (size_t i = 0; i < tail.size(); ++i) {
        if (tail.compare(i, 3, "%22") == 0) {
            out.push_back('"');
            i += 2;
        } else if (tail.compare(i, 3, "%20") == 0) {
            out.push_back(' ');
            i += 2;
        } else {
            out.push_back(tail[i]);
        }
    }
    return out;
}

int main(int argc, char** argv)
{
    if (argc < 2) {
        fprintf(stderr, "usage: stowa_launch PROGRAM [TAIL]\n");
        return 2;
    }
    std::string program = argv[1];
    std::string command_line = "\"" + program + "\"";
    if (argc > 2)
        command_line += " " + decode(argv[2]);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(program.c_str(), command_line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        fprintf(stderr, "cannot start %s (%lu)\n", program.c_str(), GetLastError());
        return 3;
    }
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return int(code);
}
