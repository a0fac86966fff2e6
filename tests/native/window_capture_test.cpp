#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "folder/window_capture.h"

namespace {

struct Found {
    bool found;
    std::string path;
    bool operator==(const Found&) const = default;
    friend void PrintTo(const Found& f, std::ostream* os) { *os << (f.found ? f.path : "(none)"); }
};

Found bracketed(const std::string& title)
{
    std::string path = "untouched";
    bool found = bracketed_path(title, path);
    return {found, found ? path : (path == "untouched" ? "" : "changed on failure")};
}

}  // namespace

TEST(BracketedPath, Table)
{
    const std::string long_name(300, 'n');
    struct Case {
        std::string title;
        Found expected;
    } cases[] = {
        {"memo.txt [C:\\work\\memo]", {true, "C:\\work\\memo"}},
        {"tool [D:\\src", {true, "D:\\src"}},              // unclosed: to the end
        {"notes [list]", {false, ""}},                      // no colon after the bracket
        {"a [x] b [C:\\y]", {true, "C:\\y"}},               // the last bracket with a colon
        {"[C:\\y] and [z]", {true, "C:\\y"}},               // closed before the colonless one opens
        // Without a "[" the text counts from the start: a colon is enough.
        {"C:\\plain title", {true, "C:\\plain title"}},
        {"C:\\x] y", {true, "C:\\x"}},
        {"plain title", {false, ""}},
        {":x", {false, ""}},                                // the colon at 0 is not after the start
        {"x: [C:\\y]", {true, "C:\\y"}},
        {"[C:\\a]b]", {true, "C:\\a"}},                     // the first "]" after the colon ends it
        {"[a]:[b", {false, ""}},                            // the colon stands before the last "["
        {"[:]", {false, ""}},                               // open 1, colon 1: nothing
        {"[a:]", {true, "a:"}},
        {"]][[::", {true, "::"}},
        {"", {false, ""}},
        {"[", {false, ""}},
        {"[" + long_name, {false, ""}},
        {long_name + "[C:\\" + long_name, {true, "C:\\" + long_name}},
        // The long vowel mark (0x81 0x5B) and the dash (0x81 0x5D) end in
        // bracket bytes that are no brackets.
        {"[C:\\\x83\x74\x83\x48\x83\x8B\x83\x5F\x81\x5B]", {true, "C:\\\x83\x74\x83\x48\x83\x8B\x83\x5F\x81\x5B"}},
        {"[C:\\a\x81\x5D" "b]", {true, "C:\\a\x81\x5D" "b"}},
        {"[C:\\a\x81", {true, "C:\\a\x81"}},               // a lone lead byte at the end
    };
    for (const Case& c : cases)
        EXPECT_EQ(bracketed(c.title), c.expected) << c.title.substr(0, 40);
}

TEST(CapturedPath, ClassesAndTitles)
{
    struct Case {
        const char* title;
        const char* class_name;
        Found expected;
    } cases[] = {
        {"C:\\work", "CabinetWClass", {true, "C:\\work"}},
        {"work", "ExploreWClass", {true, "work"}},           // only the folder name: kept as it is
        {"a [C:\\x]", "CabinetWClass", {true, "a [C:\\x]"}}, // Explorer titles are whole paths
        {"", "CabinetWClass", {false, ""}},
        {"[C:\\x]", "Progman", {false, ""}},                  // the desktop
        {"memo [C:\\x]", "Notepad", {true, "C:\\x"}},
        {"memo", "Notepad", {false, ""}},
        {"work", "cabinetwclass", {false, ""}},               // class names compare exactly
    };
    for (const Case& c : cases) {
        std::string path;
        bool found = captured_path(c.title, c.class_name, path);
        EXPECT_EQ((Found{found, found ? path : ""}), c.expected) << c.title << " / " << c.class_name;
    }
}

TEST(WindowCapture, AddKeepsTheFirstOfEqualPaths)
{
    g_capture.paths.clear();
    for (const char* p : {"C:\\a", "C:\\b", "C:\\a", "c:\\a", "C:\\b"})
        window_capture_add(p);
    EXPECT_EQ(g_capture.paths, (std::vector<std::string>{"C:\\a", "C:\\b", "c:\\a"}));
    g_capture.paths.clear();
}
