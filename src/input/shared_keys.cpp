#include "input/shared_keys.h"

#include "input/keys.h"

SharedKey shared_key_down(int key, bool ctrl, bool alt)
{
    if (key == KEY_CONTROL)
        return SharedKey::ctrl_down;
    if (key == KEY_F12)
        return SharedKey::level_up;
    if (key == KEY_F1)
        return SharedKey::help;
    if (ctrl && key == 'U')
        return SharedKey::date_filter;
    if (ctrl && key == 'S')
        return SharedKey::save;
    if (ctrl && key == 'O')
        return SharedKey::load_all;
    if (ctrl && key == 'W')
        return SharedKey::end_program;
    if (key == KEY_TAB)
        return SharedKey::tab_entry;
    if (ctrl && key == 'T')
        return SharedKey::stamp;
    if (alt) {
        switch (key) {
        case KEY_RIGHT: return SharedKey::recent_forward;
        case KEY_LEFT: return SharedKey::recent_back;
        case KEY_UP: return SharedKey::bookmark_back;
        case KEY_DOWN: return SharedKey::bookmark_forward;
        }
    }
    return SharedKey::none;
}

int digit_form(int character)
{
    return character >= 0x21 && character <= 0x2A ? character + 0x10 : character;
}

void shortcut_type(ShortcutBuffer& buffer, int ctrl_character)
{
    if (buffer.letters.size() >= SHORTCUT_LETTERS)
        buffer.letters.erase(0, buffer.letters.size() - SHORTCUT_LETTERS + 1);
    buffer.letters.push_back(char(ctrl_character + 0x60));
}

NumberedControl numbered_control(bool tab_form, bool shift, int which)
{
    if (tab_form)
        return NumberedControl::list_box;
    // which 0: Shift picks the folder view; which 1: Shift picks the list box.
    bool folder_view = (which == 0) == shift;
    return folder_view ? NumberedControl::folder_view : NumberedControl::list_box;
}

int browse_step(int index, int delta, int count)
{
    int next = index + delta;
    if (next > count - 1)
        next = count - 1;
    return next < 0 ? 0 : next;
}

std::string help_text(const std::string (&applications)[4])
{
    std::string text;
    text += "F1:ヘルプ\n";
    text += "F2(テキスト):フォルダ作成\n";
    text += "F2(ビュー):名称変更\n";
    text += "F4:実行ファイルの登録\n";
    text += "F5:履歴の再構成\n";
    for (int i = 0; i < 4; ++i) {
        text += 'F';
        text += std::to_string(6 + i);
        text += ':';
        text += applications[i];
        text += "\n";
    }
    text += "F10:起動後の履歴モード→数字入力モード→フォルダサイズ表示\n";
    text += "F11:(テキスト)[Shiftなし]BookMarkにフォーカス\n";
    text += "F11:(テキスト)[Shiftあり]履歴モード変更\n";
    text += "F11:(ビュー)BookMarkの登録\n";
    text += "F12:一つ上のフォルダ";
    text += "\n\n";
    text += "HTMLヘルプを表示しますか？";
    return text;
}
