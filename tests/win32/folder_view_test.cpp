// The folder scan, the folder view refresh, sizes, the tree search, the list
// box presentation and navigation, on real temporary folders.
#include "fixture.h"

#include <commctrl.h>

#include <vector>

#include "app/settings.h"
#include "folder/entry_table.h"
#include "folder/folder_ops.h"
#include "folder/folder_state.h"
#include "lists/list_box_ops.h"
#include "lists/list_ops.h"
#include "lists/list_state.h"
#include "lists/string_lists.h"

namespace {

std::string cell(int row, int column)
{
    char text[1024] = "";
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    SendMessageA(g_app.folder_view, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
    return text;
}

std::vector<std::string> view_column(int column)
{
    std::vector<std::string> rows;
    int n = int(SendMessageA(g_app.folder_view, LVM_GETITEMCOUNT, 0, 0));
    for (int r = 0; r < n; ++r)
        rows.push_back(cell(r, column));
    return rows;
}

int image_count()
{
    HIMAGELIST images = reinterpret_cast<HIMAGELIST>(SendMessageA(g_app.folder_view, LVM_GETIMAGELIST, LVSIL_SMALL, 0));
    return images ? ImageList_GetImageCount(images) : -1;
}

void make_folder(const std::string& path)
{
    CreateDirectoryA(path.c_str(), nullptr);
}

void make_file(const std::string& path, size_t bytes = 0)
{
    HANDLE f = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    std::string data(bytes, 'x');
    DWORD written = 0;
    if (bytes)
        WriteFile(f, data.data(), DWORD(bytes), &written, nullptr);
    CloseHandle(f);
}

void set_write_time(const std::string& path, int days_ago)
{
    HANDLE f = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    ULARGE_INTEGER t{{now.dwLowDateTime, now.dwHighDateTime}};
    t.QuadPart -= ULONGLONG(days_ago) * 24ull * 3600ull * 10000000ull;
    FILETIME then{t.LowPart, t.HighPart};
    SetFileTime(f, nullptr, nullptr, &then);
    CloseHandle(f);
}

void type_into_text_box(const std::string& text)
{
    SetWindowTextA(g_app.text_box, text.c_str());
}

// Scripted answers for the continue question.
std::vector<int> g_answers;
int g_questions = 0;
int answer_question(HWND, const char* text, const char* caption, UINT type)
{
    EXPECT_STREQ(text, "まだ時間が掛かりますが、続けますか？");
    EXPECT_STREQ(caption, "確認");
    EXPECT_EQ(type, UINT(MB_YESNO | MB_ICONQUESTION));
    int answer = size_t(g_questions) < g_answers.size() ? g_answers[size_t(g_questions)] : IDNO;
    ++g_questions;
    return answer;
}

class FolderViewTest : public MainWindowTest {
protected:
    TempFolder dir;
    std::string base;  // dir.path without its trailing backslash

    void SetUp() override
    {
        MainWindowTest::SetUp();
        base = dir.path.substr(0, dir.path.size() - 1);
        g_answers.clear();
        g_questions = 0;
    }
};

}  // namespace

TEST_F(FolderViewTest, ScanRecordsThePatternAndListsFoldersFirstInDescendingOrder)
{
    create_window();
    make_folder(dir.file("x"));
    make_folder(dir.file("y"));
    make_file(dir.file("a.txt"));
    make_file(dir.file("b.txt"));
    for (const std::string& given : {base, base + "\\", base + "\\*"}) {
        SCOPED_TRACE(given);
        g_folder.current_folder.clear();
        type_into_text_box("leftover");
        EXPECT_EQ(folder_scan(given), 4);
        EXPECT_EQ(g_folder.current_folder, base + "\\*");
        EXPECT_EQ(text_of(window), dir.path);
        EXPECT_EQ(text_of(g_app.display_box), dir.path);
        EXPECT_EQ(text_of(g_app.text_box), "");
        folder_view_refresh();
        EXPECT_EQ(view_column(0), (std::vector<std::string>{"1.y", "2.x", "3.b.txt", "4.a.txt"}));
        EXPECT_EQ(view_column(2), (std::vector<std::string>{"", "", "", ""}));  // nothing typed: no sizes
    }
    EXPECT_EQ(g_entries.entries[0].path, dir.path + "y\\*");
    EXPECT_EQ(g_entries.entries[2].path, dir.path + "b.txt");
}

TEST_F(FolderViewTest, NumbersTheFirstTenRowsAndFiltersByTheNameMatch)
{
    create_window();
    for (char c = 'a'; c <= 'l'; ++c)
        make_file(dir.file(std::string(1, c) + "Ab.txt"));
    make_file(dir.file("zz.doc"));
    folder_scan(base);
    folder_view_refresh();
    std::vector<std::string> rows = view_column(0);
    ASSERT_EQ(rows.size(), 13u);
    EXPECT_EQ(rows[0], "1.zz.doc");
    EXPECT_EQ(rows[8], "9.eAb.txt");
    EXPECT_EQ(rows[9], "0.dAb.txt");
    EXPECT_EQ(rows[10], "cAb.txt");
    EXPECT_EQ(rows[12], "aAb.txt");
    EXPECT_EQ(g_entries.row_map.size(), 13u);

    struct Case {
        int search;
        const char* typed;
        std::vector<std::string> rows;
    } cases[] = {
        {1, "AB ^k ^l ^j ^i ^h ^g ^f ^e ^d", {"1.cAb.txt", "2.bAb.txt", "3.aAb.txt"}},
        {1, "z", {"1.zz.doc"}},
        {1, "^", {}},
        {0, "BA", {"1.bAb.txt"}},
        {0, "AA", {"1.aAb.txt"}},
        {0, "ab", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        g_settings.search = c.search;
        type_into_text_box(c.typed);
        folder_view_refresh();
        EXPECT_EQ(view_column(0), c.rows);
        EXPECT_EQ(g_folder.typed_text, c.typed);
    }
    // The row map leads from each row to its entry.
    g_settings.search = 1;
    type_into_text_box("doc");
    folder_view_refresh();
    ASSERT_EQ(g_entries.row_map.size(), 1u);
    EXPECT_EQ(g_entries.entries[size_t(g_entries.row_map[0])].name, "zz.doc");
}

TEST_F(FolderViewTest, IconsAndDetailsFollowTheNumberOfMatches)
{
    create_window();
    for (int i = 0; i < 25; ++i)
        make_file(dir.file("m" + std::to_string(100 + i) + ".txt"), 500);
    make_folder(dir.file("m-folder"));
    folder_scan(base);
    struct Case {
        const char* typed;
        int rows;
        bool details;
    } cases[] = {
        {"m", 26, false},     // 26 matches: stock icons, no details
        {"m1", 25, false},    // 25
        {"m10", 10, true},    // 10: shell icons, sizes and dates
        {"m11 ^m119", 9, true},
        {"", 26, false},      // nothing typed never fetches details
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        type_into_text_box(c.typed);
        folder_view_refresh();
        EXPECT_EQ(int(view_column(0).size()), c.rows);
        EXPECT_EQ(image_count(), c.rows);
        std::vector<std::string> sizes = view_column(2), dates = view_column(1);
        for (int r = 0; r < c.rows; ++r) {
            bool is_folder = g_entries.entries[size_t(g_entries.row_map[size_t(r)])].path.back() == '*';
            EXPECT_EQ(sizes[size_t(r)], c.details && !is_folder ? "   500Byte" : "") << r;
            EXPECT_EQ(dates[size_t(r)].size(), c.details ? 19u : 0u) << r;
        }
    }
    // The line between small and large listings: 19 matches get details, 20 do not.
    for (int i = 0; i < 25; ++i)
        if (i >= 19)
            DeleteFileA(dir.file("m" + std::to_string(100 + i) + ".txt").c_str());
    make_file(dir.file("m-extra.txt"), 500);
    folder_scan(base);
    type_into_text_box("m1");
    folder_view_refresh();
    EXPECT_EQ(view_column(2)[0], "   500Byte");  // 19 matches
    type_into_text_box("m");
    folder_view_refresh();
    EXPECT_EQ(view_column(0).size(), 21u);
    type_into_text_box("m ^folder");
    folder_view_refresh();
    ASSERT_EQ(view_column(0).size(), 20u);  // 20 matches: large listing
    EXPECT_EQ(view_column(2)[0], "");
}

TEST_F(FolderViewTest, LargeListingsHaveIconsOnTheFirstHundredRowsOnly)
{
    create_window();
    for (int i = 0; i < 150; ++i)
        make_file(dir.file("f" + std::to_string(i)));
    folder_scan(base);
    folder_view_refresh();
    EXPECT_EQ(view_column(0).size(), 150u);
    EXPECT_EQ(image_count(), 100);
}

TEST_F(FolderViewTest, ColumnWidthsAreWhatAutoSizingEveryRowGives)
{
    create_window();
    for (int i = 0; i < 30; ++i)
        make_file(dir.file("file with a longer name " + std::to_string(i) + ".txt"));
    // Japanese names of other widths: full-width letters, half-width kana.
    for (const char* name : {"報告書の下書き.txt", "ＷＷＷＷＷＷＷＷＷＷ.txt", "ｶﾀｶﾅﾉﾅﾏｴ.txt", "iiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiii.txt"})
        make_file(dir.file(name));
    folder_scan(base);
    // Large listings without and with dates, small ones with details, none.
    const std::string texts[] = {"", "file", "name 2", "txt", "ＷＷ", "i", "nothing matches"};
    for (int filter : {-1, 3650}) {
        g_settings.filterdate = filter;
        folder_scan(base);
        for (const std::string& t : texts) {
            SetWindowTextA(g_app.text_box, t.c_str());
            folder_view_refresh();
            for (int c = 0; c < 3; ++c) {
                int shown = int(SendMessageA(g_app.folder_view, LVM_GETCOLUMNWIDTH, c, 0));
                SendMessageA(g_app.folder_view, LVM_SETCOLUMNWIDTH, c, LVSCW_AUTOSIZE);
                EXPECT_EQ(shown, int(SendMessageA(g_app.folder_view, LVM_GETCOLUMNWIDTH, c, 0)))
                    << "text \"" << t << "\" filter " << filter << " column " << c;
            }
        }
    }
}

TEST_F(FolderViewTest, SizesAreSixtyFourBitAndFolderTotalsShowOnlyInTheFolderSizeMode)
{
    create_window();
    make_file(dir.file("k1024.bin"), 1024);
    make_file(dir.file("m1mb.bin"), 1048576);
    // A sparse 3 GiB file: above the 32-bit range, it must not wrap.
    HANDLE big = CreateFileA(dir.file("big.bin").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    LARGE_INTEGER at;
    at.QuadPart = 3LL << 30;
    SetFilePointerEx(big, at, nullptr, FILE_BEGIN);
    SetEndOfFile(big);
    CloseHandle(big);
    make_folder(dir.file("b20"));
    for (int i = 0; i < 20; ++i)
        make_file(dir.file("b20\\f" + std::to_string(i)), 10);
    make_folder(dir.file("b21"));
    make_folder(dir.file("b21\\deep"));
    for (int i = 0; i < 21; ++i)
        make_file(dir.file("b21\\deep\\f" + std::to_string(i)), 10);
    make_folder(dir.file("bempty"));
    folder_scan(base);

    type_into_text_box("b");
    folder_view_refresh();
    std::vector<std::string> names = view_column(0), sizes = view_column(2);
    ASSERT_EQ(names, (std::vector<std::string>{"1.bempty", "2.b21", "3.b20", "4.m1mb.bin", "5.k1024.bin", "6.big.bin"}));
    EXPECT_EQ(sizes, (std::vector<std::string>{"", "", "", " 1024KByte", "  1024Byte", "3145728KByte"}));

    g_listbox.list_state = LIST_FOLDER_SIZES;
    folder_view_refresh();
    EXPECT_EQ(view_column(2), (std::vector<std::string>{"     0Byte", " 9999KByte", "   200Byte", " 1024KByte",
                                                        "  1024Byte", "3145728KByte"}));
    int limit = -20;
    EXPECT_EQ(folder_total(dir.path + "nowhere\\*", limit), 0);
    EXPECT_EQ(limit, -20);
}

TEST_F(FolderViewTest, DateFilterAtTheDayBoundaryInBothDirections)
{
    create_window();
    make_file(dir.file("today.txt"));
    make_file(dir.file("old.txt"));
    set_write_time(dir.file("old.txt"), 3);
    folder_scan(base);  // date filter off: no date texts, everything passes later
    g_settings.filterdate = 0;
    folder_view_refresh();
    EXPECT_EQ(view_column(0).size(), 2u);

    folder_scan(base);
    folder_view_refresh();
    EXPECT_EQ(view_column(0), (std::vector<std::string>{"1.today.txt"}));
    EXPECT_EQ(view_column(1)[0].size(), 19u);  // the date text fills column 1
    g_settings.filter_reversed = true;
    folder_view_refresh();
    EXPECT_EQ(view_column(0), (std::vector<std::string>{"1.old.txt"}));
    g_settings.filter_reversed = false;
    g_settings.filterdate = 3;  // three days back: the old file's day counts
    folder_view_refresh();
    EXPECT_EQ(view_column(0).size(), 2u);
    g_settings.filterdate = 2;
    folder_view_refresh();
    EXPECT_EQ(view_column(0).size(), 1u);
}

TEST_F(FolderViewTest, InvalidFoldersLeaveTheTableEmptyAndChangeNothing)
{
    create_window();
    make_folder(dir.file("empty"));
    make_file(dir.file("file.txt"));
    folder_scan(base);
    const std::string recorded = g_folder.current_folder;
    for (const std::string& bad : {dir.path + "missing", dir.path + "file.txt", std::string(), std::string("Q:\\")}) {
        SCOPED_TRACE(bad);
        SetWindowTextA(window, "caption");
        EXPECT_EQ(folder_scan(bad), 0);
        EXPECT_TRUE(g_entries.entries.empty());
        EXPECT_EQ(g_folder.current_folder, recorded);
        EXPECT_EQ(text_of(window), "caption");
        EXPECT_EQ(text_of(g_app.display_box), dir.path);
    }
    // An empty folder is valid ("." and ".."): recorded, with no rows.
    EXPECT_EQ(folder_scan(dir.path + "empty"), 0);
    EXPECT_EQ(g_folder.current_folder, dir.path + "empty\\*");
    folder_view_refresh();
    EXPECT_TRUE(view_column(0).empty());
}

TEST_F(FolderViewTest, NameFiltersOfTheScan)
{
    create_window();
    make_folder(dir.file("keepdir"));
    make_folder(dir.file("other"));
    make_file(dir.file("keep.txt"));
    make_file(dir.file("drop.txt"));
    g_settings.filter_dir = "keep";
    g_settings.filter_file = "^drop";
    folder_scan(base);
    folder_view_refresh();
    EXPECT_EQ(view_column(0), (std::vector<std::string>{"1.keepdir", "2.keep.txt"}));
}

TEST_F(FolderViewTest, ContinueQuestionEveryThreeThousandEntries)
{
    create_window();
    g_seams.message_box = answer_question;
    make_folder(dir.file("a"));
    make_folder(dir.file("b"));
    for (int i = 0; i < 1600; ++i) {
        make_file(dir.file("a\\" + std::to_string(i)));
        make_file(dir.file("b\\" + std::to_string(i)));
    }
    // One folder: 1600 entries, no question.
    EXPECT_EQ(folder_scan(dir.path + "a"), 1600);
    EXPECT_EQ(g_questions, 0);
    // The whole tree (3202 entries): one question past 3000; Yes goes on.
    g_answers = {IDYES};
    EXPECT_EQ(folder_scan(base, true), 3202);
    EXPECT_EQ(g_questions, 1);
    // No stops the whole search after the entry at hand: 3001 + 1 entries, sorted.
    g_questions = 0;
    g_answers = {IDNO};
    EXPECT_EQ(folder_scan(base, true), 3002);
    EXPECT_EQ(g_questions, 1);
    EXPECT_EQ(g_entries.entries[0].name, "b");
    EXPECT_EQ(g_entries.entries[1].name, "a");
}

TEST_F(FolderViewTest, SubFolderSearchListsTheTreeAndPutsTheTypedTextBack)
{
    create_window();
    make_folder(dir.file("a"));
    make_folder(dir.file("a\\x"));
    make_folder(dir.file("skip"));
    make_file(dir.file("a\\z.txt"));
    make_file(dir.file("a\\x\\g.txt"));
    make_file(dir.file("a\\f.txt"));
    make_file(dir.file("skip\\abc.txt"));
    make_file(dir.file("a\\x\\abc1.txt"));
    make_file(dir.file("a\\abc2.txt"));
    folder_scan(base);
    g_settings.filter_dir = "^skip";
    type_into_text_box("abc");
    copy_text_box_text();
    sub_folder_search();
    EXPECT_EQ(text_of(g_app.text_box), "abc");
    EXPECT_EQ(text_of(g_app.display_box), dir.path);
    EXPECT_EQ(text_of(window), dir.path + "a\\x\\");  // the caption ends on the last folder scanned
    EXPECT_EQ(g_folder.current_folder, base + "\\*");
    EXPECT_EQ(view_column(0), (std::vector<std::string>{"1.abc1.txt", "2.abc2.txt"}));
    std::vector<std::string> paths;
    for (const Entry& e : g_entries.entries)
        paths.push_back(e.path.substr(dir.path.size()));
    EXPECT_EQ(paths, (std::vector<std::string>{"a\\x\\*", "a\\*", "a\\z.txt", "a\\x\\g.txt", "a\\x\\abc1.txt",
                                               "a\\f.txt", "a\\abc2.txt"}));
}

TEST_F(FolderViewTest, ListBoxPlainViewNumbersTenAndHonoursListcount)
{
    create_window();
    std::vector<std::string> texts;
    for (int i = 0; i < 11; ++i)
        texts.push_back("C:\\work\\e" + std::to_string(i) + ".txt");
    texts.push_back("D:\\x");
    std::vector<std::string_view> entries(texts.begin(), texts.end());
    g_folder.current_folder = "C:\\work\\*";
    g_settings.search = 0;
    EXPECT_EQ(list_box_fill(0, entries), 11);
    std::vector<std::string> rows = list_rows(g_app.list_box);
    ASSERT_EQ(rows.size(), 11u);
    EXPECT_EQ(rows[0], "1.C:\\work\\e0.txt");
    EXPECT_EQ(rows[9], "0.C:\\work\\e9.txt");
    EXPECT_EQ(rows[10], "C:\\work\\e10.txt");

    // With listcount 5 the ten numbered rows fill the list box and the fill
    // stops there, at the next free position.
    g_settings.listcount = 5;
    EXPECT_EQ(list_box_fill(0, entries), 10);
    EXPECT_EQ(list_rows(g_app.list_box).size(), 10u);

    // Reading entries back: digit 0 is the tenth, 5 past the end is nothing,
    // a numbered row loses its prefix.
    std::string text;
    ASSERT_TRUE(selected_entry_text(g_app.list_box, '0', text));
    EXPECT_EQ(text, "C:\\work\\e9.txt");
    ASSERT_TRUE(selected_entry_text(g_app.list_box, '4', text));
    EXPECT_EQ(text, "C:\\work\\e3.txt");
    g_settings.listcount = 20;
    list_box_fill(0, entries);
    SendMessageA(g_app.list_box, LB_SETCURSEL, 10, 0);
    ASSERT_TRUE(selected_entry_text(g_app.list_box, 0, text));
    EXPECT_EQ(text, "C:\\work\\e10.txt");
    std::vector<std::string_view> three(entries.begin(), entries.begin() + 3);
    list_box_fill(0, three);
    EXPECT_FALSE(selected_entry_text(g_app.list_box, '5', text));
    ASSERT_TRUE(chosen_entry(g_app.list_box, '3', true, text));
    EXPECT_EQ(text, "C:\\work\\e2.txt");

    // Nothing typed and no current folder: every entry shows.
    g_folder.current_folder.clear();
    EXPECT_EQ(list_box_fill(0, entries), 12);
}

TEST_F(FolderViewTest, ListBoxParentViewClimbsLevels)
{
    create_window();
    std::vector<std::string_view> entries = {"C:\\a\\b\\c.txt", "C:\\a\\d.txt"};
    g_listbox.parent_level = 2;
    EXPECT_EQ(list_box_fill(0, entries), 2);
    EXPECT_EQ(list_rows(g_app.list_box), (std::vector<std::string>{"1.C:\\a", "2.C:"}));
    g_listbox.parent_level = 4;
    EXPECT_EQ(list_box_fill(0, entries), 0);
    // A scan puts the list box back to the plain view.
    make_file(dir.file("f"));
    folder_scan(base);
    EXPECT_EQ(g_listbox.parent_level, 0);
}

TEST_F(FolderViewTest, ParentPathEditDownToTheDriveList)
{
    create_window();
    g_folder.current_folder = "C:\\cur\\*";
    const char* steps[] = {"C:\\cur\\*", "C:", ""};
    type_into_text_box("");
    for (const char* expected : steps) {
        SendMessageA(g_app.text_box, EM_SETSEL, 0, 0);
        parent_path_edit();
        EXPECT_EQ(text_of(g_app.text_box), expected);
    }
    // The drive list: one row per root, numbered, in the system's order.
    std::vector<std::string> rows = view_column(0);
    ASSERT_FALSE(rows.empty());
    char roots[512] = "";
    GetLogicalDriveStringsA(sizeof roots, roots);
    EXPECT_EQ(rows[0], std::string("1.") + roots);
    EXPECT_EQ(g_entries.entries[0].path, std::string(roots) + "*");
    EXPECT_EQ(g_folder.current_folder, "C:\\cur\\*");  // the drive list changes no folder

    // With the caret anywhere but at the start it is a plain Backspace.
    type_into_text_box("C:\\dir\\sub");
    SendMessageA(g_app.text_box, EM_SETSEL, 3, 3);
    parent_path_edit();
    EXPECT_EQ(text_of(g_app.text_box), "C:\\dir\\sub");
    SendMessageA(g_app.text_box, EM_SETSEL, 0, 0);
    parent_path_edit();
    EXPECT_EQ(text_of(g_app.text_box), "C:\\dir");
}

TEST_F(FolderViewTest, GoToFolderFocusesTheFirstRowOrTheTextBox)
{
    create_window();
    make_folder(dir.file("sub"));
    make_file(dir.file("sub\\one.txt"));
    make_folder(dir.file("void"));
    go_to_folder(dir.path + "sub");
    EXPECT_EQ(GetFocus(), g_app.folder_view);
    EXPECT_EQ(SendMessageA(g_app.folder_view, LVM_GETNEXTITEM, WPARAM(-1), LVNI_FOCUSED), 0);
    std::string text;
    ASSERT_TRUE(selected_folder_view_text(0, text));
    EXPECT_EQ(text, "one.txt");
    go_to_folder(dir.path + "void");
    EXPECT_EQ(GetFocus(), g_app.text_box);
    EXPECT_FALSE(selected_folder_view_text('1', text));
    // Select first row: refreshes an empty view, then focuses row 0.
    go_to_folder(dir.path + "sub");
    SetFocus(g_app.text_box);
    select_first_row();
    EXPECT_EQ(GetFocus(), g_app.folder_view);
}

TEST_F(FolderViewTest, ListRefreshFillsBothListBoxesFromTheLists)
{
    create_window();
    lists_reset_all();
    bookmark_add("C:\\marks\\beta");
    bookmark_add("C:\\marks\\alpha");
    bookmark_add("C:\\marks\\gamma-b");
    data_list_add_line("C:\\work\\b.txt");
    data_list_add_line("D:\\x\\b.txt");
    recent_record("C:\\work", "");
    recent_record("C:\\work\\sub", "b");
    g_folder.current_folder = "C:\\work\\*";
    g_settings.search = 0;
    type_into_text_box("");
    list_refresh();
    EXPECT_EQ(list_rows(g_app.list_box), (std::vector<std::string>{"1.C:\\work\\b.txt"}));
    // The second list box: list order, unnumbered, typed text only.
    EXPECT_EQ(list_rows(g_app.second_list_box),
              (std::vector<std::string>{"C:\\marks\\beta", "C:\\marks\\alpha", "C:\\marks\\gamma-b"}));
    g_settings.search = 1;
    type_into_text_box("b");
    list_refresh();
    EXPECT_EQ(list_rows(g_app.second_list_box), (std::vector<std::string>{"C:\\marks\\beta", "C:\\marks\\gamma-b"}));
    // History mode shows the recorded folders under the current folder.
    g_settings.search = 0;
    type_into_text_box("");
    g_listbox.list_state = LIST_RECENT;
    list_refresh();
    EXPECT_EQ(list_rows(g_app.list_box), (std::vector<std::string>{"1.C:\\work\\sub"}));
    // Record visit adds the pair (current folder, text box text).
    type_into_text_box("typed");
    record_visit(g_folder.current_folder, text_of(g_app.text_box));
    ASSERT_FALSE(g_lists.recent.empty());
    EXPECT_EQ(g_lists.recent.back().first, "C:\\work");  // the recent list keeps the folder itself
    EXPECT_EQ(g_lists.recent.back().second, "typed");
    lists_reset_all();
}

TEST_F(FolderViewTest, HugeTypedTextsAndLoneLeadBytesNarrowToNothingWithoutHarm)
{
    create_window();
    make_file(dir.file("a.txt"));
    folder_scan(base);
    for (const std::string& typed : {std::string(100000, 'a'), std::string(100000, ' '), std::string(100000, '^'),
                                     std::string("a\x81"), std::string(99999, '\\') + "\x81"}) {
        type_into_text_box(typed);
        list_refresh();
        SendMessageA(g_app.text_box, EM_SETSEL, 0, 0);
        parent_path_edit();
    }
    folder_scan(base);  // a bare name made the parent path edit show the drive list
    type_into_text_box(std::string(100000, 'a'));
    list_refresh();
    EXPECT_TRUE(view_column(0).empty());
    type_into_text_box(std::string(100001, '^'));  // one word: its rest never occurs in a.txt
    folder_view_refresh();
    EXPECT_EQ(view_column(0).size(), 1u);
}
