// The pop-up menus answered through the seam table: the window capture over
// real top-level windows of this process, the stamp toggle and menu, the
// keyword menu and the keyword dialog from the program's own resources, and
// the drop handling.
#include "fixture.h"

#include <commctrl.h>
#include <shlobj.h>

#include "folder/entry_table.h"
#include "folder/folder_ops.h"
#include "folder/folder_state.h"
#include "folder/window_capture.h"
#include "input/menus.h"
#include "lists/list_ops.h"
#include "lists/string_lists.h"

namespace {

struct MenuRowShown {
    std::string text;
    int id;
    bool operator==(const MenuRowShown&) const = default;
    friend void PrintTo(const MenuRowShown& r, std::ostream* os) { *os << r.text << " (" << r.id << ")"; }
};
using Rows = std::vector<MenuRowShown>;

struct MenuShown {
    Rows rows;  // top to bottom
    UINT flags;
    POINT at;
    HWND owner;
};

std::vector<MenuShown> g_menus;
std::string g_pick;  // text of the row to choose; empty closes the menu without a choice

BOOL answer_menu(HMENU menu, UINT flags, int x, int y, HWND owner)
{
    MenuShown shown{{}, flags, {x, y}, owner};
    int chosen = 0;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        // The length may come in characters; twice as many bytes always fit.
        std::string text(size_t(GetMenuStringA(menu, UINT(i), nullptr, 0, MF_BYPOSITION)) * 2 + 2, '\0');
        GetMenuStringA(menu, UINT(i), text.data(), int(text.size()), MF_BYPOSITION);
        text.resize(strlen(text.c_str()));
        int id = int(GetMenuItemID(menu, i));
        if (!g_pick.empty() && text == g_pick)
            chosen = id;
        shown.rows.push_back({text, id});
    }
    g_menus.push_back(shown);
    return BOOL(chosen);
}

void answer_menus(const std::string& pick)
{
    g_menus.clear();
    g_pick = pick;
    g_seams.track_popup_menu = answer_menu;
}

std::string selection()
{
    DWORD start = 0, end = 0;
    SendMessageA(g_app.text_box, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return std::to_string(start) + ".." + std::to_string(end);
}

const char EXPLORER_CLASS[] = "CabinetWClass";
const char OTHER_CLASS[] = "NimbrelTestTitle";

class CaptureTest : public MainWindowTest {
protected:
    std::vector<HWND> windows;

    void SetUp() override
    {
        MainWindowTest::SetUp();
        static bool registered = false;
        if (!registered) {
            for (const char* name : {EXPLORER_CLASS, OTHER_CLASS}) {
                WNDCLASSA c{};
                c.lpfnWndProc = DefWindowProcA;
                c.hInstance = GetModuleHandleA(nullptr);
                c.lpszClassName = name;
                RegisterClassA(&c);
            }
            registered = true;
        }
        lists_reset_all();
        create_window();
        SetWindowTextA(window, "Nimbrel");
        answer_menus("");
    }
    void TearDown() override
    {
        for (HWND w : windows)
            DestroyWindow(w);
        MainWindowTest::TearDown();
        lists_reset_all();
    }
    // Windows are raised as they are made: the last one made is in front,
    // and EnumWindows gives the front window first.
    HWND top_window(const char* class_name, const std::string& title, bool visible = true, HWND owner = nullptr)
    {
        HWND w = CreateWindowExA(0, class_name, title.c_str(), WS_OVERLAPPEDWINDOW, 0, 0, 100, 60, owner,
                                 nullptr, GetModuleHandleA(nullptr), nullptr);
        EXPECT_NE(w, nullptr);
        if (visible)
            ShowWindow(w, SW_SHOWNOACTIVATE);
        SetWindowPos(w, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        windows.push_back(w);
        return w;
    }
    std::string made_folder(const std::string& name, const std::string& file)
    {
        CreateDirectoryA(folder.file(name).c_str(), nullptr);
        folder.write(name + "\\" + file, "x");
        return folder.file(name);
    }
};

}  // namespace

TEST_F(CaptureTest, ThreeExplorerWindowsAreListedNewestFirstAndTheChoiceIsScanned)
{
    const std::string a = made_folder("A", "a.txt"), b = made_folder("B", "b.txt"), c = made_folder("C", "c.txt");
    top_window(EXPLORER_CLASS, a);  // the same folder twice gives one entry
    top_window(EXPLORER_CLASS, folder.file("hidden"), false);
    top_window(EXPLORER_CLASS, folder.file("owned"), true, window);
    top_window(EXPLORER_CLASS, c);
    top_window(EXPLORER_CLASS, b);
    top_window(EXPLORER_CLASS, a);

    answer_menus(b);
    window_capture_key(g_app.text_box, MAKELPARAM(5, 7));
    EXPECT_EQ(g_capture.paths, (std::vector<std::string>{a, b, c}));
    ASSERT_EQ(g_menus.size(), 1u);
    EXPECT_EQ(g_menus[0].rows, (Rows{{c, 3}, {b, 2}, {a, 1}}));
    EXPECT_EQ(g_menus[0].flags, UINT(TPM_RETURNCMD | TPM_BOTTOMALIGN));
    POINT anchor{5, 7};
    ClientToScreen(g_app.text_box, &anchor);
    EXPECT_EQ(g_menus[0].at.x, anchor.x);
    EXPECT_EQ(g_menus[0].at.y, anchor.y);
    EXPECT_EQ(g_menus[0].owner, g_app.text_box);

    EXPECT_EQ(g_folder.current_folder, b + "\\*");
    ASSERT_EQ(g_entries.entries.size(), 1u);
    EXPECT_EQ(g_entries.entries[0].name, "b.txt");
    EXPECT_EQ(SendMessageA(g_app.folder_view, LVM_GETITEMCOUNT, 0, 0), 1);
}

TEST_F(CaptureTest, LongTitlesAreCutAtACharacterAndAClosedMenuChangesNothing)
{
    // 300 bytes with a double-byte character over bytes 258 and 259: the
    // title is cut to 258 bytes, not inside the character.
    const std::string head = "C:\\" + std::string(255, 'x');
    const std::string long_title = head + "\x83\x5C" + std::string(40, 'y');
    ASSERT_EQ(long_title.size(), 300u);
    top_window(EXPLORER_CLASS, long_title);
    top_window(OTHER_CLASS, "notes [list]");
    top_window(OTHER_CLASS, "[" + std::string(299, 'n'));
    top_window(OTHER_CLASS, std::string(280, 'm') + " [C:\\far]");  // the bracket lies beyond the cut
    top_window(OTHER_CLASS, "memo.txt [C:\\work\\memo]");

    go_to_folder(folder.path);
    // The caption now shows the folder, and a title with a colon after its
    // first byte counts as a path even without brackets.
    SetWindowTextA(window, "Nimbrel");
    SetWindowTextA(g_app.text_box, "typed");
    answer_menus("");
    window_capture_key(g_app.text_box, 0);
    EXPECT_EQ(g_capture.paths, (std::vector<std::string>{"C:\\work\\memo", head}));
    ASSERT_EQ(g_menus.size(), 1u);
    EXPECT_EQ(text_of(g_app.text_box), "typed");
    EXPECT_EQ(g_folder.current_folder, folder.path + "*");

    // A second capture starts from an empty list.
    for (HWND w : windows)
        DestroyWindow(w);
    windows.clear();
    window_capture_key(g_app.text_box, 0);
    EXPECT_TRUE(g_capture.paths.empty());
    ASSERT_EQ(g_menus.size(), 2u);
    EXPECT_TRUE(g_menus[1].rows.empty());
}

namespace {

class MenuTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        create_window();
        lists_reset_all();
        answer_menus("");
    }
    void TearDown() override
    {
        MainWindowTest::TearDown();
        lists_reset_all();
    }
    void select(int start, int end) { SendMessageA(g_app.text_box, EM_SETSEL, start, end); }
};

// A drop handle as the shell makes it: DROPFILES and a double-terminated
// list of ANSI paths.
HDROP drop_of(const std::vector<std::string>& paths)
{
    std::string names;
    for (const std::string& p : paths)
        names += p + '\0';
    names += '\0';
    HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + names.size());
    auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    drop->fWide = FALSE;
    memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), names.data(), names.size());
    GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
}

}  // namespace

TEST_F(MenuTest, StampKeyTogglesTheSelectedTextAndCollapsesTheSelection)
{
    SetWindowTextA(g_app.text_box, "abc defg");
    select(4, 8);
    stamp_key(g_app.text_box, 0);
    EXPECT_EQ(g_lists.stamps, (std::vector<std::string>{"defg"}));
    EXPECT_EQ(selection(), "4..4");
    select(0, 3);
    stamp_key(g_app.text_box, 0);
    EXPECT_EQ(g_lists.stamps, (std::vector<std::string>{"defg", "abc"}));

    select(4, 8);  // the same text again: removed, and from no other place
    stamp_key(g_app.text_box, 0);
    EXPECT_EQ(g_lists.stamps, (std::vector<std::string>{"abc"}));
    EXPECT_EQ(text_of(g_app.text_box), "abc defg");
    select(0, 3);
    stamp_key(g_app.text_box, 0);
    EXPECT_TRUE(g_lists.stamps.empty());
    EXPECT_TRUE(g_menus.empty());

    select(2, 2);  // nothing selected and no stamps: nothing at all
    stamp_key(g_app.text_box, 0);
    EXPECT_TRUE(g_menus.empty());
    EXPECT_TRUE(g_lists.stamps.empty());
}

TEST_F(MenuTest, StampMenuShowsTheNewestOnTopAndInsertsTheChoiceAtTheCaret)
{
    stamp_add("one");
    stamp_add("two");
    SetWindowTextA(g_app.text_box, "ab");
    select(1, 1);
    answer_menus("one");
    stamp_key(g_app.text_box, MAKELPARAM(2, 3));
    ASSERT_EQ(g_menus.size(), 1u);
    EXPECT_EQ(g_menus[0].rows, (Rows{{"two", 2}, {"one", 1}}));
    EXPECT_EQ(g_menus[0].owner, g_app.text_box);
    EXPECT_EQ(text_of(g_app.text_box), "aoneb");
    EXPECT_EQ(selection(), "4..4");

    answer_menus("");
    stamp_key(g_app.text_box, 0);
    EXPECT_EQ(g_menus.size(), 1u);
    EXPECT_EQ(text_of(g_app.text_box), "aoneb");
    EXPECT_EQ(g_lists.stamps, (std::vector<std::string>{"one", "two"}));
}

TEST_F(MenuTest, DropOfAThousandFilesBringsTheWindowForwardWithTheFocusInTheTextBox)
{
    HWND other = CreateWindowExA(0, "STATIC", "other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 100, 60, nullptr,
                                 nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(other, nullptr);
    SetFocus(g_app.folder_view);
    SetForegroundWindow(other);
    pump_messages();
    ASSERT_EQ(GetForegroundWindow(), other);

    std::vector<std::string> paths;
    for (int i = 0; i < 1000; ++i)
        paths.push_back(folder.file("dropped" + std::to_string(i) + ".txt"));
    drop_handling(drop_of(paths));
    pump_messages();
    EXPECT_EQ(GetForegroundWindow(), window);
    EXPECT_EQ(GetFocus(), g_app.text_box);

    // Dropped on the folder view of the window in front: the focus moves too.
    SetFocus(g_app.folder_view);
    ASSERT_EQ(GetFocus(), g_app.folder_view);
    drop_handling(drop_of(paths));
    pump_messages();
    EXPECT_EQ(GetForegroundWindow(), window);
    EXPECT_EQ(GetFocus(), g_app.text_box);
    DestroyWindow(other);
}

namespace {

// What the keyword dialog saw, and how the scripted user answers it.
struct DialogRun {
    bool shown = false;
    bool from_resource = false;  // the template 50104 of this module, owned by the main window
    std::string typed_text_before;
    std::string caption, ok_text, cancel_text;
    bool focus_in_input = false;
};
DialogRun g_dialog;
std::string g_dialog_input;
UINT g_dialog_answer = WM_COMMAND;
WPARAM g_dialog_button = IDOK;

std::string item_text(HWND dialog, int id)
{
    return text_of(GetDlgItem(dialog, id));
}

// Runs the real template and procedure as a modeless dialog, so that the
// test can type into it and press its buttons.
INT_PTR answer_dialog(HINSTANCE instance, const char* name, HWND owner, DLGPROC procedure, LPARAM parameter)
{
    g_dialog.shown = true;
    g_dialog.from_resource = instance == GetModuleHandleA(nullptr) && IS_INTRESOURCE(name) &&
                             reinterpret_cast<UINT_PTR>(name) == 50104 && owner == g_app.main_window;
    g_dialog.typed_text_before = g_folder.typed_text;
    HWND dialog = CreateDialogParamA(instance, name, owner, procedure, parameter);
    if (!dialog)
        return -1;
    g_dialog.caption = text_of(dialog);
    g_dialog.ok_text = item_text(dialog, IDOK);
    g_dialog.cancel_text = item_text(dialog, IDCANCEL);
    g_dialog.focus_in_input = GetFocus() == GetDlgItem(dialog, 1000);
    SetDlgItemTextA(dialog, 1000, g_dialog_input.c_str());
    SendMessageA(dialog, g_dialog_answer, g_dialog_answer == WM_COMMAND ? g_dialog_button : 0, 0);
    DestroyWindow(dialog);
    return 1;
}

void answer_dialogs(const std::string& input, UINT message, WPARAM button = 0)
{
    g_dialog = DialogRun{};
    g_dialog_input = input;
    g_dialog_answer = message;
    g_dialog_button = button;
    g_seams.dialog_box_param = answer_dialog;
}

class KeywordTest : public MenuTest {
protected:
    // The data list holds one plain entry, shown and selected in the list box.
    void one_selected_entry()
    {
        lists_reset_all();
        data_list_add_line("C:\\a.exe");
        list_refresh();
        SendMessageA(g_app.list_box, LB_SETCURSEL, 0, 0);
    }
    std::vector<std::string> lines() const
    {
        std::vector<std::string> out;
        for (const DataEntry& e : g_lists.data)
            out.push_back((e.has_key ? "[" + e.key + "] " : "") + e.line);
        return out;
    }
};

}  // namespace

TEST_F(KeywordTest, MenuWithNoKeywordsOffersOnlyNewAndCancel)
{
    one_selected_entry();
    answer_dialogs("tool", WM_COMMAND, IDOK);
    answer_menus("キャンセル");
    keyword_menu(g_app.list_box, MAKELPARAM(3, 4));
    ASSERT_EQ(g_menus.size(), 1u);
    EXPECT_EQ(g_menus[0].rows, (Rows{{"新規", 3}, {"キャンセル", 2}}));
    EXPECT_EQ(g_menus[0].owner, g_app.list_box);
    EXPECT_FALSE(g_dialog.shown);
    EXPECT_EQ(lines(), (std::vector<std::string>{"C:\\a.exe"}));

    // "New" asks in the dialog; the list shows the keyword at once.
    answer_menus("新規");
    keyword_menu(g_app.list_box, 0);
    EXPECT_TRUE(g_dialog.shown);
    EXPECT_EQ(lines(), (std::vector<std::string>{"[C:\\a.exe] C:\\a.exe tool"}));
    EXPECT_EQ(list_rows(g_app.list_box), (std::vector<std::string>{"1.C:\\a.exe tool"}));
}

TEST_F(KeywordTest, MenuOffersTheKeywordsNewestFirstAndAttachesTheChoice)
{
    one_selected_entry();
    keyword_add("k0");
    keyword_add("k1");
    answer_dialogs("unused", WM_COMMAND, IDOK);
    answer_menus("k0");
    keyword_menu(g_app.list_box, 0);
    ASSERT_EQ(g_menus.size(), 1u);
    EXPECT_EQ(g_menus[0].rows, (Rows{{"k1", 5}, {"k0", 4}, {"新規", 3}, {"キャンセル", 2}}));
    EXPECT_FALSE(g_dialog.shown);
    EXPECT_EQ(lines(), (std::vector<std::string>{"[C:\\a.exe] C:\\a.exe k0"}));

    // Closed without a choice: nothing, and no refresh needed.
    answer_menus("");
    SendMessageA(g_app.list_box, LB_SETCURSEL, 0, 0);
    keyword_menu(g_app.list_box, 0);
    EXPECT_EQ(lines(), (std::vector<std::string>{"[C:\\a.exe] C:\\a.exe k0"}));
}

TEST_F(KeywordTest, DialogFromTheResourceHandsItsInputOverThroughTheTypedText)
{
    const std::string long_keyword(5000, 'k');
    struct Case {
        std::string input;
        UINT message;
        WPARAM button;
        std::vector<std::string> expected;
    } cases[] = {
        {"tool", WM_COMMAND, IDOK, {"[C:\\a.exe] C:\\a.exe tool"}},
        {"tool", WM_COMMAND, IDCANCEL, {"C:\\a.exe"}},
        {"tool", WM_CLOSE, 0, {"C:\\a.exe"}},
        {"", WM_COMMAND, IDOK, {"C:\\a.exe"}},
        {long_keyword, WM_COMMAND, IDOK, {"[C:\\a.exe] C:\\a.exe " + long_keyword}},
    };
    for (const Case& c : cases) {
        one_selected_entry();
        g_folder.typed_text = "stale";  // left from typing: never taken for the keyword
        answer_dialogs(c.input, c.message, c.button);
        keyword_attach(g_app.list_box, "");
        EXPECT_TRUE(g_dialog.shown);
        EXPECT_TRUE(g_dialog.from_resource);
        EXPECT_EQ(g_dialog.typed_text_before, "");
        EXPECT_EQ(lines(), c.expected) << c.input.substr(0, 10) << " " << c.message << " " << c.button;
    }
    EXPECT_EQ(g_dialog.caption, "キーワード登録");
    EXPECT_EQ(g_dialog.ok_text, "OK");
    EXPECT_EQ(g_dialog.cancel_text, "ｷｬﾝｾﾙ");
    EXPECT_TRUE(g_dialog.focus_in_input);

    // Without a selected entry nothing is asked.
    SendMessageA(g_app.list_box, LB_SETCURSEL, WPARAM(-1), 0);
    answer_dialogs("tool", WM_COMMAND, IDOK);
    keyword_attach(g_app.list_box, "");
    EXPECT_FALSE(g_dialog.shown);
}

namespace {

// The parts of a dialog template (DLGTEMPLATE, then its texts and the items)
// that the program's dialog fixes.
struct TemplateItem {
    DWORD style;
    short x, y, cx, cy;
    WORD id;
    WORD class_atom;  // 0x80 button, 0x81 edit
    std::u16string text;
    bool operator==(const TemplateItem&) const = default;
    friend void PrintTo(const TemplateItem& i, std::ostream* os)
    {
        *os << "id " << i.id << " style " << std::hex << i.style << std::dec << " at " << i.x << "," << i.y
            << " " << i.cx << "x" << i.cy << " class " << i.class_atom;
    }
};

const WORD* aligned(const WORD* p)
{
    return reinterpret_cast<const WORD*>((reinterpret_cast<UINT_PTR>(p) + 3) & ~UINT_PTR(3));
}

std::u16string read_text(const WORD*& p)
{
    std::u16string text;
    while (*p)
        text.push_back(char16_t(*p++));
    ++p;
    return text;
}

}  // namespace

TEST_F(KeywordTest, DialogTemplateIsJapaneseWithTheTablesPositionsAndStyles)
{
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceExA(module, RT_DIALOG, MAKEINTRESOURCEA(50104), MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT));
    ASSERT_NE(found, nullptr);
    const auto* dialog = static_cast<const DLGTEMPLATE*>(LockResource(LoadResource(module, found)));
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->style, DWORD(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT));
    EXPECT_EQ(dialog->cx, 187);
    EXPECT_EQ(dialog->cy, 49);
    ASSERT_EQ(dialog->cdit, 3);

    const WORD* p = reinterpret_cast<const WORD*>(dialog + 1);
    EXPECT_EQ(read_text(p), u"");  // no menu
    EXPECT_EQ(read_text(p), u"");  // the standard dialog class
    EXPECT_EQ(read_text(p), u"キーワード登録");
    EXPECT_EQ(*p++, 9);
    EXPECT_EQ(read_text(p), u"ＭＳ Ｐゴシック");

    std::vector<TemplateItem> items;
    for (int i = 0; i < dialog->cdit; ++i) {
        const auto* item = reinterpret_cast<const DLGITEMTEMPLATE*>(aligned(p));
        p = reinterpret_cast<const WORD*>(item + 1);
        TemplateItem seen{item->style, item->x, item->y, item->cx, item->cy, item->id, 0, {}};
        if (*p == 0xFFFF) {
            seen.class_atom = p[1];
            p += 2;
        } else {
            read_text(p);
        }
        seen.text = read_text(p);
        p += 1 + *p / sizeof(WORD);  // creation data
        items.push_back(seen);
    }
    const DWORD child = WS_CHILD | WS_VISIBLE;
    EXPECT_EQ(items, (std::vector<TemplateItem>{
                         {child | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 7, 7, 173, 14, 1000, 0x81, u""},
                         {child | WS_TABSTOP | BS_DEFPUSHBUTTON, 77, 28, 50, 14, IDOK, 0x80, u"OK"},
                         {child | WS_TABSTOP | BS_PUSHBUTTON, 130, 28, 50, 14, IDCANCEL, 0x80, u"ｷｬﾝｾﾙ"},
                     }));
}
