#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "backup/backup_list.h"

#define SO "\x83\x5C"  // ソ: second byte is a backslash
#define HYO "\x95\x5C" // 表: second byte is a backslash
// A double-byte character whose second byte is the letter l (0x6C).
#define TRAIL_L "\x88\x6C"

TEST(ExcludedFolder, Table)
{
    struct Case {
        std::string name;
        bool excluded;
    } cases[] = {
        {"stowa", true},
        {"rstr", true},
        {"Stowa", false}, // the backup folder names compare case-sensitively
        {"RSTR", false},
        {"stowa2", false},
        {"xrstr", false},
        {"log", true},
        {"Log", true},
        {"blog", true},
        {"NimbrelLOG", true},
        {"catalogue", true},
        {"lo", false},
        {"l og", false},
        {"memo", false},
        {"", false},
        {TRAIL_L "og", false},     // l is the second byte of a character
        {TRAIL_L "log", true},     // a real log after it
        {HYO "log", true},
        {"\x82\xA0" "Log", true}, // あLog
    };
    for (const Case& c : cases)
        EXPECT_EQ(is_excluded_folder(c.name), c.excluded) << c.name;
}

TEST(RelativePath, ChildrenAndFolders)
{
    EXPECT_EQ(relative_child("", "data.txt"), "data.txt");
    EXPECT_EQ(relative_child("memo\\", "a.txt"), "memo\\a.txt");
    EXPECT_EQ(relative_folder("", "memo"), "memo\\");
    EXPECT_EQ(relative_folder("memo\\", SO), "memo\\" SO "\\");
}

TEST(ItemList, ExactMembershipInWalkOrder)
{
    ItemList list;
    list.add("data.txt");
    list.add("memo\\a.txt");
    list.add("memo\\");
    EXPECT_TRUE(list.contains("memo\\a.txt"));
    EXPECT_TRUE(list.contains("memo\\"));
    EXPECT_FALSE(list.contains("Data.txt")); // case-sensitive
    EXPECT_FALSE(list.contains("memo"));     // whole text: the folder line has its backslash
    EXPECT_FALSE(list.contains("data.tx"));
    EXPECT_FALSE(list.contains(""));
    EXPECT_EQ(list_file_text(list), "data.txt\nmemo\\a.txt\nmemo\\\n");
    list.clear();
    EXPECT_FALSE(list.contains("data.txt"));
    EXPECT_EQ(list_file_text(list), "");
}

TEST(ListFileRead, LineEndsAndOddBytes)
{
    struct Case {
        std::string bytes;
        std::vector<std::string> items;
    } cases[] = {
        {"data.txt\nmemo\\a.txt\nmemo\\\n", {"data.txt", "memo\\a.txt", "memo\\"}},
        {"a\r\nb\r\n", {"a", "b"}},            // CR LF written by another editor
        {"a\rb\r", {"a", "b"}},
        {"a\n\n\r\nb", {"a", "b"}},            // empty lines and a last line without end
        {"", {}},
        {"\n\r\n", {}},
        {std::string("da\0ta\nb", 7), {"da", "b"}}, // a line ends at a NUL byte
        {std::string("\0x\nb", 4), {"b"}},
        {"memo\\" SO "\nx" HYO "\n", {"memo\\" SO, "x" HYO}},
    };
    for (const Case& c : cases) {
        ItemList list;
        list.add("stale");
        list_file_read(c.bytes, list);
        EXPECT_EQ(list.items, c.items);
        EXPECT_FALSE(list.contains("stale"));
    }
}

TEST(ListFileRead, LongLinesSurviveWhole)
{
    std::string long_line(100000, 'x');
    ItemList list;
    list_file_read(long_line + "\n" + long_line + "y\r\n", list);
    ASSERT_EQ(list.items.size(), 2u);
    EXPECT_EQ(list.items[0].size(), 100000u);
    EXPECT_TRUE(list.contains(long_line + "y"));
}

TEST(ListFileRead, RoundTripsWhatAPassWrites)
{
    ItemList written;
    for (const char* item : {"data.txt", "memo\\a.txt", "memo\\", SO "\\" HYO ".txt", SO "\\"})
        written.add(item);
    ItemList read;
    list_file_read(list_file_text(written), read);
    EXPECT_EQ(read.items, written.items);
}

TEST(ParentFolders, Table)
{
    struct Case {
        std::string relative;
        std::vector<std::string> folders;
    } cases[] = {
        {"data.txt", {}},
        {"memo\\", {}},
        {"memo\\a.txt", {"memo"}},
        {"memo\\sub\\a.txt", {"memo", "memo\\sub"}},
        {"memo\\sub\\", {"memo"}},
        {SO "\\a.txt", {SO}},       // the second byte of ソ is not a separator
        {"x" HYO "\\y\\", {"x" HYO}},
        {SO ".txt", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(parent_folders(c.relative), c.folders) << c.relative;
}

TEST(StowaArgument, Table)
{
    struct Case {
        std::string command_line, argument;
    } cases[] = {
        {"", ""},
        {"-r", "-r"},
        {"-R", "-R"},
        {"-r ", "-r "},
        {"\"-r\"", "-r"},
        {"\"-r\" x", "-r"},
        {"\"-r \"", "-r "},
        {"\"-r", "-r"}, // no closing quote: the rest of the text
        {"\"\"", ""},
        {"x \"-r\"", "x \"-r\""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(stowa_argument(c.command_line), c.argument) << c.command_line;
}

TEST(ProgramFolder, OnlyAbsoluteFoldersOfAModulePath)
{
    struct Case {
        std::string module_path;
        bool found;
        std::string folder;
    } cases[] = {
        {"C:\\tools\\stowa.exe", true, "C:\\tools\\"},
        {"c:\\stowa.exe", true, "c:\\"},
        {"Z:\\tmp\\" SO "\\stowa.exe", true, "Z:\\tmp\\" SO "\\"},
        {"\\\\server\\share\\stowa.exe", true, "\\\\server\\share\\"},
        {"C:\\x" SO "stowa.exe", true, "C:\\"}, // the second byte of ソ is no separator
        {"stowa.exe", false, ""},
        {"", false, ""},
        {SO "stowa.exe", false, ""},             // only a second byte looks like a backslash
        {"tools\\stowa.exe", false, ""},         // relative to the current directory
        {"\\tools\\stowa.exe", false, ""},       // relative to the current drive
        {"C:stowa\\stowa.exe", false, ""},
    };
    for (const Case& c : cases) {
        std::string folder = "untouched";
        EXPECT_EQ(program_folder_of(c.module_path, folder), c.found) << c.module_path;
        EXPECT_EQ(folder, c.found ? c.folder : "untouched") << c.module_path;
    }
}
