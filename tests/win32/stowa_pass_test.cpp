// stowa's passes in-process on a temporary program folder, for the cases
// that need the seams or a file held open: no program folder, the closing
// message, a locked source file, odd list files, Shift-JIS names whose
// second byte is a backslash, a missing generation, read-only items.
#include <windows.h>

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "app/safe_write.h"
#include "app/seams.h"
#include "backup/stowa_win.h"
#include "fixture.h"
#include "folder/path_rules.h"

#define SO "\x83\x5C"  // ソ
#define HYO "\x95\x5C" // 表
#define NO "\x94\x5C"  // 能

namespace {

std::string g_module_path;
bool g_module_fails = false;
struct Box {
    HWND owner;
    std::string text, caption;
    UINT type;
};
std::vector<Box> g_boxes;
int g_file_operations = 0;

bool fake_module_file_name(char* buffer, DWORD size, DWORD* length)
{
    if (g_module_fails || g_module_path.size() + 1 > size)
        return false;
    memcpy(buffer, g_module_path.c_str(), g_module_path.size() + 1);
    *length = DWORD(g_module_path.size());
    return true;
}

int fake_message_box(HWND owner, const char* text, const char* caption, UINT type)
{
    g_boxes.push_back(Box{owner, text, caption, type});
    return IDOK;
}

int counting_file_operation(SHFILEOPSTRUCTA* operation)
{
    ++g_file_operations;
    return real_seams().file_operation(operation);
}

// The names below a folder, folders with a trailing backslash, sorted.
void collect(const std::string& base, const std::string& relative, std::set<std::string>& out)
{
    WIN32_FIND_DATAA found;
    HANDLE find = FindFirstFileA((base + relative + "*").c_str(), &found);
    if (find == INVALID_HANDLE_VALUE)
        return;
    do {
        std::string name = found.cFileName;
        if (is_dot_name(name))
            continue;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            out.insert(relative + name + "\\");
            collect(base, relative + name + "\\", out);
        } else {
            out.insert(relative + name);
        }
    } while (FindNextFileA(find, &found));
    FindClose(find);
}

std::set<std::string> tree(const std::string& folder)
{
    std::set<std::string> out;
    collect(folder, "", out);
    return out;
}

class StowaTest : public testing::Test {
protected:
    TempFolder root;
    std::string program; // F
    Seams saved;

    void SetUp() override
    {
        saved = g_seams;
        program = root.path + "prog\\";
        CreateDirectoryA(program.c_str(), nullptr);
        g_module_path = program + "stowa.exe";
        g_module_fails = false;
        g_boxes.clear();
        g_file_operations = 0;
        g_seams.module_file_name = fake_module_file_name;
        g_seams.message_box = fake_message_box;
        g_seams.file_operation = counting_file_operation;
    }

    void TearDown() override
    {
        g_seams = saved;
        g_write_fault = nullptr;
        // Let the temporary folder go whole.
        for (const std::string& item : tree(root.path))
            SetFileAttributesA((root.path + item).c_str(), FILE_ATTRIBUTE_NORMAL);
    }

    void write(const std::string& relative, const std::string& bytes)
    {
        root.write("prog\\" + relative, bytes);
    }
    std::string read(const std::string& relative)
    {
        return root.read("prog\\" + relative);
    }
    bool exists(const std::string& relative)
    {
        return root.exists("prog\\" + relative);
    }
    void folder(const std::string& relative)
    {
        CreateDirectoryA((program + relative).c_str(), nullptr);
    }
    int pass()
    {
        return stowa_main("");
    }
    int restore()
    {
        return stowa_main("-r");
    }
    std::vector<std::string> list_of(const std::string& generation_folder)
    {
        ItemList list;
        list_file_read(read(generation_folder + "\\stowa.txt"), list);
        return list.items;
    }
};

TEST_F(StowaTest, WithoutAProgramFolderNothingHappens)
{
    // The current directory holds folders named like stowa's own: a pass
    // that took its paths relative to it would rotate or delete them.
    TempFolder current;
    CreateDirectoryA(current.file("stowa").c_str(), nullptr);
    for (const char* generation : {"stowa\\1", "stowa\\2", "stowa\\5", "rstr", "rstr\\1"})
        CreateDirectoryA(current.file(generation).c_str(), nullptr);
    current.write("stowa\\5\\keep.txt", "keep");
    current.write("stowa\\1\\stowa.txt", "keep.txt\n");
    current.write("keep.txt", "keep");
    std::set<std::string> before = tree(current.path);
    char previous[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, previous);
    SetCurrentDirectoryA(current.path.c_str());

    struct Case {
        const char* module_path; // nullptr: the module file name cannot be had
    } cases[] = {{nullptr}, {"stowa.exe"}, {SO "stowa.exe"}, {"tools\\stowa.exe"}};
    for (const Case& c : cases) {
        g_module_fails = c.module_path == nullptr;
        g_module_path = c.module_path ? c.module_path : "";
        for (const char* command_line : {"", "-r"}) {
            EXPECT_NE(stowa_main(command_line), 0) << g_module_path << " " << command_line;
        }
    }
    SetCurrentDirectoryA(previous);
    EXPECT_EQ(g_file_operations, 0);
    EXPECT_TRUE(g_boxes.empty());
    EXPECT_EQ(tree(current.path), before);
    EXPECT_EQ(current.read("stowa\\5\\keep.txt"), "keep");
}

TEST_F(StowaTest, WithoutABackupFolderThePassEnds)
{
    // A file where the backup folder belongs: no generation can be made.
    write("stowa", "not a folder");
    write("data.txt", "one");
    std::set<std::string> before = tree(program);
    EXPECT_EQ(pass(), 0);
    EXPECT_EQ(tree(program), before);
    EXPECT_EQ(read("stowa"), "not a folder");
    EXPECT_EQ(g_file_operations, 0);
}

TEST_F(StowaTest, OnlyTheExactArgumentRestoresAndShowsTheClosingMessage)
{
    write("data.txt", "one");
    struct Case {
        const char* command_line;
        bool restores;
    } cases[] = {{"", false},       {"-R", false},       {"-r ", false},      {"\"-r \"", false},
                 {"-r x", false},   {"-r", true},        {"\"-r\"", true},    {"\"-r\" x", true}};
    int passes = 0;
    for (const Case& c : cases) {
        g_boxes.clear();
        EXPECT_EQ(stowa_main(c.command_line), 0) << c.command_line;
        if (c.restores) {
            ASSERT_EQ(g_boxes.size(), 1u) << c.command_line;
            EXPECT_EQ(g_boxes[0].owner, nullptr);
            EXPECT_EQ(g_boxes[0].text, "復元が終了しました。");
            EXPECT_EQ(g_boxes[0].caption, "メッセージ");
            EXPECT_EQ(g_boxes[0].type, UINT(MB_OK));
            EXPECT_EQ(read("rstr\\1\\data.txt"), "one") << c.command_line;
        } else {
            ++passes;
            EXPECT_TRUE(g_boxes.empty()) << c.command_line;
        }
    }
    // Every backing-up run rotated once: five passes fill all five generations.
    EXPECT_EQ(passes, 5);
    EXPECT_TRUE(exists("stowa\\5"));
    EXPECT_EQ(list_of("stowa\\1"), std::vector<std::string>{"data.txt"});
}

TEST_F(StowaTest, ALockedSourceFileKeepsItsEarlierCopy)
{
    write("data.txt", "one");
    write("other.txt", "x");
    ASSERT_EQ(pass(), 0);

    // Changed and held open without sharing while the pass runs.
    write("data.txt", "two, longer");
    write("fresh.txt", "new");
    HANDLE locks[] = {
        CreateFileA((program + "data.txt").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr),
        CreateFileA((program + "fresh.txt").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr)};
    ASSERT_NE(locks[0], INVALID_HANDLE_VALUE);
    ASSERT_NE(locks[1], INVALID_HANDLE_VALUE);
    ASSERT_EQ(pass(), 0);
    for (HANDLE lock : locks)
        CloseHandle(lock);

    EXPECT_EQ(read("stowa\\1\\data.txt"), "one");
    EXPECT_FALSE(exists("stowa\\2\\data.txt"));
    EXPECT_FALSE(exists("stowa\\1\\fresh.txt"));
    // Their names still enter the list.
    std::vector<std::string> list = list_of("stowa\\1");
    EXPECT_EQ(std::set<std::string>(list.begin(), list.end()),
              (std::set<std::string>{"data.txt", "fresh.txt", "other.txt"}));

    // Once free, the next pass takes the change.
    ASSERT_EQ(pass(), 0);
    EXPECT_EQ(read("stowa\\1\\data.txt"), "two, longer");
    EXPECT_EQ(read("stowa\\2\\data.txt"), "one");
    EXPECT_EQ(read("stowa\\1\\fresh.txt"), "new");
}

TEST_F(StowaTest, TheListFileIsWrittenWholeOrNotAtAll)
{
    write("data.txt", "one");
    // A list write that fails, then one killed before its swap: generation 1
    // gets no part of a list, and nothing that a later cleanup would take
    // for a removed file.
    g_write_fault = [](int step) { return step == 1 ? WriteFault::fail : WriteFault::none; };
    ASSERT_EQ(pass(), 0);
    EXPECT_EQ(tree(program + "stowa\\"), (std::set<std::string>{"1\\", "1\\data.txt", "2\\"}));
    g_write_fault = [](int step) { return step == 3 ? WriteFault::die : WriteFault::none; };
    ASSERT_EQ(pass(), 0);
    EXPECT_EQ(tree(program + "stowa\\1\\"), (std::set<std::string>{"data.txt"}));

    g_write_fault = nullptr;
    ASSERT_EQ(pass(), 0);
    EXPECT_EQ(read("stowa\\1\\stowa.txt"), "data.txt\n");
    EXPECT_EQ(tree(program + "stowa\\"),
              (std::set<std::string>{"1\\", "1\\data.txt", "1\\stowa.txt", "2\\", "3\\", "4\\"}));

    // The temporary list is not written where a mirror copy may lie.
    write("stowa.txt.tmp", "mine");
    ASSERT_EQ(pass(), 0);
    EXPECT_EQ(read("stowa\\1\\stowa.txt.tmp"), "mine");
    std::vector<std::string> list = list_of("stowa\\1");
    EXPECT_EQ(std::set<std::string>(list.begin(), list.end()), (std::set<std::string>{"data.txt", "stowa.txt.tmp"}));
}

TEST_F(StowaTest, RestoreReadsListFilesWithOtherLineEndsNulBytesAndLongLines)
{
    write("data.txt", "one");
    folder("memo");
    write("memo\\a.txt", "a");
    write("keep.txt", "k");
    write("gone.txt", "g");
    ASSERT_EQ(pass(), 0);
    std::string list = "data.txt\r\nmemo\\a.txt\r\n\r\nmemo\\\r" + std::string(100000, 'x') + "\n" +
                       std::string("keep.txt\0junk\n", 14) + std::string("\0gone.txt\n", 10);
    root.write("prog\\stowa\\1\\stowa.txt", list);
    ASSERT_EQ(restore(), 0);
    EXPECT_EQ(tree(program + "rstr\\1\\"),
              (std::set<std::string>{"data.txt", "keep.txt", "memo\\", "memo\\a.txt"}));
    EXPECT_EQ(g_boxes.size(), 1u);
}

TEST_F(StowaTest, NamesWhoseSecondByteIsABackslash)
{
    folder(HYO);
    write(HYO "\\" SO ".txt", "so");
    write(NO ".txt", "no");
    ASSERT_EQ(pass(), 0);
    EXPECT_EQ(read("stowa\\1\\" HYO "\\" SO ".txt"), "so");
    EXPECT_EQ(read("stowa\\1\\" NO ".txt"), "no");
    std::vector<std::string> list = list_of("stowa\\1");
    EXPECT_EQ(std::set<std::string>(list.begin(), list.end()),
              (std::set<std::string>{HYO "\\" SO ".txt", HYO "\\", NO ".txt"}));

    DeleteFileA((program + HYO "\\" SO ".txt").c_str());
    write(NO ".txt", "no, changed");
    ASSERT_EQ(pass(), 0);
    EXPECT_EQ(read("stowa\\2\\" HYO "\\" SO ".txt"), "so");
    EXPECT_EQ(read("stowa\\2\\" NO ".txt"), "no");
    EXPECT_EQ(tree(program + "stowa\\1\\"), (std::set<std::string>{HYO "\\", NO ".txt", "stowa.txt"}));

    ASSERT_EQ(restore(), 0);
    EXPECT_EQ(tree(program + "rstr\\1\\"), (std::set<std::string>{HYO "\\", NO ".txt"}));
    EXPECT_EQ(tree(program + "rstr\\2\\"), (std::set<std::string>{HYO "\\", HYO "\\" SO ".txt", NO ".txt"}));
    EXPECT_EQ(read("rstr\\2\\" NO ".txt"), "no");
}

TEST_F(StowaTest, AMissingGenerationIsSkipped)
{
    write("data.txt", "1");
    for (int n = 2; n <= 4; ++n) {
        ASSERT_EQ(pass(), 0);
        write("data.txt", std::string(size_t(n), char('0' + n)));
    }
    ASSERT_EQ(pass(), 0); // generations 1 to 5 now exist
    for (const char* item : {"stowa\\3\\data.txt", "stowa\\3\\stowa.txt"})
        DeleteFileA((program + item).c_str());
    ASSERT_TRUE(RemoveDirectoryA((program + "stowa\\3").c_str()));

    ASSERT_EQ(pass(), 0);
    EXPECT_TRUE(exists("stowa\\1") && exists("stowa\\2") && exists("stowa\\3") && exists("stowa\\5"));
    EXPECT_FALSE(exists("stowa\\4")); // the gap moved up by one
    EXPECT_EQ(read("stowa\\1\\data.txt"), "4444");

    ASSERT_EQ(restore(), 0);
    EXPECT_EQ(read("rstr\\1\\data.txt"), "4444");
    EXPECT_EQ(read("rstr\\2\\data.txt"), "4444"); // nothing changed at the last pass
    EXPECT_EQ(read("rstr\\3\\data.txt"), "333");
    // Without its backup generation and list, restore generation 4 ends empty.
    EXPECT_TRUE(exists("rstr\\4"));
    EXPECT_TRUE(tree(program + "rstr\\4\\").empty());
}

TEST_F(StowaTest, ReadOnlyItemsInTheGenerations)
{
    write("data.txt", "one");
    ASSERT_EQ(pass(), 0);
    write("ro.txt", "read-only");
    SetFileAttributesA((program + "ro.txt").c_str(), FILE_ATTRIBUTE_READONLY);
    ASSERT_EQ(pass(), 0);
    EXPECT_EQ(read("stowa\\1\\ro.txt"), "read-only");

    // The restore removes the read-only file from the generation before it
    // came, and a second restore replaces a restore folder that holds it.
    for (int round = 0; round < 2; ++round) {
        ASSERT_EQ(restore(), 0);
        EXPECT_EQ(tree(program + "rstr\\1\\"), (std::set<std::string>{"data.txt", "ro.txt"}));
        EXPECT_EQ(tree(program + "rstr\\2\\"), (std::set<std::string>{"data.txt"}));
    }

    // A changed read-only file: its read-only earlier copy moves to
    // generation 2, and the restore lays it over the newer read-only copy.
    SetFileAttributesA((program + "ro.txt").c_str(), FILE_ATTRIBUTE_NORMAL);
    write("ro.txt", "read-only, changed");
    SetFileAttributesA((program + "ro.txt").c_str(), FILE_ATTRIBUTE_READONLY);
    ASSERT_EQ(pass(), 0);
    EXPECT_EQ(read("stowa\\1\\ro.txt"), "read-only, changed");
    EXPECT_EQ(read("stowa\\2\\ro.txt"), "read-only");
    ASSERT_EQ(restore(), 0);
    EXPECT_EQ(read("rstr\\1\\ro.txt"), "read-only, changed");
    EXPECT_EQ(read("rstr\\2\\ro.txt"), "read-only");
    EXPECT_EQ(tree(program + "rstr\\3\\"), (std::set<std::string>{"data.txt"}));

    // A removed read-only file moves to generation 2 and leaves with the
    // rotation.
    SetFileAttributesA((program + "ro.txt").c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA((program + "ro.txt").c_str());
    ASSERT_EQ(pass(), 0);
    EXPECT_EQ(read("stowa\\2\\ro.txt"), "read-only, changed");
    for (int n = 0; n < 4; ++n)
        ASSERT_EQ(pass(), 0);
    for (int n = 1; n <= 5; ++n)
        EXPECT_FALSE(exists("stowa\\" + std::to_string(n) + "\\ro.txt")) << n;
}

} // namespace
