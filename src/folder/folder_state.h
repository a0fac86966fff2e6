// The two process-wide texts that nearly every operation reads: the pattern
// of the last recorded folder scan (such as C:\dir\*) and the last copy of
// the text box content.
#pragma once

#include <string>

struct FolderState {
    std::string current_folder;  // empty while the drive list is shown
    std::string typed_text;      // whole text box content, never cut
};

extern FolderState g_folder;
