// Reads Nimbrel's window from another process, the way an accessibility
// tool would, and prints what it finds as UTF-8 (one value per line).
//
//   probe wait [SECONDS]     wait until a window of class "Nimbrel" is visible
//   probe count              number of top-level windows of class "Nimbrel"
//   probe caption            the main window's caption
//   probe text ROLE          text of display, text or number (the edit boxes)
//   probe list ROLE          rows of list or second (the two list boxes)
//   probe view [N]           rows of the folder view (the first N), columns separated by tabs
//   probe rows               number of rows of the folder view
//   probe status PART        text of a status bar part
//   probe rect [ROLE]        client area of the main window (or of a control)
//                            on the screen: X Y W H
//   probe minimize | iconic | visible
//   probe dialog             caption and texts of each open message box
//   probe dialog-ok          presses OK (or Yes) on each open message box
//
// Exit code 0 on success, 1 when the window or control is missing.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

static std::string to_utf8(const std::wstring& w)
{
    if (w.empty())
        return std::string();
    int n = WideCharToMultiByte(CP_UTF8, 0, w.data(), int(w.size()), nullptr, 0, nullptr, nullptr);
    std::string s(size_t(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, w.data(), int(w.size()), s.data(), n, nullptr, nullptr);
    return s;
}

static std::string ansi_to_utf8(const std::string& a)
{
    if (a.empty())
        return std::string();
    int n = MultiByteToWideChar(CP_ACP, 0, a.data(), int(a.size()), nullptr, 0);
    std::wstring w(size_t(n), L'\0');
    MultiByteToWideChar(CP_ACP, 0, a.data(), int(a.size()), w.data(), n);
    return to_utf8(w);
}

static std::wstring window_text_w(HWND h)
{
    LRESULT n = SendMessageW(h, WM_GETTEXTLENGTH, 0, 0);
    std::wstring w(size_t(n) + 1, L'\0');
    LRESULT got = SendMessageW(h, WM_GETTEXT, w.size(), reinterpret_cast<LPARAM>(w.data()));
    w.resize(size_t(got));
    return w;
}

static void print_line(const std::string& s)
{
    fwrite(s.data(), 1, s.size(), stdout);
    fputc('\n', stdout);
}

struct Child {
    HWND window;
    std::string cls;
    RECT rect;  // in the main window's client coordinates
};

static std::vector<Child> children(HWND main)
{
    std::vector<Child> out;
    for (HWND h = GetWindow(main, GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT)) {
        char cls[64] = "";
        GetClassNameA(h, cls, sizeof cls);
        RECT r;
        GetWindowRect(h, &r);
        MapWindowPoints(nullptr, main, reinterpret_cast<POINT*>(&r), 2);
        out.push_back({h, cls, r});
    }
    return out;
}

// The controls are told apart by class and place: the display box is the
// disabled edit, the text box the enabled edit at the left edge, the number
// box the other; the list box sits at the top left, the second list box not.
static HWND find_role(HWND main, const std::string& role)
{
    for (const Child& c : children(main)) {
        bool edit = _stricmp(c.cls.c_str(), "Edit") == 0;
        bool list = _stricmp(c.cls.c_str(), "ListBox") == 0;
        bool left = c.rect.left <= 0;
        if (role == "status" && _stricmp(c.cls.c_str(), STATUSCLASSNAMEA) == 0)
            return c.window;
        if (role == "folder" && _stricmp(c.cls.c_str(), WC_LISTVIEWA) == 0)
            return c.window;
        if (role == "display" && edit && !IsWindowEnabled(c.window))
            return c.window;
        if (role == "text" && edit && IsWindowEnabled(c.window) && left)
            return c.window;
        if (role == "number" && edit && IsWindowEnabled(c.window) && !left)
            return c.window;
        if (role == "list" && list && left && c.rect.top <= 0)
            return c.window;
        if (role == "second" && list && !(left && c.rect.top <= 0))
            return c.window;
    }
    return nullptr;
}

// List view and status bar texts need a buffer inside the target process.
struct Remote {
    HANDLE process = nullptr;
    char* memory = nullptr;
    explicit Remote(HWND h, size_t size)
    {
        DWORD pid = 0;
        GetWindowThreadProcessId(h, &pid);
        process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
        if (process)
            memory = static_cast<char*>(VirtualAllocEx(process, nullptr, size, MEM_COMMIT, PAGE_READWRITE));
    }
    ~Remote()
    {
        if (memory)
            VirtualFreeEx(process, memory, 0, MEM_RELEASE);
        if (process)
            CloseHandle(process);
    }
};

static std::string view_cell(HWND view, Remote& r, int row, int column)
{
    const size_t text_size = 2048;
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = r.memory + sizeof(LVITEMA);
    item.cchTextMax = int(text_size);
    WriteProcessMemory(r.process, r.memory, &item, sizeof item, nullptr);
    SendMessageA(view, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(r.memory));
    std::vector<char> text(text_size + 1, '\0');
    ReadProcessMemory(r.process, r.memory + sizeof(LVITEMA), text.data(), text_size, nullptr);
    return ansi_to_utf8(text.data());
}

static BOOL CALLBACK collect_dialogs(HWND h, LPARAM out)
{
    char cls[64] = "";
    GetClassNameA(h, cls, sizeof cls);
    if (strcmp(cls, "#32770") == 0 && IsWindowVisible(h))
        reinterpret_cast<std::vector<HWND>*>(out)->push_back(h);
    return TRUE;
}

static std::vector<HWND> dialogs()
{
    std::vector<HWND> found;
    EnumWindows(collect_dialogs, reinterpret_cast<LPARAM>(&found));
    return found;
}

static BOOL CALLBACK count_main(HWND h, LPARAM out)
{
    char cls[64] = "";
    GetClassNameA(h, cls, sizeof cls);
    if (strcmp(cls, "Nimbrel") == 0)
        ++*reinterpret_cast<int*>(out);
    return TRUE;
}

int main(int argc, char** argv)
{
    if (argc < 2) {
        fprintf(stderr, "usage: probe COMMAND [ARGUMENT]\n");
        return 2;
    }
    std::string command = argv[1];
    std::string argument = argc > 2 ? argv[2] : "";

    if (command == "dialog" || command == "dialog-ok") {
        for (HWND d : dialogs()) {
            if (command == "dialog-ok") {
                // A message box with OK answers IDOK, a question IDYES.
                PostMessageA(d, WM_COMMAND, GetDlgItem(d, IDYES) ? IDYES : IDOK, 0);
                continue;
            }
            print_line(to_utf8(window_text_w(d)));
            for (HWND c = GetWindow(d, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
                std::string t = to_utf8(window_text_w(c));
                if (!t.empty())
                    print_line(t);
            }
        }
        return 0;
    }
    if (command == "count") {
        int n = 0;
        EnumWindows(count_main, reinterpret_cast<LPARAM>(&n));
        printf("%d\n", n);
        return 0;
    }

    if (command == "version") {
        // version FILE FIELD BLOCK: a string of the version resource, such
        // as "ProductVersion" in the block "041104B0".
        std::string field = argc > 3 ? argv[3] : "";
        std::string block = argc > 4 ? argv[4] : "041104B0";
        DWORD ignored = 0;
        DWORD size = GetFileVersionInfoSizeA(argument.c_str(), &ignored);
        if (size == 0)
            return 1;
        std::vector<char> data(size);
        if (!GetFileVersionInfoA(argument.c_str(), 0, size, data.data()))
            return 1;
        const std::string ascii = "\\StringFileInfo\\" + block + "\\" + field;
        std::wstring key(ascii.begin(), ascii.end());
        wchar_t* value = nullptr;
        UINT length = 0;
        if (!VerQueryValueW(data.data(), key.c_str(), reinterpret_cast<void**>(&value), &length) || !value)
            return 1;
        print_line(to_utf8(std::wstring(value, wcsnlen(value, length))));
        return 0;
    }
    if (command == "set-clipboard") {
        // Puts the argument on the clipboard as CF_TEXT for a "clip" start.
        if (!OpenClipboard(nullptr))
            return 1;
        EmptyClipboard();
        HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, argument.size() + 1);
        if (block) {
            memcpy(GlobalLock(block), argument.c_str(), argument.size() + 1);
            GlobalUnlock(block);
            SetClipboardData(CF_TEXT, block);
        }
        CloseClipboard();
        return block ? 0 : 1;
    }

    HWND main = FindWindowA("Nimbrel", nullptr);
    if (command == "wait") {
        // The window exists from the start of its creation but shows only
        // once its children are made and filled, so wait for it to be visible:
        // a check right after the wait must see the finished window.
        int tenths = (argument.empty() ? 20 : atoi(argument.c_str())) * 10;
        while (!(main && IsWindowVisible(main)) && tenths-- > 0) {
            Sleep(100);
            main = FindWindowA("Nimbrel", nullptr);
        }
        return main && IsWindowVisible(main) ? 0 : 1;
    }
    if (!main)
        return 1;

    if (command == "caption") {
        print_line(to_utf8(window_text_w(main)));
    } else if (command == "minimize") {
        ShowWindow(main, SW_MINIMIZE);
    } else if (command == "iconic") {
        printf("%d\n", IsIconic(main) ? 1 : 0);
    } else if (command == "visible") {
        printf("%d\n", IsWindowVisible(main) ? 1 : 0);
    } else if (command == "rect") {
        RECT r;
        HWND h = argument.empty() ? main : find_role(main, argument);
        if (!h)
            return 1;
        GetClientRect(h, &r);
        MapWindowPoints(h, nullptr, reinterpret_cast<POINT*>(&r), 2);
        printf("%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
    } else if (command == "text") {
        HWND h = find_role(main, argument);
        if (!h)
            return 1;
        print_line(to_utf8(window_text_w(h)));
    } else if (command == "list") {
        HWND h = find_role(main, argument);
        if (!h)
            return 1;
        int n = int(SendMessageW(h, LB_GETCOUNT, 0, 0));
        for (int i = 0; i < n; ++i) {
            std::wstring w(size_t(SendMessageW(h, LB_GETTEXTLEN, i, 0)) + 1, L'\0');
            LRESULT got = SendMessageW(h, LB_GETTEXT, i, reinterpret_cast<LPARAM>(w.data()));
            w.resize(got > 0 ? size_t(got) : 0);
            print_line(to_utf8(w));
        }
    } else if (command == "view") {
        HWND h = find_role(main, "folder");
        if (!h)
            return 1;
        Remote r(h, sizeof(LVITEMA) + 4096);
        if (!r.memory)
            return 1;
        int rows = int(SendMessageA(h, LVM_GETITEMCOUNT, 0, 0));
        if (!argument.empty())
            rows = std::min(rows, atoi(argument.c_str()));
        HWND header = reinterpret_cast<HWND>(SendMessageA(h, LVM_GETHEADER, 0, 0));
        int columns = header ? int(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0)) : 1;
        for (int row = 0; row < rows; ++row) {
            std::string line;
            for (int c = 0; c < columns; ++c)
                line += (c ? "\t" : "") + view_cell(h, r, row, c);
            print_line(line);
        }
    } else if (command == "rows") {
        HWND h = find_role(main, "folder");
        if (!h)
            return 1;
        printf("%d\n", int(SendMessageA(h, LVM_GETITEMCOUNT, 0, 0)));
    } else if (command == "status") {
        HWND h = find_role(main, "status");
        if (!h)
            return 1;
        int part = atoi(argument.c_str());
        Remote r(h, 4096);
        if (!r.memory)
            return 1;
        SendMessageA(h, SB_GETTEXTA, part, reinterpret_cast<LPARAM>(r.memory));
        std::vector<char> text(4097, '\0');
        ReadProcessMemory(r.process, r.memory, text.data(), 4096, nullptr);
        print_line(ansi_to_utf8(text.data()));
    } else {
        fprintf(stderr, "probe: unknown command %s\n", command.c_str());
        return 2;
    }
    return 0;
}
