// Selection text and caret insertion on the real text box.
#include "fixture.h"

#include "lists/string_lists.h"
#include "lists/text_box_edit.h"

TEST_F(MainWindowTest, SelectionTextAndCaretInsertion)
{
    create_window();
    SetWindowTextA(g_app.text_box, "abc\x95\x5C" "def");
    SendMessageA(g_app.text_box, EM_SETSEL, 1, 5);
    EXPECT_EQ(selection_text(), "bc\x95\x5C");
    SendMessageA(g_app.text_box, EM_SETSEL, 2, 2);
    EXPECT_EQ(selection_text(), "");

    SendMessageA(g_app.text_box, EM_SETSEL, 3, 3);
    caret_insertion("[stamp]");
    EXPECT_EQ(text_of(g_app.text_box), "abc[stamp]\x95\x5C" "def");
    DWORD start = 0, end = 0;
    SendMessageA(g_app.text_box, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 10u);
    EXPECT_EQ(end, 10u);
    lists_reset_all();
}
