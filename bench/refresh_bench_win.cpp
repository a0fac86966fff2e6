// One keystroke's list refresh (list box, second list box and folder view,
// in-process under Wine, painted) at two sizes: a folder of 2,000 entries
// with a history of 10,000, and a folder of 20,000 with a history of 100,000,
// each with 1,000 bookmarks and half Japanese, half ASCII names. The typed
// texts are "", "a", "abc", one that matches nothing and one of 30
// characters. Every case is compared with the floor of the same rows given to
// the same controls the fastest way they allow: list box rows inserted with
// redraw off, the virtual folder view's row count set and the texts a paint
// asks for answered from a ready table, its column widths set as numbers.
// The last two lines are the scale ratio (large over small, summed over the
// texts) and the ratio of all refreshes to all floors.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
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

// Large folders pass the scan's continue question: it says Yes.
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

// Half the names Japanese (a kanji word and full-width letters), half ASCII.
static std::string entry_name(int i)
{
    if (i % 2)
        return "資料" + random_word(6) + "ＡＢ" + std::to_string(i) + ".txt";
    return random_word(8) + std::to_string(i) + ".txt";
}

static std::vector<std::string> list_rows(HWND list)
{
    std::vector<std::string> rows;
    int n = int(SendMessageA(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < n; ++i) {
        std::string text(size_t(SendMessageA(list, LB_GETTEXTLEN, i, 0)) + 1, '\0');
        SendMessageA(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text.data()));
        rows.push_back(text.c_str());
    }
    return rows;
}

struct Shown {
    std::vector<std::string> list, second;
    std::vector<std::string> cells[3];  // the folder view's texts by column
    int widths[3] = {0, 0, 0};
    int images = 0;
};

static Shown read_back()
{
    Shown s;
    s.list = list_rows(g_app.list_box);
    s.second = list_rows(g_app.second_list_box);
    int n = int(SendMessageA(g_app.folder_view, LVM_GETITEMCOUNT, 0, 0));
    for (int c = 0; c < 3; ++c) {
        for (int r = 0; r < n; ++r) {
            char text[1024] = "";
            LVITEMA item{};
            item.iSubItem = c;
            item.pszText = text;
            item.cchTextMax = sizeof text;
            SendMessageA(g_app.folder_view, LVM_GETITEMTEXTA, r, reinterpret_cast<LPARAM>(&item));
            s.cells[c].push_back(text);
        }
        s.widths[c] = int(SendMessageA(g_app.folder_view, LVM_GETCOLUMNWIDTH, c, 0));
    }
    HIMAGELIST images = reinterpret_cast<HIMAGELIST>(SendMessageA(g_app.folder_view, LVM_GETIMAGELIST, LVSIL_SMALL, 0));
    s.images = images ? ImageList_GetImageCount(images) : 0;
    return s;
}

// Paints whatever the refresh (or the floor) left to paint, as the message
// loop would before the next key: the controls whose rows changed.
static void paint()
{
    RedrawWindow(g_app.main_window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

// The floor answers the view's questions from a ready table.
static const Shown* g_floor_rows = nullptr;
static WNDPROC g_main_procedure = nullptr;
static LRESULT CALLBACK floor_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    if (message == WM_NOTIFY && reinterpret_cast<NMHDR*>(lparam)->code == LVN_GETDISPINFOA) {
        LVITEMA& item = reinterpret_cast<NMLVDISPINFOA*>(lparam)->item;
        const std::vector<std::string>& column = g_floor_rows->cells[item.iSubItem];
        if ((item.mask & LVIF_TEXT) && size_t(item.iItem) < column.size()) {
            const std::string& text = column[size_t(item.iItem)];
            size_t n = std::min(text.size(), size_t(item.cchTextMax - 1));
            memcpy(item.pszText, text.data(), n);
            item.pszText[n] = '\0';
        }
        if (item.mask & LVIF_IMAGE)
            item.iImage = item.iItem;
        return 0;
    }
    return CallWindowProcA(g_main_procedure, window, message, wparam, lparam);
}

// The floor's image list: as many images as the view's, made once per case
// (icons converted once and copied within the list), so that the floor only
// hands it to the view.
static HIMAGELIST g_floor_images = nullptr;
static void make_floor_images(int count)
{
    if (g_floor_images)
        ImageList_Destroy(g_floor_images);
    g_floor_images = ImageList_Create(16, 16, ILC_COLORDDB | ILC_MASK, 5, 0);
    HICON icon = LoadIconA(nullptr, reinterpret_cast<const char*>(IDI_APPLICATION));
    ImageList_SetImageCount(g_floor_images, UINT(count));
    ImageList_AddIcon(g_floor_images, icon);
    for (int i = 0; i < count; ++i)
        ImageList_Copy(g_floor_images, i, g_floor_images, count, ILCF_MOVE);
    ImageList_Remove(g_floor_images, count);
}

static void put_rows(const Shown& s)
{
    for (auto [list, rows] : {std::pair{g_app.list_box, &s.list}, std::pair{g_app.second_list_box, &s.second}}) {
        SendMessageA(list, WM_SETREDRAW, FALSE, 0);
        SendMessageA(list, LB_RESETCONTENT, 0, 0);
        for (const std::string& row : *rows)
            SendMessageA(list, LB_INSERTSTRING, WPARAM(-1), reinterpret_cast<LPARAM>(row.c_str()));
        SendMessageA(list, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(list, nullptr, TRUE);
    }
    HWND view = g_app.folder_view;
    SendMessageA(view, WM_SETREDRAW, FALSE, 0);
    CallWindowProcA(g_app.previous_folder_view, view, LVM_DELETEALLITEMS, 0, 0);
    SendMessageA(view, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(g_floor_images));
    for (int c = 0; c < 3; ++c)
        SendMessageA(view, LVM_SETCOLUMNWIDTH, c, s.widths[c]);
    SendMessageA(view, LVM_SETITEMCOUNT, WPARAM(s.cells[0].size()), 0);
    SendMessageA(view, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(view, nullptr, TRUE);
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

static std::string make_folder(const std::string& root, int entries)
{
    std::string folder = root + "\\current" + std::to_string(entries);
    CreateDirectoryA(folder.c_str(), nullptr);
    for (int i = 0; i < entries; ++i) {
        std::string name = folder + "\\" + entry_name(i);
        CloseHandle(CreateFileA(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    }
    return folder;
}

// The lists for one size: half the history under the current folder.
static void fill_lists(const std::string& folder, int history)
{
    lists_reset_all();
    for (int i = 0; i < history; ++i) {
        std::string base = i % 2 ? folder + "\\" : std::string("D:\\elsewhere\\");
        data_list_add_line(base + entry_name(i) + ".doc");
    }
    for (int i = 0; i < 1000; ++i)
        bookmark_add("C:\\marks\\" + random_word(10));
}

int main()
{
    setvbuf(stdout, nullptr, _IONBF, 0);
    const int rounds = 7;
    char cwd[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, cwd);
    struct Size {
        int folder, history;
        std::string path;
    } sizes[] = {{2000, 10000, ""}, {20000, 100000, ""}};
    for (Size& s : sizes)
        s.path = make_folder(cwd, s.folder);

    g_app.instance = GetModuleHandleA(nullptr);
    register_main_class(g_app.instance);
    g_app.main_window = create_main_window(g_app.instance);
    g_seams.message_box = always_yes;
    g_main_procedure = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(g_app.main_window, GWLP_WNDPROC));

    const std::string thirty = "ab ba cd dc ef fe abc cba def ";
    const char* texts[] = {"", "a", "abc", "xyz", thirty.c_str()};
    double refresh_total[2] = {0, 0}, floor_total = 0;
    for (int k = 0; k < 2; ++k) {
        const Size& size = sizes[k];
        // The window's creation loaded the (absent) data files: the lists are filled after it.
        fill_lists(size.path, size.history);
        double a = now_ms();
        folder_scan(size.path);
        double b = now_ms();
        SetWindowTextA(g_app.text_box, "");
        list_refresh();
        paint();
        double c = now_ms();
        printf("folder %d entries (scan %.0f ms, first refresh %.1f ms), history %zu, bookmarks %zu\n",
               int(g_entries.entries.size()), b - a, c - b, g_lists.data.size(), g_lists.bookmarks.size());
        for (const char* typed : texts) {
            SetWindowTextA(g_app.text_box, typed);
            list_refresh();
            paint();
            Shown shown = read_back();
            double refresh = median_ms([] { list_refresh(); paint(); }, rounds);
            g_floor_rows = &shown;
            make_floor_images(shown.images);
            SetWindowLongPtrA(g_app.main_window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(floor_procedure));
            double floor = median_ms([&] { put_rows(shown); paint(); }, rounds);
            SetWindowLongPtrA(g_app.main_window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_main_procedure));
            // The next refresh finds the floor's image list in the view, not its own.
            SendMessageA(g_app.folder_view, LVM_SETIMAGELIST, LVSIL_SMALL, 0);
            refresh_total[k] += refresh;
            floor_total += floor;
            printf("  typed \"%s\": rows list %zu, second %zu, view %zu; refresh %.2f ms per key, floor %.2f ms, "
                   "ratio %.2f\n",
                   typed, shown.list.size(), shown.second.size(), shown.cells[0].size(), refresh, floor,
                   refresh / floor);
        }
    }
    DestroyWindow(g_app.main_window);
    printf("refresh scale ratio %.2f (goal 1.5)\n", refresh_total[1] / refresh_total[0]);
    printf("refresh ratio %.2f (goal 1.3)\n", (refresh_total[0] + refresh_total[1]) / floor_total);
    return 0;
}
