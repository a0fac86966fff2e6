// The keys every control shares, decided from the key and its modifiers;
// shared_keys_win.cpp carries them out.
#pragma once

#include <string>
#include <string_view>

enum class SharedKey {
    none,
    ctrl_down,       // the shortcut buffer starts again
    level_up,        // F12
    help,            // F1
    date_filter,     // Ctrl+U
    save,            // Ctrl+S
    load_all,        // Ctrl+O
    end_program,     // Ctrl+W
    tab_entry,       // Tab: the first list box entry
    stamp,           // Ctrl+T
    recent_forward,  // Alt+Right
    recent_back,     // Alt+Left
    bookmark_back,   // Alt+Up
    bookmark_forward,  // Alt+Down
};

// The action of a key-down, in the order the keys are checked.
SharedKey shared_key_down(int key, bool ctrl, bool alt);

// "!" to "*" (the shifted digits of the Japanese layout) count as "1" to ":".
int digit_form(int character);

// The letters typed while Ctrl is held, as lower-case ASCII. It keeps the
// last seven letters, so holding Ctrl over many letters never grows it.
struct ShortcutBuffer {
    std::string letters;
};
inline constexpr size_t SHORTCUT_LETTERS = 7;
// Appends the Ctrl character (below 0x1D) as its letter.
void shortcut_type(ShortcutBuffer& buffer, int ctrl_character);

// Which control a digit addresses: the Tab form and, by Shift and "which",
// the list box or the folder view.
enum class NumberedControl { list_box, folder_view };
NumberedControl numbered_control(bool tab_form, bool shift, int which);

// A browsing step through today's visits or the bookmarks: the index moves
// by delta and stays within [0, count - 1] (from -1 a step back gives 0).
int browse_step(int index, int delta, int count);

// The text of the F1 message box; the four application paths of F6 to F9.
std::string help_text(const std::string (&applications)[4]);

// Window side (shared_keys_win.cpp).
// The numbered-entry operation: the digit character names row 1 to 9 or 0
// of the control that Shift and "which" choose (the Tab form: the first
// list box entry). True when it opened something.
bool numbered_entry(int digit, bool tab_form);
// F1: the key summary and, on Yes, help\help.html through the shell.
void show_help();
