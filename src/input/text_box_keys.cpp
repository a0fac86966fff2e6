#include "input/text_box_keys.h"

#include <vector>

#include "folder/path_rules.h"
#include "input/input_state.h"

int application_key_index(int key)
{
    return key >= KEY_F6 && key <= KEY_F9 ? key - KEY_F6 : -1;
}

TextBoxKey text_box_key_down(int key, bool shift, int input_state)
{
    if (key == KEY_SHIFT)
        return TextBoxKey::none;
    if (key == KEY_ESCAPE)
        return shift ? TextBoxKey::cancel_clipboard : TextBoxKey::escape;
    if (input_state == INPUT_WAIT_FOR_KEY)
        return application_key_index(key) >= 0 ? TextBoxKey::choose_registration : TextBoxKey::none;
    switch (key) {
    case KEY_F2: return TextBoxKey::make_folder;
    case KEY_F3: return TextBoxKey::tree_search;
    case KEY_F4: return TextBoxKey::start_registration;
    case KEY_F5: return TextBoxKey::rebuild_data_list;
    case KEY_F10: return TextBoxKey::mode_step;
    case KEY_F11: return shift ? TextBoxKey::toggle_addmode : TextBoxKey::focus_bookmarks;
    default:
        return application_key_index(key) >= 0 ? TextBoxKey::launch_application : TextBoxKey::none;
    }
}

EscapeStep escape_step(int input_state, size_t text_length, int parent_level)
{
    EscapeStep step;
    if (input_state == INPUT_RENAME) {
        if (text_length > 0) {
            step.empty_text = true;
            step.stop = true;
            return step;
        }
        step.leave_special = true;
    } else if (input_state == INPUT_WAIT_FOR_KEY || registering_application(input_state)) {
        step.leave_special = true;
        step.clear_status = true;
    }
    if (text_length >= 1) {
        step.reset_level = true;
        step.empty_text = true;
    } else if (parent_level != 0) {
        step.reset_level = true;
    } else {
        step.drive_list = true;
    }
    return step;
}

TextBoxKeyUp text_box_key_up(int key)
{
    if (key == KEY_DOWN)
        return TextBoxKeyUp::to_folder;
    if (key == KEY_UP)
        return TextBoxKeyUp::to_list;
    return TextBoxKeyUp::refresh;
}

CharAction text_box_char(int character, bool ctrl)
{
    switch (character) {
    case 0x1B: return {TextBoxChar::none, true};
    case 0x16: return {ctrl ? TextBoxChar::paste : TextBoxChar::none, false};
    case 0x03: return {ctrl ? TextBoxChar::copy : TextBoxChar::none, false};
    case 0x18: return {ctrl ? TextBoxChar::cut : TextBoxChar::none, false};
    case 0x1A: return ctrl ? CharAction{TextBoxChar::capture, true} : CharAction{};
    case 0x10: return {ctrl ? TextBoxChar::copy_rows : TextBoxChar::none, false};
    case 0x08: return {TextBoxChar::parent_edit, false};
    case 0x0A: return {TextBoxChar::open_in_explorer, !ctrl};
    case 0x09: return {TextBoxChar::none, !ctrl};
    case 0x0D: return {TextBoxChar::enter, true};
    default: return {};
    }
}

const char* registration_prompt(int index)
{
    static const char* const prompts[4] = {
        "F6キー登録 - アプリのパスを入力してEnterを押して下さい",
        "F7キー登録 - アプリのパスを入力してEnterを押して下さい",
        "F8キー登録 - アプリのパスを入力してEnterを押して下さい",
        "F9キー登録 - アプリのパスを入力してEnterを押して下さい",
    };
    return index >= 0 && index < 4 ? prompts[index] : "";
}

std::string enter_target(std::string_view typed)
{
    // "*" is never the second byte of a double-byte character.
    if (!typed.empty() && typed.back() == '*')
        typed.remove_suffix(1);
    return std::string(typed);
}

std::string explorer_folder(std::string_view typed, bool typed_is_folder, std::string_view current_folder)
{
    std::string folder(typed.empty() || !typed_is_folder ? current_folder : typed);
    if (folder.size() > 1)
        trailing_separator_strip(folder);
    return folder;
}

std::string rows_clipboard_text(const std::vector<std::string_view>& items)
{
    std::string text;
    for (std::string_view item : items) {
        text += item;
        text += "\r\n";
    }
    return text;
}
