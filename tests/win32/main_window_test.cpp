#include "fixture.h"

#include <commctrl.h>

#include <vector>

#include "app/settings.h"
#include "folder/folder_ops.h"
#include "folder/folder_state.h"
#include "lists/list_state.h"
#include "app/main_window.h"
#include "app/startup.h"

static std::string class_of(HWND h)
{
    char name[64] = "";
    GetClassNameA(h, name, sizeof name);
    return name;
}

static RECT rect_in_parent(HWND h)
{
    RECT r;
    GetWindowRect(h, &r);
    MapWindowPoints(nullptr, GetParent(h), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

TEST_F(MainWindowTest, SevenControlsWithTheirClassesAndStyles)
{
    create_window();
    EXPECT_EQ(text_of(window), "Nimbrel");
    struct Expect {
        HWND control;
        const char* cls;
        DWORD styles;
        DWORD absent;
        bool drops;
    } table[] = {
        {g_app.status_bar, STATUSCLASSNAMEA, WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP | CCS_BOTTOM, 0, false},
        {g_app.display_box, "Edit", WS_CHILD | WS_VISIBLE | WS_DISABLED | WS_BORDER, 0, false},
        {g_app.text_box, "Edit", WS_CHILD | WS_VISIBLE | WS_BORDER, WS_DISABLED, true},
        {g_app.number_box, "Edit", WS_CHILD | WS_VISIBLE | WS_BORDER, WS_DISABLED, false},
        // WS_VSCROLL shows only once the rows overflow (checked below).
        {g_app.list_box, "ListBox", WS_CHILD | WS_VISIBLE | WS_BORDER | LBS_NOTIFY | LBS_SORT,
         LBS_NOINTEGRALHEIGHT, true},
        {g_app.second_list_box, "ListBox", WS_CHILD | WS_VISIBLE | WS_BORDER | LBS_NOTIFY | LBS_SORT,
         LBS_NOINTEGRALHEIGHT, true},
        {g_app.folder_view, WC_LISTVIEWA, WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_NOCOLUMNHEADER | LVS_OWNERDATA, 0, true},
    };
    int n = 0;
    for (const Expect& e : table) {
        SCOPED_TRACE(e.cls);
        ASSERT_NE(e.control, nullptr);
        EXPECT_EQ(GetParent(e.control), window);
        EXPECT_EQ(GetDlgCtrlID(e.control), 1);
        EXPECT_STRCASEEQ(class_of(e.control).c_str(), e.cls);
        DWORD style = DWORD(GetWindowLongA(e.control, GWL_STYLE));
        // Edit controls draw WS_BORDER themselves and drop the bit; the
        // creation order test below checks the styles asked for.
        if (class_of(e.control) == "Edit")
            style |= WS_BORDER;
        EXPECT_EQ(style & e.styles, e.styles);
        EXPECT_EQ(style & e.absent, 0u);
        EXPECT_EQ((GetWindowLongA(e.control, GWL_EXSTYLE) & WS_EX_ACCEPTFILES) != 0, e.drops);
        ++n;
    }
    EXPECT_EQ(n, 7);
    // The list boxes scroll vertically once they overflow, and LBS_SORT does
    // not reorder rows put in with LB_INSERTSTRING.
    for (HWND list : {g_app.list_box, g_app.second_list_box}) {
        for (int i = 0; i < 40; ++i)
            SendMessageA(list, LB_INSERTSTRING, WPARAM(-1), reinterpret_cast<LPARAM>(i % 2 ? "b" : "a"));
        EXPECT_NE(GetWindowLongA(list, GWL_STYLE) & WS_VSCROLL, 0);
        char first[8] = "";
        SendMessageA(list, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(first));
        char second[8] = "";
        SendMessageA(list, LB_GETTEXT, 1, reinterpret_cast<LPARAM>(second));
        EXPECT_STREQ(first, "a");
        EXPECT_STREQ(second, "b");
        SendMessageA(list, LB_RESETCONTENT, 0, 0);
    }
    // Every edit starts empty; the status bar has two parts at 50 and -1.
    EXPECT_EQ(text_of(g_app.display_box), "");
    EXPECT_EQ(text_of(g_app.text_box), "");
    int edges[4] = {};
    EXPECT_EQ(SendMessageA(g_app.status_bar, SB_GETPARTS, 4, reinterpret_cast<LPARAM>(edges)), 2);
    EXPECT_EQ(edges[0], 50);
    EXPECT_EQ(edges[1], -1);
    char part0[32] = "";
    SendMessageA(g_app.status_bar, SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(part0));
    EXPECT_STREQ(part0, "通常");
    // The main window: no system menu, a thick frame; the text box has the focus.
    DWORD main_style = DWORD(GetWindowLongA(window, GWL_STYLE));
    EXPECT_EQ(main_style & WS_SYSMENU, 0u);
    EXPECT_NE(main_style & WS_THICKFRAME, 0u);
    EXPECT_EQ(GetFocus(), g_app.text_box);
    // The folder view starts with three columns of 50 pixels.
    for (int c = 0; c < 3; ++c)
        EXPECT_EQ(SendMessageA(g_app.folder_view, LVM_GETCOLUMNWIDTH, c, 0), 50);
    EXPECT_EQ(SendMessageA(g_app.folder_view, LVM_GETCOLUMNWIDTH, 3, 0), 0);
}

// Records every window created on this thread, as CreateWindowEx was asked.
struct Created {
    std::string cls;
    DWORD style;
    int x, y, width, height;
};
static std::vector<Created> g_created;

static LRESULT CALLBACK record_creation(int code, WPARAM wparam, LPARAM lparam)
{
    if (code == HCBT_CREATEWND) {
        const CREATESTRUCTA* cs = reinterpret_cast<CBT_CREATEWNDA*>(lparam)->lpcs;
        std::string cls = HIWORD(reinterpret_cast<UINT_PTR>(cs->lpszClass)) ? cs->lpszClass : "#atom";
        char parent[64] = "";
        if (cs->hwndParent)
            GetClassNameA(cs->hwndParent, parent, sizeof parent);
        // Only the main window and its own children; the system makes windows
        // of its own (the input method's) on the way.
        if (cls == "Nimbrel" || strcmp(parent, "Nimbrel") == 0)
            g_created.push_back({cls, DWORD(cs->style), cs->x, cs->y, cs->cx, cs->cy});
    }
    return CallNextHookEx(nullptr, code, wparam, lparam);
}

TEST_F(MainWindowTest, ControlsAreCreatedInOrderWithTheirStylesAndPlaces)
{
    g_created.clear();
    HHOOK hook = SetWindowsHookExA(WH_CBT, record_creation, nullptr, GetCurrentThreadId());
    create_window();
    UnhookWindowsHookEx(hook);
    // The main window, then the seven controls.
    ASSERT_EQ(g_created.size(), 8u);
    EXPECT_EQ(g_created[0].cls, "Nimbrel");
    EXPECT_EQ(g_created[0].style, DWORD(WS_VISIBLE | WS_CAPTION | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
    const DWORD child = WS_CHILD | WS_VISIBLE;
    const DWORD list = child | WS_BORDER | WS_VSCROLL | LBS_NOTIFY | LBS_SORT;
    struct Want {
        const char* cls;
        DWORD style;
        int x, y, width, height;
    } expected[] = {
        {STATUSCLASSNAMEA, child | SBARS_SIZEGRIP | CCS_BOTTOM, 0, 0, 0, 0},
        {"EDIT", child | WS_DISABLED | WS_BORDER, 0, 0, 500, 30},
        {"EDIT", child | WS_BORDER, 0, 0, 500, 30},
        {"EDIT", child | WS_BORDER, 0, 0, 500, 30},
        {"LISTBOX", list, 0, 30, 500, 200},
        {"LISTBOX", list, 0, 30, 500, 200},
        {WC_LISTVIEWA, child | LVS_REPORT | LVS_NOCOLUMNHEADER | LVS_OWNERDATA, 0, 0, 10, 10},
    };
    for (size_t i = 0; i < 7; ++i) {
        const Created& got = g_created[i + 1];
        SCOPED_TRACE(expected[i].cls);
        EXPECT_STRCASEEQ(got.cls.c_str(), expected[i].cls);
        EXPECT_EQ(got.style, expected[i].style);
        if (i == 0)
            continue;  // the status bar places itself
        EXPECT_EQ(got.x, expected[i].x);
        EXPECT_EQ(got.y, expected[i].y);
        EXPECT_EQ(got.width, expected[i].width);
        EXPECT_EQ(got.height, expected[i].height);
    }
    // The list font: 14 pixels high, Shift-JIS character set, Mincho face.
    HFONT font = reinterpret_cast<HFONT>(SendMessageA(g_app.list_box, WM_GETFONT, 0, 0));
    ASSERT_NE(font, nullptr);
    EXPECT_EQ(font, reinterpret_cast<HFONT>(SendMessageA(g_app.second_list_box, WM_GETFONT, 0, 0)));
    LOGFONTA lf{};
    GetObjectA(font, sizeof lf, &lf);
    EXPECT_EQ(lf.lfHeight, 14);
    EXPECT_EQ(lf.lfWeight, 400);
    EXPECT_EQ(lf.lfCharSet, SHIFTJIS_CHARSET);
    EXPECT_EQ(lf.lfPitchAndFamily, FF_ROMAN | DEFAULT_PITCH);
    EXPECT_STREQ(lf.lfFaceName, "ＭＳ 明朝");
}

TEST_F(MainWindowTest, ControlsAreSubclassedAndKeepThePreviousProcedures)
{
    create_window();
    HWND controls[] = {g_app.text_box, g_app.list_box, g_app.folder_view, g_app.number_box,
                       g_app.second_list_box};
    WNDPROC kept[] = {g_app.previous_text_box, g_app.previous_list_box, g_app.previous_folder_view,
                      g_app.previous_number_box, g_app.previous_second_list_box};
    for (int i = 0; i < 5; ++i) {
        ASSERT_NE(kept[i], nullptr) << i;
        WNDPROC now = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(controls[i], GWLP_WNDPROC));
        EXPECT_NE(now, kept[i]) << i;
    }
    // Messages still reach the edit control behind the replacement.
    type_text(g_app.text_box, "abc");
    EXPECT_EQ(text_of(g_app.text_box), "abc");
    // The text box takes the largest text the control allows.
    EXPECT_GT(SendMessageA(g_app.text_box, EM_GETLIMITTEXT, 0, 0), 30000);
}

TEST_F(MainWindowTest, LayoutForAClientSizeWithDefaultSizes)
{
    create_window();
    // Ask for an 800 x 600 client area.
    RECT want = {0, 0, 800, 600};
    AdjustWindowRectEx(&want, DWORD(GetWindowLongA(window, GWL_STYLE)), FALSE, 0);
    SetWindowPos(window, nullptr, 0, 0, want.right - want.left, want.bottom - want.top,
                 SWP_NOZORDER | SWP_NOMOVE);
    pump_messages();
    RECT client;
    GetClientRect(window, &client);
    ASSERT_EQ(client.right, 800);
    ASSERT_EQ(client.bottom, 600);

    RECT list_client;
    GetClientRect(g_app.list_box, &list_client);
    int LH = list_client.bottom;
    // The list box is cut to whole items: never taller than sizeHeight.
    EXPECT_LE(LH, 150);
    EXPECT_GT(LH, 150 - 2 * int(SendMessageA(g_app.list_box, LB_GETITEMHEIGHT, 0, 0)) - 4);
    RECT list = rect_in_parent(g_app.list_box);
    EXPECT_EQ(list.left, 0);
    EXPECT_EQ(list.top, 0);
    EXPECT_EQ(list.right, 800);

    struct Expect {
        HWND control;
        RECT at;
    } table[] = {
        {g_app.display_box, {0, LH, 800, LH + 20}},
        {g_app.text_box, {0, LH + 20, 761, LH + 40}},
        {g_app.number_box, {760, LH + 20, 800, LH + 40}},
        {g_app.folder_view, {0, LH + 40, 500, 600 - 20}},
        {g_app.second_list_box, {500, LH + 40, 800, 600 - 20}},
    };
    for (const Expect& e : table) {
        RECT r = rect_in_parent(e.control);
        SCOPED_TRACE(class_of(e.control));
        EXPECT_EQ(r.left, e.at.left);
        EXPECT_EQ(r.top, e.at.top);
        EXPECT_EQ(r.right, e.at.right);
    }
    // The second list box is cut to whole items too; the folder view is not.
    EXPECT_EQ(rect_in_parent(g_app.folder_view).bottom, 580);
    // The window is clipped to a rounded region after the layout.
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    EXPECT_NE(GetWindowRgn(window, region), ERROR);
    RECT window_rect, box;
    GetWindowRect(window, &window_rect);
    GetRgnBox(region, &box);
    EXPECT_NEAR(box.right, window_rect.right - window_rect.left, 1);
    EXPECT_NEAR(box.bottom, window_rect.bottom - window_rect.top, 1);
    EXPECT_FALSE(PtInRegion(region, 0, 0));  // the corner is cut away
    EXPECT_TRUE(PtInRegion(region, 10, 10));
    DeleteObject(region);
}

struct ColourCase {
    int search, which;
};

class ColourTest : public MainWindowTest, public testing::WithParamInterface<ColourCase> {};

TEST_P(ColourTest, SearchPicksTheEditBrushAndWhichTheListColours)
{
    create_window();
    // Settings are read at creation; set the values and build the brushes again
    // the way creation does, through a fresh window.
    DestroyWindow(window);
    pump_messages();
    g_settings = Settings{};
    g_settings.search = GetParam().search;
    g_settings.which = GetParam().which;
    g_app.ending = false;
    Settings chosen = g_settings;
    // Creation reads them from the settings file.
    WritePrivateProfileStringA("mode", "search", std::to_string(chosen.search).c_str(), g_app.settings_path.c_str());
    WritePrivateProfileStringA("mode", "which", std::to_string(chosen.which).c_str(), g_app.settings_path.c_str());
    window = create_main_window(g_app.instance);
    g_app.main_window = window;
    pump_messages();

    auto brush_colour = [](HBRUSH brush) {
        LOGBRUSH lb{};
        GetObjectA(brush, sizeof lb, &lb);
        return lb.lbColor;
    };
    HDC dc = GetDC(g_app.text_box);
    HBRUSH edit = reinterpret_cast<HBRUSH>(
        SendMessageA(window, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(g_app.text_box)));
    EXPECT_EQ(GetBkColor(dc), 0xC0C0C0u);
    EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
    HBRUSH list = reinterpret_cast<HBRUSH>(SendMessageA(window, WM_CTLCOLORLISTBOX, reinterpret_cast<WPARAM>(dc),
                                                        reinterpret_cast<LPARAM>(g_app.list_box)));
    ReleaseDC(g_app.text_box, dc);

    COLORREF text1 = RGB(chosen.text_color1.red, chosen.text_color1.green, chosen.text_color1.blue);
    COLORREF text2 = RGB(chosen.text_color2.red, chosen.text_color2.green, chosen.text_color2.blue);
    COLORREF list1 = RGB(chosen.list_color1.red, chosen.list_color1.green, chosen.list_color1.blue);
    COLORREF list2 = RGB(chosen.list_color2.red, chosen.list_color2.green, chosen.list_color2.blue);
    EXPECT_EQ(brush_colour(edit), GetParam().search ? text1 : text2);
    EXPECT_EQ(brush_colour(list), GetParam().which ? list2 : list1);
    COLORREF view = GetParam().which ? list1 : list2;
    EXPECT_EQ(COLORREF(SendMessageA(g_app.folder_view, LVM_GETBKCOLOR, 0, 0)), view);
    EXPECT_EQ(COLORREF(SendMessageA(g_app.folder_view, LVM_GETTEXTBKCOLOR, 0, 0)), view);
}

INSTANTIATE_TEST_SUITE_P(SearchAndWhich, ColourTest,
                         testing::Values(ColourCase{1, 1}, ColourCase{0, 0}, ColourCase{1, 0}, ColourCase{0, 1}));

TEST_F(MainWindowTest, HandOverPutsTheCaptionIntoTheTextBox)
{
    create_window();
    SetWindowTextA(window, "C:\\ソ\\dir");
    SendMessageA(window, HANDOVER_MESSAGE, 0, 0);
    EXPECT_EQ(g_folder.typed_text, "C:\\ソ\\dir");
    EXPECT_EQ(g_listbox.list_state, 0);  // a non-empty hand-over does not end the program
    // A caption longer than 511 bytes arrives cut, never inside a character.
    std::string long_caption = "a";
    for (int i = 0; i < 300; ++i)
        long_caption += "表";
    SetWindowTextA(window, long_caption.c_str());
    SendMessageA(window, HANDOVER_MESSAGE, 0, 0);
    EXPECT_EQ(g_folder.typed_text.size(), 511u);
    EXPECT_EQ(g_folder.typed_text, long_caption.substr(0, 511));
    std::string odd = "ab";
    for (int i = 0; i < 300; ++i)
        odd += "表";
    SetWindowTextA(window, odd.c_str());
    SendMessageA(window, HANDOVER_MESSAGE, 0, 0);
    EXPECT_EQ(g_folder.typed_text, odd.substr(0, 510));
}

TEST_F(MainWindowTest, EmptyHandOverEndsTheProgram)
{
    create_window();
    SetWindowTextA(window, "");
    SendMessageA(window, HANDOVER_MESSAGE, 0, 0);
    EXPECT_EQ(g_listbox.list_state, QUIT_MARKER);
    EXPECT_FALSE(IsWindowVisible(window));
    EXPECT_EQ(g_app.unsaved, 0);
}

TEST_F(MainWindowTest, PathKindOfFoldersFilesAndMissingPaths)
{
    folder.write("file.txt", "x");
    CreateDirectoryA(folder.file("ソ").c_str(), nullptr);
    std::string base = folder.path;
    struct Case {
        std::string path;
        PathKind kind;
    } cases[] = {
        {base, PATH_FOLDER},
        {base.substr(0, base.size() - 1), PATH_FOLDER},
        {base + "ソ", PATH_FOLDER},
        {base + "ソ\\", PATH_FOLDER},
        {base + "file.txt", PATH_FILE},
        {base + "missing", PATH_NONE},
        {"", PATH_NONE},
        {base + "file.txt" + std::string(1, '\0') + base + "missing", PATH_FILE},
        {base + "missing" + std::string(1, '\0') + base + "file.txt", PATH_NONE},
        {std::string(600, 'a'), PATH_NONE},
    };
    for (const Case& c : cases)
        EXPECT_EQ(path_kind(c.path), c.kind) << c.path;
    // A drive root is a folder.
    EXPECT_EQ(path_kind("C:\\"), PATH_FOLDER);
}

TEST_F(MainWindowTest, ExecutableFolderComesFromTheModulePath)
{
    std::string f;
    ASSERT_TRUE(executable_folder(f));
    EXPECT_EQ(f, folder.path);
    create_window();
    EXPECT_EQ(g_app.settings_path, folder.path + "Nimbrel.ini");
}
