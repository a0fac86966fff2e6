// The open-row operation: what opening a folder view row does, for Enter in
// the text box, the digit keys, Enter and double-click in the folder view.
#pragma once

#include <string>
#include <string_view>

struct OpenRowPlan {
    enum Kind {
        nothing,
        list_folder,  // put the path into the text box, scan it, focus step
        launch,       // the launch routine with target and parameters
    };
    Kind kind = nothing;
    std::string text_box;  // for a folder: its path goes into the text box first
    std::string target;
    std::string parameters;
};

// For a row whose entry path is `path` (a folder ends in "*"). With Ctrl a
// folder opens in the file manager `explorer`, and a file opens the folder
// that holds it.
OpenRowPlan open_row_plan(std::string_view path, bool ctrl, std::string_view current_folder,
                          std::string_view explorer);

// Opens the folder view row (negative: nothing), with Ctrl as the keyboard
// holds it now.
void open_row(int row);
