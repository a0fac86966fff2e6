// The folders shown in the titles of other top-level windows, gathered just
// before the capture menu opens (Ctrl+Z in the text box) and kept until the
// next capture.
#pragma once

#include <string>
#include <string_view>
#include <vector>

struct WindowCapture {
    std::vector<std::string> paths;  // in capture order, never two equal texts
};

extern WindowCapture g_capture;

// Titles and class names are read into 260-byte buffers; longer titles are
// cut to this many bytes at a character boundary.
inline constexpr size_t CAPTURE_TITLE_MAX_BYTES = 259;

// The path inside the square brackets of a title. A walk over the
// characters keeps the position after the last "[" (0 before the first) and
// the position of the last ":"; the first "]" with a colon after that
// opening ends the path, else the title's end does. False when no colon
// follows the last opening, so a title without brackets gives itself when a
// colon stands after its first byte.
bool bracketed_path(std::string_view title, std::string& path);

// The path a visible, unowned top-level window offers: none for an empty
// title or the desktop ("Progman"), the whole title for an Explorer window,
// else the bracketed path of its title.
bool captured_path(std::string_view title, std::string_view class_name, std::string& path);

// Appends a path unless an equal text is already there.
void window_capture_add(std::string_view path);

// Empties the capture list and fills it from the top-level windows in their
// enumeration order (window_capture_win.cpp).
void window_capture_fill();
