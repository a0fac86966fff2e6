#include "fixture.h"

#include <shellapi.h>
#include <commctrl.h>

#include <fstream>
#include <sstream>

#include "app/settings.h"
#include "folder/navigation.h"
#include "folder/folder_ops.h"
#include "lists/string_lists.h"
#include "folder/file_ops.h"
#include "input/input_state.h"
#include "folder/folder_state.h"
#include "lists/list_state.h"
#include "app/main_window.h"
#include "app/startup.h"

static std::string g_module_path;

static bool test_module_file_name(char* buffer, DWORD size, DWORD* length)
{
    if (g_module_path.size() + 1 > size)
        return false;
    memcpy(buffer, g_module_path.c_str(), g_module_path.size() + 1);
    *length = DWORD(g_module_path.size());
    return true;
}

void use_executable_folder(const std::string& folder)
{
    g_module_path = folder + "Nimbrel.exe";
    g_seams.module_file_name = test_module_file_name;
}

TempFolder::TempFolder()
{
    char base[MAX_PATH];
    GetTempPathA(MAX_PATH, base);
    static int counter = 0;
    for (;;) {
        path = std::string(base) + "nimbrel-test-" + std::to_string(GetCurrentProcessId()) + "-" +
               std::to_string(++counter) + "\\";
        if (CreateDirectoryA(path.c_str(), nullptr))
            break;
    }
}

TempFolder::~TempFolder()
{
    // Leave the folder first: a test may have made a subfolder current.
    char base[MAX_PATH];
    GetTempPathA(MAX_PATH, base);
    SetCurrentDirectoryA(base);
    std::string from = path.substr(0, path.size() - 1);
    from.push_back('\0');  // SHFileOperation takes a double-terminated list
    SHFILEOPSTRUCTA op{};
    op.wFunc = FO_DELETE;
    op.pFrom = from.c_str();
    op.fFlags = FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_SILENT;
    SHFileOperationA(&op);
}

void TempFolder::write(const std::string& name, const std::string& bytes) const
{
    std::ofstream out(file(name), std::ios::binary);
    out << bytes;
}

std::string TempFolder::read(const std::string& name) const
{
    std::ifstream in(file(name), std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

bool TempFolder::exists(const std::string& name) const
{
    return GetFileAttributesA(file(name).c_str()) != INVALID_FILE_ATTRIBUTES;
}

void press_key(HWND control, UINT vk, bool ctrl, bool shift, bool alt)
{
    BYTE keys[256] = {};
    if (ctrl)
        keys[VK_CONTROL] = keys[VK_LCONTROL] = 0x80;
    if (shift)
        keys[VK_SHIFT] = keys[VK_LSHIFT] = 0x80;
    if (alt)
        keys[VK_MENU] = keys[VK_LMENU] = 0x80;
    SetKeyboardState(keys);
    UINT scan = MapVirtualKeyA(vk, MAPVK_VK_TO_VSC);
    LPARAM down = 1 | (LPARAM(scan) << 16);
    LPARAM up = down | (LPARAM(1) << 30) | (LPARAM(1) << 31);
    UINT down_message = alt ? WM_SYSKEYDOWN : WM_KEYDOWN;
    UINT up_message = alt ? WM_SYSKEYUP : WM_KEYUP;
    SendMessageA(control, down_message, vk, down);
    // A real key press also produces the character the key types.
    MSG msg{control, down_message, vk, down, 0, {0, 0}};
    TranslateMessage(&msg);
    pump_messages();
    SendMessageA(control, up_message, vk, up);
    BYTE none[256] = {};
    SetKeyboardState(none);
    pump_messages();
}

void type_text(HWND control, const std::string& text)
{
    for (size_t i = 0; i < text.size(); ++i)
        SendMessageA(control, WM_CHAR, static_cast<unsigned char>(text[i]), 1);
    pump_messages();
}

void pump_messages()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT)
            continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

std::string text_of(HWND window)
{
    return window_text(window);
}

std::string status_part(int part)
{
    // The length message counts characters under Wine, not bytes: read into
    // a buffer large enough for any part and take the text up to its end.
    std::string text(4096, '\0');
    SendMessageA(g_app.status_bar, SB_GETTEXTA, part, reinterpret_cast<LPARAM>(text.data()));
    text.resize(strlen(text.c_str()));
    return text;
}

std::string clipboard_now()
{
    std::string text;
    clipboard_text(text);
    return text;
}

void clipboard_set(const std::string& text)
{
    clipboard_put_text(nullptr, text);
}

std::vector<ShellCall> g_shell_calls;
static INT_PTR g_shell_result = 42;

void record_shell_calls(INT_PTR result)
{
    g_shell_calls.clear();
    g_shell_result = result;
    g_seams.shell_execute = [](HWND, const char* verb, const char* file, const char* parameters, const char*,
                               INT) {
        g_shell_calls.push_back({verb ? verb : "", file ? file : "", parameters ? parameters : ""});
        return reinterpret_cast<HINSTANCE>(g_shell_result);
    };
}

std::vector<std::string> g_message_boxes;
static int g_message_answer = IDOK;

void record_message_boxes(int answer)
{
    g_message_boxes.clear();
    g_message_answer = answer;
    g_seams.message_box = [](HWND, const char* text, const char*, UINT) {
        g_message_boxes.push_back(text ? text : "");
        return g_message_answer;
    };
}

void MainWindowTest::SetUp()
{
    use_executable_folder(folder.path);
    static bool registered = false;
    if (!registered) {
        g_app.instance = GetModuleHandleA(nullptr);
        registered = register_main_class(g_app.instance);
    }
    ASSERT_TRUE(registered);
}

void MainWindowTest::create_window()
{
    g_settings = Settings{};
    g_folder = FolderState{};
    g_listbox.list_state = 0;
    g_listbox.parent_level = 0;
    g_app.ending = false;
    g_app.launched = false;
    g_input = InputState{};
    pending_drop();
    window = create_main_window(g_app.instance);
    ASSERT_NE(window, nullptr);
    g_app.main_window = window;
    pump_messages();
}

void MainWindowTest::TearDown()
{
    if (window && IsWindow(window))
        DestroyWindow(window);
    pump_messages();
    g_app.main_window = nullptr;
    g_seams = real_seams();
}

void ControlsTest::SetUp()
{
    MainWindowTest::SetUp();
    lists_reset_all();
    CreateDirectoryA(folder.file("Nimbrellog").c_str(), nullptr);
    CreateDirectoryA(folder.file("here").c_str(), nullptr);
    CreateDirectoryA(folder.file("here\\sub").c_str(), nullptr);
    folder.write("here\\report.txt", "r");
    folder.write("here\\notes.txt", "n");
    here = folder.file("here\\");
    record_shell_calls(2);
    record_message_boxes(IDOK);
    create_window();
    go_to_folder(here);
    SetFocus(g_app.text_box);
}

void ControlsTest::TearDown()
{
    MainWindowTest::TearDown();
    lists_reset_all();
}

int ControlsTest::rows() const
{
    return int(SendMessageA(g_app.folder_view, LVM_GETITEMCOUNT, 0, 0));
}

static void hold_modifiers(bool ctrl, bool shift)
{
    BYTE keys[256] = {};
    if (ctrl)
        keys[VK_CONTROL] = keys[VK_LCONTROL] = 0x80;
    if (shift)
        keys[VK_SHIFT] = keys[VK_LSHIFT] = 0x80;
    SetKeyboardState(keys);
}

static void release_modifiers()
{
    BYTE none[256] = {};
    SetKeyboardState(none);
}

void send_char(HWND control, int character, bool ctrl, bool shift)
{
    hold_modifiers(ctrl, shift);
    SendMessageA(control, WM_CHAR, WPARAM(character), 1);
    release_modifiers();
    pump_messages();
}

void press_key_only(HWND control, UINT vk, bool ctrl, bool shift)
{
    hold_modifiers(ctrl, shift);
    UINT scan = MapVirtualKeyA(vk, MAPVK_VK_TO_VSC);
    LPARAM down = 1 | (LPARAM(scan) << 16);
    SendMessageA(control, WM_KEYDOWN, vk, down);
    SendMessageA(control, WM_KEYUP, vk, down | (LPARAM(1) << 30) | (LPARAM(1) << 31));
    release_modifiers();
    pump_messages();
}

std::vector<std::string> list_rows(HWND list)
{
    std::vector<std::string> rows;
    int n = int(SendMessageA(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < n; ++i) {
        // The length may count characters rather than bytes: room for both.
        std::string row(size_t(SendMessageA(list, LB_GETTEXTLEN, i, 0)) * 2 + 2, '\0');
        SendMessageA(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(row.data()));
        row.resize(strlen(row.c_str()));
        rows.push_back(row);
    }
    return rows;
}

void focus_row(int row)
{
    SetFocus(g_app.folder_view);
    LVITEMA item{};
    item.stateMask = item.state = LVIS_FOCUSED | LVIS_SELECTED;
    SendMessageA(g_app.folder_view, LVM_SETITEMSTATE, WPARAM(row), reinterpret_cast<LPARAM>(&item));
}

int fault_countdown = 0;
WriteFault fault_kind = WriteFault::none;
WriteFault count_down_fault(int)
{
    return --fault_countdown == 0 ? fault_kind : WriteFault::none;
}

int steps_seen = 0;
WriteFault count_steps(int)
{
    ++steps_seen;
    return WriteFault::none;
}
