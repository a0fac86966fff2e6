// The virtual folder view against an ordinary list view: the column widths
// it sets come out as auto-sizing every row of an ordinary view gives them,
// and its texts are read back whole or cut on a character.
#include "fixture.h"

#include <commctrl.h>

#include <string>
#include <vector>

#include "app/settings.h"
#include "folder/entry_table.h"
#include "folder/folder_ops.h"

namespace {

std::string cell(int row, int column, int buffer_size = 1024)
{
    std::vector<char> text(size_t(buffer_size), '\0');
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = text.data();
    item.cchTextMax = buffer_size;
    SendMessageA(g_app.folder_view, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
    return text.data();
}

int rows_shown()
{
    return int(SendMessageA(g_app.folder_view, LVM_GETITEMCOUNT, 0, 0));
}

// An ordinary list view with the folder view's font, image list and
// columns, holding every row of the folder view as inserted text, each
// column auto-sized over all of them.
std::vector<int> ordinary_view_widths(HWND parent)
{
    HWND view = CreateWindowExA(0, WC_LISTVIEWA, "", WS_CHILD | LVS_REPORT | LVS_NOCOLUMNHEADER | LVS_SHAREIMAGELISTS,
                                0, 0, 300, 200, parent, nullptr, g_app.instance, nullptr);
    SendMessageA(view, WM_SETFONT, SendMessageA(g_app.folder_view, WM_GETFONT, 0, 0), FALSE);
    SendMessageA(view, LVM_SETIMAGELIST, LVSIL_SMALL,
                 SendMessageA(g_app.folder_view, LVM_GETIMAGELIST, LVSIL_SMALL, 0));
    for (int c = 0; c < 3; ++c) {
        LVCOLUMNA column{};
        column.mask = LVCF_WIDTH;
        column.cx = 50;
        SendMessageA(view, LVM_INSERTCOLUMNA, c, reinterpret_cast<LPARAM>(&column));
    }
    for (int r = 0; r < rows_shown(); ++r) {
        std::string text = cell(r, 0);
        LVITEMA item{};
        item.mask = LVIF_TEXT | LVIF_IMAGE;
        item.iItem = r;
        item.iImage = r;
        item.pszText = text.data();
        SendMessageA(view, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
        for (int c = 1; c < 3; ++c) {
            std::string sub = cell(r, c);
            LVITEMA subitem{};
            subitem.iSubItem = c;
            subitem.pszText = sub.data();
            SendMessageA(view, LVM_SETITEMTEXTA, r, reinterpret_cast<LPARAM>(&subitem));
        }
    }
    std::vector<int> widths;
    for (int c = 0; c < 3; ++c) {
        SendMessageA(view, LVM_SETCOLUMNWIDTH, c, LVSCW_AUTOSIZE);
        widths.push_back(int(SendMessageA(view, LVM_GETCOLUMNWIDTH, c, 0)));
    }
    DestroyWindow(view);
    return widths;
}

std::vector<int> folder_view_widths()
{
    std::vector<int> widths;
    for (int c = 0; c < 3; ++c)
        widths.push_back(int(SendMessageA(g_app.folder_view, LVM_GETCOLUMNWIDTH, c, 0)));
    return widths;
}

class FolderViewRowsTest : public MainWindowTest {};

}  // namespace

TEST_F(FolderViewRowsTest, ColumnWidthsMatchAnOrdinaryViewAutoSizedOverTheSameRows)
{
    create_window();
    struct Case {
        const char* what;
        std::vector<std::string> files;  // a name ending in "\" is a folder
        const char* typed;
        int filterdate;
        int rows;
    } cases[] = {
        {"empty folder", {}, "", -1, 0},
        {"one row", {"a.txt"}, "", -1, 1},
        {"nothing matches", {"a.txt", "b.txt"}, "zzz", -1, 0},
        // The number prefixes differ in width, so the widest label may be a
        // numbered row with a shorter name than an unnumbered one.
        {"numbered rows",
         {"m", "mi", "mii", "miii", "miiii", "w", "ww", "www", "0", "00", "iiiiiiiiiiii", "mmmmm", "l.txt"},
         "",
         -1,
         13},
        {"long Japanese names",
         {"報告書の下書き第二版（最終）.txt", "ＷＷＷＷＷＷＷＷＷＷＷＷ.txt", "ｶﾀｶﾅﾉﾅﾏｴﾃﾞｽ.txt", "表示ソフト.doc",
          "iiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiii.txt", "短い", "フォルダ\\", "予定表2026.xls", "a", "b", "c",
          "d", "e", "f", "g", "h", "i", "j", "k", "l", "n", "o"},
         "",
         -1,
         22},
        {"small listing with dates and sizes",
         {"s0.txt", "s1.bin", "s2.dat", "sub\\", "長い名前のファイル.s", "t.txt"},
         "s",
         -1,
         5},
        {"large listing with dates", {"a1", "a2", "a3", "b1", "b2", "b3", "c1", "c2", "c3", "d1", "d2", "d3",
                                       "e1", "e2", "e3", "f1", "f2", "f3", "g1", "g2", "g3"}, "", 3650, 21},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempFolder dir;
        size_t bytes = 1;
        for (const std::string& name : c.files) {
            if (name.back() == '\\') {
                CreateDirectoryA(dir.file(name.substr(0, name.size() - 1)).c_str(), nullptr);
            } else {
                dir.write(name, std::string(bytes, 'x'));
                bytes = bytes * 37 % 200000;  // sizes from bytes to kilobytes
            }
        }
        g_settings.filterdate = c.filterdate;
        folder_scan(dir.path);
        SetWindowTextA(g_app.text_box, c.typed);
        folder_view_refresh();
        ASSERT_EQ(rows_shown(), c.rows);
        EXPECT_EQ(folder_view_widths(), ordinary_view_widths(window));
    }
}

TEST_F(FolderViewRowsTest, TextsAreAnsweredWholeOrCutOnACharacter)
{
    create_window();
    TempFolder dir;
    dir.write("報告書.txt", "");
    folder_scan(dir.path);
    folder_view_refresh();
    ASSERT_EQ(rows_shown(), 1);
    EXPECT_EQ(cell(0, 0), "1.報告書.txt");
    // Room for three bytes: "1." and half of 報 would be a broken text.
    EXPECT_EQ(cell(0, 0, 4), "1.");
    EXPECT_EQ(cell(0, 0, 5), "1.報");
    EXPECT_EQ(cell(1, 0), "");
    // The view's own search asks the window for the row.
    for (auto [wanted, row] : {std::pair{"1.報", 0}, std::pair{"2.", -1}}) {
        LVFINDINFOA find{};
        find.flags = LVFI_PARTIAL | LVFI_WRAP;
        find.psz = wanted;
        EXPECT_EQ(int(SendMessageA(g_app.folder_view, LVM_FINDITEMA, WPARAM(-1), reinterpret_cast<LPARAM>(&find))), row)
            << wanted;
    }
    // The focused row's text is read from the rows themselves, whole.
    std::string text;
    ASSERT_TRUE(selected_folder_view_text('1', text));
    EXPECT_EQ(text, "報告書.txt");
    EXPECT_EQ(int(SendMessageA(g_app.folder_view, LVM_GETNEXTITEM, WPARAM(-1), LVNI_SELECTED)), 0);
    // A refresh empties the selection and the focus.
    folder_view_refresh();
    EXPECT_EQ(int(SendMessageA(g_app.folder_view, LVM_GETNEXTITEM, WPARAM(-1), LVNI_FOCUSED)), -1);
}

TEST_F(FolderViewRowsTest, ANumberedLabelCanOutweighAWiderUnnumberedName)
{
    // Ten numbered names and an eleventh, unnumbered, one letter longer each
    // time: somewhere it is wider than the numbered names but not than their
    // labels, and then a numbered row must size column 0.
    create_window();
    for (int letters = 1; letters <= 30; ++letters) {
        SCOPED_TRACE(letters);
        TempFolder dir;
        for (int i = 0; i < 10; ++i)
            dir.write("m" + std::to_string(i), "");
        dir.write(std::string(size_t(letters), 'i'), "");
        folder_scan(dir.path);
        folder_view_refresh();
        ASSERT_EQ(cell(10, 0), std::string(size_t(letters), 'i'));
        EXPECT_EQ(folder_view_widths(), ordinary_view_widths(window));
    }
}

namespace {

// The colour bits of one image of the folder view's image list.
std::vector<unsigned char> image_bits(int index)
{
    HIMAGELIST images = reinterpret_cast<HIMAGELIST>(SendMessageA(g_app.folder_view, LVM_GETIMAGELIST, LVSIL_SMALL, 0));
    std::vector<unsigned char> bits;
    HICON icon = images ? ImageList_GetIcon(images, index, ILD_NORMAL) : nullptr;
    if (!icon)
        return bits;
    ICONINFO info{};
    if (GetIconInfo(icon, &info)) {
        BITMAP bitmap{};
        GetObjectA(info.hbmColor, sizeof bitmap, &bitmap);
        bits.resize(size_t(bitmap.bmWidthBytes) * size_t(bitmap.bmHeight));
        GetBitmapBits(info.hbmColor, LONG(bits.size()), bits.data());
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
    }
    DestroyIcon(icon);
    return bits;
}

}  // namespace

TEST_F(FolderViewRowsTest, EachRowOfALargeListingKeepsTheIconOfItsKind)
{
    // Two large listings of 25 rows: the first led by a folder, the second
    // all files. The second must not show the first one's folder icon.
    create_window();
    TempFolder dir;
    CreateDirectoryA(dir.file("x-folder").c_str(), nullptr);
    for (int i = 0; i < 25; ++i) {
        if (i < 24)
            dir.write("x" + std::to_string(i), "");
        dir.write("y" + std::to_string(i), "");
    }
    folder_scan(dir.path);
    SetWindowTextA(g_app.text_box, "x");
    folder_view_refresh();
    ASSERT_EQ(cell(0, 0), "1.x-folder");
    std::vector<unsigned char> folder_icon = image_bits(0), file = image_bits(1);
    ASSERT_FALSE(file.empty());
    EXPECT_NE(folder_icon, file);
    for (const char* typed : {"y", "x", "y"}) {
        SCOPED_TRACE(typed);
        SetWindowTextA(g_app.text_box, typed);
        folder_view_refresh();
        ASSERT_EQ(rows_shown(), 25);
        EXPECT_EQ(image_bits(0), typed[0] == 'x' ? folder_icon : file);
        EXPECT_EQ(image_bits(24), file);
    }
}
