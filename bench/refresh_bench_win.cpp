// One keystroke's list refresh (list box, second list box and folder view,
// in-process under Wine) with a data list of 10,000 entries, 500 bookmarks
// and a current folder of 5,000 entries, for the typed texts "", "a" and
// "abc"; against the floor of putting the same rows into the same controls
// without any filtering. The last line is the ratio of the totals.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "app/startup.h"
#include "app/seams.h"
#include "app/settings.h"
#include "folder/entry_table.h"
#include "folder/folder_ops.h"
#include "folder/folder_state.h"
#include "lists/list_box.h"
#include "lists/list_box_ops.h"
#include "lists/list_ops.h"
#include "lists/string_lists.h"

// 5,000 entries pass the first 3,000: the scan's continue question says Yes.
static int always_yes(HWND, const char*, const char*, UINT)
{
    return IDYES;
}

static double now_ms()
{
    LARGE_INTEGER f, t;
    QueryPerformanceFrequency(&f);
    QueryPerformanceCounter(&t);
    return double(t.QuadPart) * 1000.0 / double(f.QuadPart);
}

static unsigned g_seed = 12345;
static std::string random_word(int length)
{
    std::string w;
    for (int i = 0; i < length; ++i) {
        g_seed = g_seed * 1103515245u + 12345u;
        w.push_back(char('a' + (g_seed >> 16) % 6));
    }
    return w;
}

static std::vector<std::string> list_rows(HWND list)
{
    std::vector<std::string> rows;
    int n = int(SendMessageA(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < n; ++i) {
        char text[1024] = "";
        SendMessageA(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
        rows.push_back(text);
    }
    return rows;
}

struct Shown {
    std::vector<std::string> list, second, view;
    int images = 0;
};

static Shown read_back()
{
    Shown s{list_rows(g_app.list_box), list_rows(g_app.second_list_box), {}, 0};
    int n = int(SendMessageA(g_app.folder_view, LVM_GETITEMCOUNT, 0, 0));
    for (int r = 0; r < n; ++r) {
        char text[1024] = "";
        LVITEMA item{};
        item.pszText = text;
        item.cchTextMax = sizeof text;
        SendMessageA(g_app.folder_view, LVM_GETITEMTEXTA, r, reinterpret_cast<LPARAM>(&item));
        s.view.push_back(text);
    }
    HIMAGELIST images = reinterpret_cast<HIMAGELIST>(SendMessageA(g_app.folder_view, LVM_GETIMAGELIST, LVSIL_SMALL, 0));
    s.images = images ? ImageList_GetImageCount(images) : 0;
    return s;
}

// The floor: the same rows into the same controls, nothing filtered.
static HIMAGELIST g_floor_images = nullptr;
static void put_rows(const Shown& s)
{
    for (auto [list, rows] : {std::pair{g_app.list_box, &s.list}, std::pair{g_app.second_list_box, &s.second}}) {
        SendMessageA(list, WM_SETREDRAW, FALSE, 0);
        SendMessageA(list, LB_RESETCONTENT, 0, 0);
        for (const std::string& row : *rows)
            SendMessageA(list, LB_INSERTSTRING, WPARAM(-1), reinterpret_cast<LPARAM>(row.c_str()));
        SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    }
    // The fastest way the list view offers: redraw off, room for every row.
    HWND view = g_app.folder_view;
    SendMessageA(view, WM_SETREDRAW, FALSE, 0);
    CallWindowProcA(g_app.previous_folder_view, view, LVM_DELETEALLITEMS, 0, 0);
    SendMessageA(view, LVM_SETITEMCOUNT, WPARAM(s.view.size()), 0);
    SendMessageA(view, LVM_SETIMAGELIST, LVSIL_SMALL, 0);
    if (g_floor_images)
        ImageList_Destroy(g_floor_images);
    g_floor_images = ImageList_Create(16, 16, ILC_COLORDDB | ILC_MASK, 5, 0);
    for (size_t r = 0; r < s.view.size(); ++r) {
        LVITEMA item{};
        item.mask = LVIF_TEXT | LVIF_IMAGE;
        item.iItem = int(r);
        item.iImage = int(r);
        item.pszText = const_cast<char*>(s.view[r].c_str());
        SendMessageA(view, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    }
    // Icons converted once and copied within the image list, as the refresh does.
    HICON icon = LoadIconA(nullptr, reinterpret_cast<const char*>(IDI_APPLICATION));
    ImageList_SetImageCount(g_floor_images, UINT(s.images));
    ImageList_AddIcon(g_floor_images, icon);
    for (int i = 0; i < s.images; ++i)
        ImageList_Copy(g_floor_images, i, g_floor_images, s.images, ILCF_MOVE);
    ImageList_Remove(g_floor_images, s.images);
    SendMessageA(view, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(g_floor_images));
    for (int c = 0; c < 3; ++c)
        SendMessageA(view, LVM_SETCOLUMNWIDTH, c, LVSCW_AUTOSIZE);
    SendMessageA(view, WM_SETREDRAW, TRUE, 0);
}

template <typename F>
static double median_ms(F run, int rounds)
{
    std::vector<double> times;
    for (int i = 0; i < rounds; ++i) {
        double a = now_ms();
        run();
        times.push_back(now_ms() - a);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

int main()
{
    setvbuf(stdout, nullptr, _IONBF, 0);
    char cwd[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, cwd);
    std::string folder = std::string(cwd) + "\\current";
    CreateDirectoryA(folder.c_str(), nullptr);
    for (int i = 0; i < 5000; ++i) {
        std::string name = folder + "\\" + random_word(8) + std::to_string(i) + ".txt";
        CloseHandle(CreateFileA(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    }
    g_app.instance = GetModuleHandleA(nullptr);
    register_main_class(g_app.instance);
    g_app.main_window = create_main_window(g_app.instance);
    g_seams.message_box = always_yes;
    // The window's creation loads the (absent) data files: fill the lists after it.
    // Half the history lies under the current folder, half elsewhere.
    for (int i = 0; i < 10000; ++i) {
        std::string base = i % 2 ? folder + "\\" : std::string("D:\\elsewhere\\");
        data_list_add_line(base + random_word(10) + ".doc");
    }
    for (int i = 0; i < 500; ++i)
        bookmark_add("C:\\marks\\" + random_word(10));

    folder_scan(folder);
    printf("data list %zu, bookmarks %zu, folder entries %zu\n", g_lists.data.size(), g_lists.bookmarks.size(),
           g_entries.entries.size());

    double total_refresh = 0, total_floor = 0;
    for (const char* typed : {"", "abc"}) {
        SetWindowTextA(g_app.text_box, typed);
        double a = now_ms();
        copy_text_box_text();
        std::vector<std::string_view> entries = data_list_entries();
        double a2 = now_ms();
        list_box_fill(0, entries);
        double b = now_ms();
        second_list_box_fill();
        double c = now_ms();
        folder_view_refresh();
        double d = now_ms();
        folder_view_refresh();
        double e = now_ms();
        printf("first refresh: sources %.1f, list %.1f, second %.1f, view %.1f, view again %.1f ms\n", a2 - a, b - a2, c - b, d - c, e - d);
    }
    for (const char* typed : {"", "a", "abc"}) {
        SetWindowTextA(g_app.text_box, typed);
        list_refresh();
        Shown shown = read_back();
        double refresh = median_ms([] { list_refresh(); }, 5);
        double floor = median_ms([&] { put_rows(shown); }, 5);
        total_refresh += refresh;
        total_floor += floor;
        printf("typed \"%s\": rows list %zu, second %zu, view %zu; refresh %.2f ms, floor %.2f ms, ratio %.2f\n", typed,
               shown.list.size(), shown.second.size(), shown.view.size(), refresh, floor, refresh / floor);
    }
    DestroyWindow(g_app.main_window);
    printf("refresh ratio %.2f (goal 1.3)\n", total_refresh / total_floor);
    return 0;
}
