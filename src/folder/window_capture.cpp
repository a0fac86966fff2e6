#include "folder/window_capture.h"

#include <algorithm>

#include "folder/path_rules.h"

WindowCapture g_capture;

bool bracketed_path(std::string_view title, std::string& path)
{
    size_t open = 0;   // position after the last "["
    size_t colon = 0;  // position of the last ":"
    // A forward walk by characters: the second byte of a double-byte
    // character may equal "[" or "]" (as in the long vowel mark) and must
    // not count as a bracket.
    for (size_t i = 0; i < title.size(); ++i) {
        char c = title[i];
        if (is_lead_byte(static_cast<unsigned char>(c))) {
            ++i;
            continue;
        }
        if (c == '[') {
            open = i + 1;
        } else if (c == ':') {
            colon = i;
        } else if (c == ']' && open < colon) {
            path.assign(title.substr(open, i - open));
            return true;
        }
    }
    if (open >= colon)
        return false;
    path.assign(title.substr(open));
    return true;
}

bool captured_path(std::string_view title, std::string_view class_name, std::string& path)
{
    if (title.empty() || class_name == "Progman")
        return false;
    if (class_name == "ExploreWClass" || class_name == "CabinetWClass") {
        path.assign(title);
        return true;
    }
    return bracketed_path(title, path);
}

void window_capture_add(std::string_view path)
{
    if (std::find(g_capture.paths.begin(), g_capture.paths.end(), path) == g_capture.paths.end())
        g_capture.paths.emplace_back(path);
}
