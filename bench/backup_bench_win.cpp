// Benchmark of stowa's backup pass over an unchanged program folder.
//
// Generates a program folder of 5,000 files in 250 sub-folders (with a log
// folder and some Japanese names), runs stowa.exe once to make the first
// generation, then times unchanged passes of stowa.exe against a floor: this
// program started again as "floor", which enumerates the same tree and reads
// the size and time of each file and of its mirror, nothing else. Both are
// whole processes, started the same way, so process start-up counts in both.
//
// Runs in a folder that holds stowa.exe (scripts/bench copies every built
// program there). Last line: "backup ratio R (goal 2)".
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "backup/backup_list.h"
#include "folder/path_rules.h"

namespace {

constexpr int k_top_folders = 25;
constexpr int k_sub_folders = 9; // per top folder: 25 + 25 * 9 = 250 folders
constexpr int k_files_per_folder = 20;
constexpr int k_rounds = 5;

double now_seconds()
{
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return double(t.QuadPart) / double(frequency.QuadPart);
}

std::string own_folder()
{
    char path[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string s(path, n);
    return s.substr(0, s.rfind('\\') + 1);
}

void write_file(const std::string& path, size_t size, unsigned seed)
{
    std::string bytes(size, 'a');
    for (size_t i = 0; i < size; ++i)
        bytes[i] = char('a' + (seed + i * 7) % 26);
    HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return;
    DWORD wrote = 0;
    WriteFile(h, bytes.data(), DWORD(bytes.size()), &wrote, nullptr);
    CloseHandle(h);
}

// Some folder and file names are Japanese, among them characters whose
// second byte is a backslash (ソ, 表).
std::string folder_name(int n)
{
    char name[64];
    if (n % 5 == 0)
        snprintf(name, sizeof name, "表ソ%03d", n);
    else
        snprintf(name, sizeof name, "d%03d", n);
    return name;
}

std::string file_name(int n)
{
    char name[64];
    if (n % 4 == 0)
        snprintf(name, sizeof name, "データ%02d.txt", n);
    else
        snprintf(name, sizeof name, "f%02d.dat", n);
    return name;
}

int generate(const std::string& folder)
{
    CreateDirectoryA(folder.c_str(), nullptr);
    int files = 0;
    unsigned seed = 1;
    auto fill = [&](const std::string& sub) {
        CreateDirectoryA(sub.c_str(), nullptr);
        for (int f = 0; f < k_files_per_folder; ++f, ++files, ++seed)
            write_file(sub + "\\" + file_name(f), 100 + (seed * 37) % 2000, seed);
    };
    for (int t = 0; t < k_top_folders; ++t) {
        std::string top = folder + folder_name(t);
        fill(top);
        for (int s = 0; s < k_sub_folders; ++s)
            fill(top + "\\" + folder_name(t * 100 + s));
    }
    // A log folder, which the pass leaves out, and the data files at the top.
    std::string log = folder + "Nimbrellog";
    CreateDirectoryA(log.c_str(), nullptr);
    for (int d = 0; d < 30; ++d)
        write_file(log + "\\2026010" + std::to_string(d) + ".log", 500, unsigned(d));
    for (const char* name : {"data.txt", "cmd.txt", "bookmark.txt", "Nimbrel.ini"})
        write_file(folder + name, 3000, 7);
    return files;
}

double run(const std::string& program, const std::string& arguments)
{
    std::string command_line = "\"" + program + "\"" + (arguments.empty() ? "" : " " + arguments);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    double start = now_seconds();
    if (!CreateProcessA(program.c_str(), command_line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        fprintf(stderr, "cannot start %s\n", program.c_str());
        exit(2);
    }
    WaitForSingleObject(process.hProcess, INFINITE);
    double elapsed = now_seconds() - start;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return elapsed;
}

// The floor: the bare walk of the tree that an unchanged pass cannot do
// without, reading the size and time of each file and of its mirror.
struct Floor {
    std::string folder, mirror;
    unsigned long long checksum = 0;
    int files = 0;

    void walk(const std::string& relative)
    {
        WIN32_FIND_DATAA found;
        HANDLE find = FindFirstFileA((folder + relative + "*").c_str(), &found);
        if (find == INVALID_HANDLE_VALUE)
            return;
        do {
            std::string_view name = found.cFileName;
            if (is_dot_name(name))
                continue;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                if (!is_excluded_folder(name))
                    walk(relative_folder(relative, name));
                continue;
            }
            WIN32_FILE_ATTRIBUTE_DATA copy;
            if (GetFileAttributesExA((mirror + relative_child(relative, name)).c_str(), GetFileExInfoStandard,
                                     &copy))
                checksum += copy.nFileSizeLow + copy.ftLastWriteTime.dwLowDateTime;
            checksum += found.nFileSizeLow + found.ftLastWriteTime.dwLowDateTime;
            ++files;
        } while (FindNextFileA(find, &found));
        FindClose(find);
    }
};

int floor_main(const std::string& folder)
{
    Floor floor{folder + "\\", folder + "\\stowa\\1\\"};
    floor.walk("");
    // The exit code keeps the walk from being optimised away.
    return int(floor.checksum & 0x7F) + (floor.files > 0 ? 0 : 100);
}

int count_files(const std::string& folder)
{
    int n = 0;
    WIN32_FIND_DATAA found;
    HANDLE find = FindFirstFileA((folder + "*").c_str(), &found);
    if (find == INVALID_HANDLE_VALUE)
        return 0;
    do {
        std::string_view name = found.cFileName;
        if (is_dot_name(name))
            continue;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            n += count_files(folder + found.cFileName + "\\");
        else
            ++n;
    } while (FindNextFileA(find, &found));
    FindClose(find);
    return n;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::string(argv[1]) == "floor")
        return floor_main(argv[2]);

    std::string here = own_folder();
    std::string folder = here + "backup-bench-prog\\";
    std::string stowa = folder + "stowa.exe";
    // "again" times the folder and generations that an earlier run left.
    bool again = argc == 2 && std::string(argv[1]) == "again";
    if (!again) {
        int files = generate(folder);
        printf("program folder: %d files in %d sub-folders, a log folder, some Japanese names\n", files,
               k_top_folders * (1 + k_sub_folders));
    }
    if (!CopyFileA((here + "stowa.exe").c_str(), stowa.c_str(), FALSE)) {
        fprintf(stderr, "no stowa.exe beside the benchmark\n");
        return 2;
    }
    if (!again) {
        double first = run(stowa, "");
        printf("first pass (copies everything, 10 ms pause per copy): %.2f s\n", first);
    }
    printf("generation 1 holds %d files\n", count_files(folder + "stowa\\1\\"));

    std::vector<double> passes, floors;
    for (int r = 0; r < k_rounds; ++r) {
        passes.push_back(run(stowa, ""));
        // Without the final backslash, which would escape the closing quote.
        floors.push_back(run(here + "backup_bench.exe", "floor \"" + folder.substr(0, folder.size() - 1) + "\""));
    }
    for (int r = 0; r < k_rounds; ++r)
        printf("round %d: unchanged pass %.3f s, floor %.3f s\n", r + 1, passes[size_t(r)], floors[size_t(r)]);
    printf("generation 1 holds %d files after the unchanged passes\n", count_files(folder + "stowa\\1\\"));
    double pass = median(passes), floor = median(floors);
    printf("median unchanged pass %.3f s, median floor %.3f s\n", pass, floor);
    printf("backup ratio %.2f (goal 2)\n", pass / floor);
    return 0;
}
