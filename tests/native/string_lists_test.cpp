#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "app/settings.h"
#include "lists/string_lists.h"
#include "lists_fixture.h"

namespace {

struct Row {
    bool has_key;
    std::string key, line;
    bool operator==(const Row&) const = default;
    friend void PrintTo(const Row& r, std::ostream* os)
    {
        *os << (r.has_key ? "[" + r.key + "] " : "[-] ") << r.line;
    }
};

std::vector<Row> data_rows()
{
    std::vector<Row> rows;
    for (const DataEntry& e : g_lists.data)
        rows.push_back({e.has_key, e.key, e.line});
    return rows;
}

}  // namespace

TEST_F(ListsTest, DataLineTable)
{
    struct Case {
        const char* stored;
        Row expected;
    } cases[] = {
        {"C:\\doc\\plan.txt", {false, "", "C:\\doc\\plan.txt"}},
        {"C:\\doc\\plan.txt\tbudget", {true, "C:\\doc\\plan.txt", "C:\\doc\\plan.txt budget"}},
        {"\"C:\\my doc\\a.txt\"\tkw", {true, "C:\\my doc\\a.txt", "\"C:\\my doc\\a.txt\" kw"}},
        {"C:\\bare\t", {true, "C:\\bare", "C:\\bare"}},           // bare keyed entry
        {"\"\"\tq", {true, "", "\"\" q"}},                        // two quotes alone
        {"\"x\tq", {true, "\"x", "\"x q"}},                       // one quote is kept
        {"a\tb\tc", {true, "a", "a b\tc"}},                       // first tab only
    };
    for (const Case& c : cases) {
        lists_reset_all();
        data_list_add_line(c.stored);
        ASSERT_EQ(g_lists.data.size(), 1u) << c.stored;
        EXPECT_EQ(data_rows()[0], c.expected) << c.stored;
    }
}

TEST_F(ListsTest, EmptyLineAndCommandWordsAreNotAdded)
{
    command_add_line("go C:\\tools\\go.exe -x");
    data_list_add_line("");
    data_list_add_line("go");          // equal to a command word, list empty
    data_list_add_line("go\tkw");      // keyed: the key is tested
    data_list_add_line("gone");
    EXPECT_EQ(data_rows(), (std::vector<Row>{{false, "", "gone"}}));
    // The keyword of the skipped keyed line still joined the keyword list.
    EXPECT_EQ(g_lists.keywords, (std::vector<std::string>{"kw"}));
}

TEST_F(ListsTest, KeywordJoinsOnceAndRepeatedLinesStayInMemory)
{
    for (int i = 0; i < 3; ++i)
        data_list_add_line("C:\\doc\\plan.txt\tbudget");
    data_list_add_line("C:\\x\tother");
    EXPECT_EQ(g_lists.keywords, (std::vector<std::string>{"budget", "other"}));
    EXPECT_EQ(g_lists.data.size(), 4u);
}

TEST_F(ListsTest, KeyedAddConvertsTheFirstUnkeyedEntryInPlace)
{
    data_list_add_line("C:\\a");
    data_list_add_line("C:\\b");
    data_list_add_line("C:\\a");
    data_list_add(std::string_view("C:\\a"), "C:\\a kw");
    EXPECT_EQ(data_rows(), (std::vector<Row>{{true, "C:\\a", "C:\\a kw"}, {false, "", "C:\\b"}, {false, "", "C:\\a"}}));
    EXPECT_EQ(g_cursors.current_data_entry, -1);  // addmode off

    g_settings.addmode = 1;
    data_list_add(std::string_view("C:\\a"), "C:\\a kw2");  // the second unkeyed copy
    EXPECT_EQ(g_cursors.current_data_entry, 2);
    EXPECT_EQ(data_rows()[2], (Row{true, "C:\\a", "C:\\a kw2"}));
    data_list_add(std::string_view("C:\\a"), "C:\\a kw3");  // no unkeyed copy left: appended
    EXPECT_EQ(g_cursors.current_data_entry, 3);
    EXPECT_EQ(g_lists.data.size(), 4u);
}

TEST_F(ListsTest, KeywordAttachTable)
{
    const std::string long_keyword(5000, 'k');
    struct Case {
        std::vector<std::string> stored;
        std::string line, keyword;
        std::vector<Row> expected;
    } cases[] = {
        // A plain entry becomes keyed in place.
        {{"C:\\a.exe", "C:\\b"}, "C:\\a.exe", "tool",
         {{true, "C:\\a.exe", "C:\\a.exe tool"}, {false, "", "C:\\b"}}},
        // A keyed entry keeps its keyword; the second keyword is a new entry.
        {{"C:\\a.exe\ttool"}, "C:\\a.exe tool", "more",
         {{true, "C:\\a.exe", "C:\\a.exe tool"}, {true, "C:\\a.exe", "C:\\a.exe more"}}},
        // ... which converts a plain copy of the key instead, as any keyed add does.
        {{"C:\\a.exe\ttool", "C:\\a.exe"}, "C:\\a.exe tool", "more",
         {{true, "C:\\a.exe", "C:\\a.exe tool"}, {true, "C:\\a.exe", "C:\\a.exe more"}}},
        // A bare keyed entry is as long as its key: in place.
        {{"C:\\bare\t"}, "C:\\bare", "kw", {{true, "C:\\bare", "C:\\bare kw"}}},
        // A quoted line is longer than its key: appended under the key.
        {{"\"C:\\my doc\"\tkw"}, "\"C:\\my doc\" kw", "x",
         {{true, "C:\\my doc", "\"C:\\my doc\" kw"}, {true, "C:\\my doc", "C:\\my doc x"}}},
        // The first entry with the line is the one that changes.
        {{"C:\\a", "C:\\a"}, "C:\\a", "kw", {{true, "C:\\a", "C:\\a kw"}, {false, "", "C:\\a"}}},
        // Nothing for a line that no entry has, a prefix of a line, or no keyword.
        {{"C:\\a"}, "C:\\b", "kw", {{false, "", "C:\\a"}}},
        {{"C:\\ab"}, "C:\\a", "kw", {{false, "", "C:\\ab"}}},
        {{"C:\\a"}, "C:\\a", "", {{false, "", "C:\\a"}}},
        {{"C:\\a"}, "C:\\a", long_keyword, {{true, "C:\\a", "C:\\a " + long_keyword}}},
    };
    for (const Case& c : cases) {
        lists_reset_all();
        for (const std::string& line : c.stored)
            data_list_add_line(line);
        data_list_attach_keyword(c.line, c.keyword);
        EXPECT_EQ(data_rows(), c.expected) << c.line << " + " << c.keyword.substr(0, 10);
        // The keyword joins the keyword list only when the saved line is loaded again.
        EXPECT_EQ(std::count(g_lists.keywords.begin(), g_lists.keywords.end(), c.keyword), 0) << c.line;
    }
}

TEST_F(ListsTest, AnEntryKeyedInPlaceIsNoLongerFoundAsPlain)
{
    data_list_add_line("C:\\a");
    data_list_attach_keyword("C:\\a", "kw");
    data_list_add(std::string_view("C:\\a"), "C:\\a other");  // must append, not convert the keyed entry
    EXPECT_EQ(data_rows(), (std::vector<Row>{{true, "C:\\a", "C:\\a kw"}, {true, "C:\\a", "C:\\a other"}}));
    // The entry's own line may be passed in.
    data_list_attach_keyword(g_lists.data[1].line, "x");
    EXPECT_EQ(g_lists.data.size(), 3u);
    EXPECT_EQ(data_rows()[2], (Row{true, "C:\\a", "C:\\a x"}));
}

TEST_F(ListsTest, RemoveRevertsTheOnlyKeyedEntryThenRemovesIt)
{
    data_list_add_line("C:\\p\tkw");
    data_list_add_line("C:\\q");
    EXPECT_EQ(data_list_remove("C:\\p kw"), DataRemoveResult::reverted);
    EXPECT_EQ(data_rows(), (std::vector<Row>{{false, "", "C:\\p"}, {false, "", "C:\\q"}}));
    EXPECT_EQ(data_list_remove("C:\\p"), DataRemoveResult::removed);
    EXPECT_EQ(data_rows(), (std::vector<Row>{{false, "", "C:\\q"}}));
    EXPECT_EQ(data_list_remove("nothing"), DataRemoveResult::removed);
    EXPECT_EQ(g_lists.data.size(), 1u);
}

TEST_F(ListsTest, RemoveOfASharedKeyOrOfUnkeyedCopiesRemovesEveryEqualLine)
{
    data_list_add_line("x");
    data_list_add_line("C:\\p\ta");
    data_list_add_line("x");
    data_list_add_line("C:\\p\tb");
    data_list_add_line("x");
    g_cursors.current_data_entry = 4;
    EXPECT_EQ(data_list_remove("x"), DataRemoveResult::removed);
    EXPECT_EQ(g_lists.data.size(), 2u);  // three copies gone at once
    EXPECT_EQ(g_cursors.current_data_entry, 4);  // not adjusted
    // Key C:\p is held by two entries: the line goes, no revert.
    EXPECT_EQ(data_list_remove("C:\\p a"), DataRemoveResult::removed);
    EXPECT_EQ(data_rows(), (std::vector<Row>{{true, "C:\\p", "C:\\p b"}}));
    // The removal compares against a copy, so a text the list owns is safe.
    EXPECT_EQ(data_list_remove(g_lists.data[0].line), DataRemoveResult::reverted);
}

TEST_F(ListsTest, AddAfterRemoveStillFindsTheUnkeyedEntry)
{
    data_list_add_line("a");
    data_list_add_line("b");
    data_list_add_line("c");
    data_list_remove("a");
    data_list_add(std::string_view("c"), "c kw");
    EXPECT_EQ(data_rows(), (std::vector<Row>{{false, "", "b"}, {true, "c", "c kw"}}));
}

TEST_F(ListsTest, EntryTarget)
{
    data_list_add_line("C:\\doc\\plan.txt\tbudget");
    data_list_add_line("C:\\x.txt");
    EXPECT_EQ(entry_target("C:\\doc\\plan.txt budget"), "C:\\doc\\plan.txt");
    EXPECT_EQ(entry_target("C:\\x.txt"), "C:\\x.txt");
    EXPECT_EQ(entry_target("unknown"), "unknown");
    std::string target = "old";
    EXPECT_FALSE(entry_target(std::string(), target));
    EXPECT_EQ(target, "");
}

namespace {
std::set<std::string> existing;
bool exists_in_set(const std::string& target)
{
    return existing.contains(target);
}
}  // namespace

TEST_F(ListsTest, RebuildDropsMissingTargetsAndSortsByUnsignedBytes)
{
    // 0xB1 is a half-width katakana, sorting after every ASCII byte.
    existing = {"b", "B", "\xB1", "ab", "a", "C:\\kept"};
    for (const char* line : {"\xB1", "b", "gone", "ab", "B", "a", "C:\\kept\tkw", "C:\\lost\tkw", "a"})
        data_list_add_line(line);
    data_list_add_line("C:\\kept");  // converts nothing (keyed already): appended, exists
    data_list_rebuild(exists_in_set);
    std::vector<std::string> lines;
    for (const DataEntry& e : g_lists.data)
        lines.push_back(e.line);
    EXPECT_EQ(lines, (std::vector<std::string>{"B", "C:\\kept", "C:\\kept kw", "a", "a", "ab", "b", "\xB1"}));
}

TEST_F(ListsTest, RebuildRevertsAMissingKeyedEntryAndRemovesItWhenThePathIsMissingToo)
{
    existing = {"C:\\p"};
    data_list_add_line("C:\\q\tkw");   // missing: reverted to C:\q, tested again, removed
    data_list_add_line("C:\\p\tkw");   // exists
    data_list_rebuild(exists_in_set);
    EXPECT_EQ(data_rows(), (std::vector<Row>{{true, "C:\\p", "C:\\p kw"}}));
}

TEST_F(ListsTest, RebuildKeepsTheExchangeSortOrderOfEqualLinesWithDifferentKeys)
{
    // Line "a b" is held by an unkeyed entry and by the keyed entry (a, b).
    existing = {"a b", "a", "0", "z"};
    data_list_add_line("z");
    data_list_add_line("a b");
    data_list_add_line("a\tb");
    data_list_add_line("0");
    data_list_rebuild(exists_in_set);
    // The exchange sort by hand, u = unkeyed "a b", k = keyed "a b":
    // [z u k 0] -> pass 0: [u z k 0] then [0 z k u]; pass 1: [0 k z u];
    // pass 2: [0 k u z]. A stable sort would put u before k.
    EXPECT_EQ(data_rows(),
              (std::vector<Row>{{false, "", "0"}, {true, "a", "a b"}, {false, "", "a b"}, {false, "", "z"}}));
}

TEST_F(ListsTest, RecentRecordTable)
{
    recent_record("C:\\work\\*", "rep");
    recent_record("C:\\other\\*", "x");
    EXPECT_EQ(g_cursors.last_recent_index, 1);
    recent_record("C:\\work\\*", "rep");  // moves to the end, cursor unchanged
    ASSERT_EQ(g_lists.recent.size(), 2u);
    EXPECT_EQ(g_lists.recent[1].first, "C:\\work");
    EXPECT_EQ(g_lists.recent[1].second, "rep");
    EXPECT_EQ(g_cursors.last_recent_index, 1);
    recent_record("C:\\work\\", "other");  // another text: a second pair
    EXPECT_EQ(g_lists.recent.size(), 3u);
    EXPECT_EQ(g_cursors.last_recent_index, 2);

    recent_record("C:\\t", "dir\\");  // a text ending in a backslash never matches its copy
    recent_record("C:\\t", "dir\\");
    EXPECT_EQ(g_lists.recent.size(), 5u);
    EXPECT_EQ(g_lists.recent[4].second, "dir\\");

    recent_record("", "x");             // no folder
    recent_record("C:\\a*\\*", "x");    // ends in a star after the strip
    EXPECT_EQ(g_lists.recent.size(), 5u);
    recent_record("\"C:\\q\"", "t");     // quotes removed
    EXPECT_EQ(g_lists.recent.back().first, "C:\\q");
    // A double-byte character whose second byte is a backslash is not cut.
    recent_record("C:\\\x83\x5C", "");
    EXPECT_EQ(g_lists.recent.back().first, "C:\\\x83\x5C");
}

TEST_F(ListsTest, RecentAddLineSplitsAtAFirstTabAfterTheFirstByte)
{
    recent_add_line("C:\\a\ttext\twith tab");
    recent_add_line("C:\\b");
    recent_add_line("\tC:\\c");
    ASSERT_EQ(g_lists.recent.size(), 3u);
    EXPECT_EQ(g_lists.recent[0].second, "text\twith tab");
    EXPECT_EQ(g_lists.recent[1].second, "");
    EXPECT_EQ(g_lists.recent[2].first, "\tC:\\c");
}

TEST_F(ListsTest, CommandAndShortcutLists)
{
    for (const char* line : {"ed notepad.exe a b", "ed other", "nospace", " lead", "x "})
        command_add_line(line);
    ASSERT_EQ(g_lists.commands.size(), 3u);
    EXPECT_EQ(g_lists.commands[0].second, "notepad.exe a b");
    EXPECT_EQ(g_lists.commands[1].first, "");
    EXPECT_EQ(g_lists.commands[1].second, "lead");
    EXPECT_EQ(g_lists.commands[2].second, "");

    shortcut_add_line("ab C:\\first");
    shortcut_add_line("ab C:\\second");
    EXPECT_EQ(shortcut_lookup("ab"), "C:\\first");
    EXPECT_EQ(shortcut_lookup("zz"), "zz");
    EXPECT_TRUE(shortcut_contains("ab"));
    EXPECT_FALSE(shortcut_contains("a"));
}

TEST_F(ListsTest, StampsBookmarksAndClearForReload)
{
    stamp_add("s");
    stamp_add("t");
    stamp_add("s");
    stamp_remove("s");
    EXPECT_EQ(g_lists.stamps, (std::vector<std::string>{"t"}));

    g_cursors.last_bookmark_index = 3;
    bookmark_add("");
    EXPECT_EQ(g_cursors.last_bookmark_index, 3);
    bookmark_add("C:\\b");
    bookmark_add("C:\\b");
    EXPECT_EQ(g_cursors.last_bookmark_index, -1);
    bookmark_add("C:\\c");
    bookmark_remove("C:\\b");
    EXPECT_EQ(g_lists.bookmarks, (std::vector<std::string>{"C:\\c"}));

    data_list_add_line("d\tkw");
    command_add("w", "v");
    shortcut_add("s", "t");
    bookmark_extra_add("e");
    recent_record("C:\\r", "");
    lists_clear_for_reload();
    EXPECT_TRUE(g_lists.data.empty() && g_lists.commands.empty() && g_lists.shortcuts.empty() &&
                g_lists.bookmarks.empty() && g_lists.bookmark_extras.empty());
    EXPECT_EQ(g_lists.keywords.size(), 1u);
    EXPECT_EQ(g_lists.recent.size(), 1u);
    EXPECT_EQ(g_lists.stamps.size(), 1u);
    // The indexes went with the lists: the word may come back.
    command_add("w", "again");
    EXPECT_EQ(g_lists.commands.size(), 1u);
}

TEST_F(ListsTest, TextsHaveNoLengthLimit)
{
    std::string long_path = "C:\\" + std::string(100000, 'x');
    data_list_add_line(long_path + "\tkw");
    recent_record(long_path + "\\*", std::string(2000, 't'));
    EXPECT_EQ(g_lists.data[0].key, long_path);
    EXPECT_EQ(g_lists.recent[0].first, long_path);
    EXPECT_EQ(g_lists.recent[0].second.size(), 2000u);
}
