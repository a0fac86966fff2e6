// Sub-folder search over a generated tree of 50,000 files in 2,500 folders,
// against a bare recursive FindFirstFileA enumeration of the same tree in the
// same run. Prints the best of several rounds of each and, last, the ratio.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "app/app_state.h"
#include "app/startup.h"
#include "app/seams.h"
#include "folder/entry_table.h"
#include "folder/folder_ops.h"
#include "folder/path_rules.h"

static int always_yes(HWND, const char*, const char*, UINT)
{
    return IDYES;
}

static double seconds_now()
{
    LARGE_INTEGER f, t;
    QueryPerformanceFrequency(&f);
    QueryPerformanceCounter(&t);
    return double(t.QuadPart) / double(f.QuadPart);
}

// The floor: every entry of the tree visited once, nothing kept.
static long bare_walk(const std::string& folder)
{
    long count = 0;
    WIN32_FIND_DATAA data;
    HANDLE h = FindFirstFileA((folder + "\\*").c_str(), &data);
    if (h == INVALID_HANDLE_VALUE)
        return 0;
    do {
        if (is_dot_name(data.cFileName))
            continue;
        ++count;
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            count += bare_walk(folder + "\\" + data.cFileName);
    } while (FindNextFileA(h, &data));
    FindClose(h);
    return count;
}

static void make_tree(const std::string& root)
{
    CreateDirectoryA(root.c_str(), nullptr);
    for (int a = 0; a < 50; ++a) {
        std::string top = root + "\\d" + std::to_string(a);
        CreateDirectoryA(top.c_str(), nullptr);
        for (int b = 0; b < 49; ++b) {
            std::string sub = top + "\\s" + std::to_string(b);
            CreateDirectoryA(sub.c_str(), nullptr);
        }
        // 2,500 folders: 50 top folders with 49 sub-folders each; 20 files
        // in each of them.
        for (int b = -1; b < 49; ++b) {
            std::string folder = b < 0 ? top : top + "\\s" + std::to_string(b);
            for (int f = 0; f < 20; ++f) {
                std::string file = folder + "\\file" + std::to_string(f) + "_" + std::to_string(a * 100 + b) + ".txt";
                HANDLE h = CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
                CloseHandle(h);
            }
        }
    }
}

int main()
{
    char cwd[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, cwd);
    std::string root = std::string(cwd) + "\\tree";
    double t0 = seconds_now();
    make_tree(root);
    printf("tree made in %.1f s\n", seconds_now() - t0);

    g_app.instance = GetModuleHandleA(nullptr);
    register_main_class(g_app.instance);
    g_app.main_window = create_main_window(g_app.instance);
    g_seams.message_box = always_yes;

    long bare_count = bare_walk(root);
    folder_scan(root, true);  // warm both paths once
    size_t scanned = g_entries.entries.size();
    printf("entries: bare walk %ld, sub-folder scan %zu\n", bare_count, scanned);

    double best_scan = 1e9, best_bare = 1e9;
    for (int round = 0; round < 5; ++round) {
        double a = seconds_now();
        bare_walk(root);
        double b = seconds_now();
        folder_scan(root, true);
        double c = seconds_now();
        best_bare = std::min(best_bare, b - a);
        best_scan = std::min(best_scan, c - b);
    }
    printf("bare FindFirstFileA walk: %.1f ms\n", best_bare * 1000);
    printf("sub-folder scan (sorted):  %.1f ms\n", best_scan * 1000);
    DestroyWindow(g_app.main_window);
    printf("tree ratio %.2f (goal 1.5)\n", best_scan / best_bare);
    return 0;
}
