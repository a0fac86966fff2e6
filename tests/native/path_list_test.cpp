#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "folder/path_list.h"

using namespace std::string_literals;

TEST(PathList, WholePathsEachEndedAndTheListEndedOnceMore)
{
    EXPECT_EQ(shell_path_list({}), "");
    EXPECT_EQ(shell_path_list({""}), "");  // never a list of nothing
    EXPECT_EQ(shell_path_list({"C:\\a.txt"}), "C:\\a.txt\0\0"s);
    EXPECT_EQ(shell_path_list({"C:\\dir\\*", "C:\\b\\"}), "C:\\dir\0C:\\b\0\0"s);
    // ソ ends in the byte of a backslash: the path stays whole.
    EXPECT_EQ(shell_path_list({"C:\\\x83\x5C"}), "C:\\\x83\x5C\0\0"s);
    // Long paths are never cut.
    std::string long_path = "C:\\" + std::string(1000, 'x');
    EXPECT_EQ(shell_path_list({long_path}).size(), long_path.size() + 2);
    // A path holding a zero byte would split the list: it is left out.
    EXPECT_EQ(shell_path_list({"C:\\a\0b"s, "C:\\c"}), "C:\\c\0\0"s);

    // A drive root stays a root: "C:" would be the drive's current folder.
    EXPECT_EQ(shell_path_list({"C:\\*"}), "C:\\\0\0"s);
    EXPECT_EQ(shell_path_list({"D:\\"}), "D:\\\0\0"s);
    EXPECT_TRUE(is_drive_root("C:\\*"));
    EXPECT_TRUE(is_drive_root("c:"));
    EXPECT_FALSE(is_drive_root("C:\\a"));
    EXPECT_FALSE(is_drive_root("\x83\x3A"));  // a double-byte character, no drive

    EXPECT_EQ(first_path("C:\\a\0C:\\b\0\0"s), "C:\\a");
    EXPECT_TRUE(renames_on_collision("C:\\dir", "C:\\dir\\a.txt\0\0"s));
    EXPECT_FALSE(renames_on_collision("C:\\other", "C:\\dir\\a.txt\0\0"s));
    EXPECT_FALSE(renames_on_collision("", "C:\\dir\\a.txt\0\0"s));
}

TEST(PathList, RenameSourceAndName)
{
    struct Case {
        const char* path;
        const char* source;
        const char* name;
    } cases[] = {
        {"C:\\a\\b\\*", "C:\\a\\b", "b"},
        {"C:\\a\\b.txt", "C:\\a\\b.txt", "b.txt"},
        {"C:\\a\\\\**", "C:\\a", "a"},
        {"C:\\\x83\x5C", "C:\\\x83\x5C", "\x83\x5C"},  // ソ keeps its second byte
        {"*", "*", "*"},                                  // the first byte always stays
        {"name", "name", "name"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(rename_source(c.path), c.source) << c.path;
        EXPECT_EQ(name_part(rename_source(c.path)), c.name) << c.path;
    }
}
