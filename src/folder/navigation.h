// The text rule of the parent path edit (Backspace at the start of the text box).
#pragma once

#include <string>
#include <string_view>

enum ParentEdit {
    PARENT_EDIT_NONE,        // the text box stays as it is
    PARENT_EDIT_DRIVE_LIST,  // show the drive list and empty the text box
    PARENT_EDIT_TEXT,        // put the new text into the text box
};

// C:\dir\sub\* gives C:\dir, then C:; C:\ gives C; a bare name or drive gives
// the drive list; an empty text gives the current folder pattern.
ParentEdit parent_path_text(std::string_view text, std::string_view current_folder, std::string& result);
