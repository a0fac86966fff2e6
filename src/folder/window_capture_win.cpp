// Window capture: every top-level window is tested, in the order in which
// EnumWindows gives them (front to back).
#include <windows.h>

#include "folder/path_rules.h"
#include "folder/window_capture.h"

namespace {

// Two bytes beyond the kept length, so that the cut at a character boundary
// sees the whole of a character that straddles the limit.
constexpr int TITLE_READ_BYTES = int(CAPTURE_TITLE_MAX_BYTES) + 3;
constexpr int CLASS_READ_BYTES = 260;

// The bytes copied by GetWindowTextA and GetClassNameA, without the
// terminator; they give 0 on failure.
void keep_copied(std::string& text, int copied)
{
    text.resize(copied > 0 ? size_t(copied) : 0);
}

BOOL CALLBACK window_test(HWND window, LPARAM)
{
    if (!IsWindowVisible(window) || GetWindow(window, GW_OWNER) != nullptr)
        return TRUE;
    std::string title(size_t(TITLE_READ_BYTES), '\0');
    keep_copied(title, GetWindowTextA(window, title.data(), TITLE_READ_BYTES));
    std::string class_name(size_t(CLASS_READ_BYTES), '\0');
    keep_copied(class_name, GetClassNameA(window, class_name.data(), CLASS_READ_BYTES));
    std::string path;
    if (captured_path(cut_at_character(title, CAPTURE_TITLE_MAX_BYTES), class_name, path))
        window_capture_add(path);
    return TRUE;  // always on to the last window
}

}  // namespace

void window_capture_fill()
{
    g_capture.paths.clear();
    EnumWindows(window_test, 0);
}
