#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/clipboard_match.h"
#include "app/launch_log.h"
#include "folder/file_ops.h"

TEST(LaunchLog, LineAndPath)
{
    EXPECT_EQ(launch_log_path("C:\\prog\\", "20261211"), "C:\\prog\\Nimbrellog\\20261211.log");
    EXPECT_EQ(launch_log_line("C:\\a.txt", ""), "C:\\a.txt\n");
    EXPECT_EQ(launch_log_line("explorer", "C:\\dir"), "explorer C:\\dir\n");
    // Far past the old 510 bytes, ending in double-byte characters: kept whole.
    std::string target = "C:\\" + std::string(600, 'x');
    std::string parameters;
    for (int i = 0; i < 300; ++i)
        parameters += "\x83\x41";  // ア
    EXPECT_EQ(launch_log_line(target, parameters), target + " " + parameters + "\n");
}

TEST(ClipboardMatch, SingleHitOnly)
{
    std::vector<DataEntry> data = {
        {false, "", "C:\\work\\report.txt"},
        {true, "C:\\work\\plan.xls", "C:\\work\\plan.xls\tmoney"},
        {false, "", "C:\\work\\reply.txt"},
    };
    std::string target;
    EXPECT_TRUE(single_data_hit("report", true, data, target));
    EXPECT_EQ(target, "C:\\work\\report.txt");
    EXPECT_TRUE(single_data_hit("money", true, data, target));  // a keyword finds the keyed entry
    EXPECT_EQ(target, "C:\\work\\plan.xls");
    target = "unchanged";
    EXPECT_FALSE(single_data_hit("rep", true, data, target));   // two hits
    EXPECT_FALSE(single_data_hit("nothing", true, data, target));
    EXPECT_FALSE(single_data_hit("", true, data, target));       // the empty pattern passes all
    EXPECT_EQ(target, "unchanged");

    std::vector<Entry> entries = {
        {"reply.txt", "C:\\work\\reply.txt", ""},
        {"subtext", "C:\\work\\subtext\\*", ""},
    };
    EXPECT_TRUE(single_entry_hit("ply", true, entries, target));
    EXPECT_EQ(target, "C:\\work\\reply.txt");
    EXPECT_TRUE(single_entry_hit("su", false, entries, target));  // prefix match
    EXPECT_EQ(target, "C:\\work\\subtext\\*");
    EXPECT_FALSE(single_entry_hit("ub", false, entries, target));
    EXPECT_FALSE(single_entry_hit("t", true, entries, target));
}

TEST(FileOps, NewFolderAndRenamePaths)
{
    EXPECT_EQ(new_folder_path("C:\\dir\\*", "new"), "C:\\dir\\new");
    EXPECT_EQ(new_folder_path("C:", "new"), "new");
    EXPECT_EQ(new_folder_path("", "new"), "new");

    struct Case {
        const char* old_path;
        const char* name;
        bool ok;
        const char* destination;
    } cases[] = {
        {"C:\\dir\\old.txt", "new.txt", true, "C:\\dir\\new.txt"},
        {"C:\\dir\\sub", "other", true, "C:\\dir\\other"},
        {"C:\\dir\\\x83\x5C.txt", "b", true, "C:\\dir\\b"},  // ソ's second byte is no separator
        {"abc", "d", true, "ad"},                               // no backslash: the first byte stays
        {"C:", "x", false, ""},
        {"", "x", false, ""},
    };
    for (const Case& c : cases) {
        std::string destination;
        EXPECT_EQ(rename_destination(c.old_path, c.name, destination), c.ok) << c.old_path;
        if (c.ok) {
            EXPECT_EQ(destination, c.destination) << c.old_path;
        }
    }

    g_pending.operation = PENDING_COPY;
    g_pending.paths = std::string("C:\\a\0\0", 6);
    pending_drop();
    EXPECT_EQ(g_pending.operation, PENDING_NONE);
    EXPECT_TRUE(g_pending.paths.empty());
}
