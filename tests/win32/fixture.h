// Win32 test fixture: the real main window, created in-process in a
// temporary executable folder of its own, driven with real messages.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/app_state.h"
#include "app/safe_write.h"
#include "app/seams.h"

// A fresh temporary folder (with a trailing backslash), removed with its
// contents by the destructor.
struct TempFolder {
    std::string path;
    TempFolder();
    ~TempFolder();
    std::string file(const std::string& name) const { return path + name; }
    void write(const std::string& name, const std::string& bytes) const;
    std::string read(const std::string& name) const;
    bool exists(const std::string& name) const;
};

// Points the executable folder at the given folder for the next windows.
void use_executable_folder(const std::string& folder);

// Sends the key as a real key press and release to a control; the modifier
// keys (VK_CONTROL, VK_SHIFT, VK_MENU) are held through SetKeyboardState.
void press_key(HWND control, UINT vk, bool ctrl = false, bool shift = false, bool alt = false);
// Sends WM_CHAR for each byte (or double-byte pair) of a Shift-JIS text.
void type_text(HWND control, const std::string& text);
// Handles every message waiting for this thread.
void pump_messages();

std::string text_of(HWND window);
// Text of a part of the status bar.
std::string status_part(int part);
// The clipboard's text (empty when it holds none) and a way to set it.
std::string clipboard_now();
void clipboard_set(const std::string& text);

// What the shell seam was asked to open, and the result it gives.
struct ShellCall {
    std::string verb, file, parameters;
};
extern std::vector<ShellCall> g_shell_calls;
void record_shell_calls(INT_PTR result);
// Message boxes shown through the seam (their texts), answered with `answer`.
extern std::vector<std::string> g_message_boxes;
void record_message_boxes(int answer);

class MainWindowTest : public testing::Test {
protected:
    TempFolder folder;
    HWND window = nullptr;

    // Creates the window; tests that need files or settings first write them
    // into `folder` and then call this.
    void create_window();
    void SetUp() override;
    void TearDown() override;
};

// The main window listing a folder "here" with report.txt, notes.txt and the
// empty folder sub; the shell seam records and fails every open (result 2),
// message boxes answer OK. The text box has the focus.
class ControlsTest : public MainWindowTest {
protected:
    std::string here;  // with its trailing backslash

    void SetUp() override;
    void TearDown() override;
    HWND box() const { return g_app.text_box; }
    void set_text(const std::string& text) { SetWindowTextA(box(), text.c_str()); }
    void enter() { press_key(box(), VK_RETURN); }
    int rows() const;
    std::string title() const { return text_of(window); }
};

// Sends one character with the modifiers held, without its key messages.
void send_char(HWND control, int character, bool ctrl = false, bool shift = false);
// The key-down and key-up of a key with the modifiers held, and no character.
void press_key_only(HWND control, UINT vk, bool ctrl = false, bool shift = false);
// Row texts of a list box.
std::vector<std::string> list_rows(HWND list);
// Gives the folder view the keyboard focus with the row focused and selected.
void focus_row(int row);

// Write-fault hooks for g_write_fault: count_down_fault gives fault_kind at
// the fault_countdown-th step of a safe write and none before or after;
// count_steps counts the steps in steps_seen.
extern int fault_countdown;
extern WriteFault fault_kind;
WriteFault count_down_fault(int step);
extern int steps_seen;
WriteFault count_steps(int step);
