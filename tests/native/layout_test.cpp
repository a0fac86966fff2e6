#include <array>
#include <gtest/gtest.h>

#include "app/layout.h"

TEST(Layout, DefaultSizesBelowTheListBox)
{
    // Client 800 x 600, list box shortened by the system to 143 pixels.
    Layout l = layout_below_list(800, 600, 143, 300);
    EXPECT_EQ((std::array{l.display_box.x, l.display_box.y, l.display_box.width, l.display_box.height}),
              (std::array{0, 143, 800, 20}));
    EXPECT_EQ((std::array{l.text_box.x, l.text_box.y, l.text_box.width, l.text_box.height}),
              (std::array{0, 163, 761, 20}));
    EXPECT_EQ((std::array{l.number_box.x, l.number_box.y, l.number_box.width, l.number_box.height}),
              (std::array{760, 163, 40, 20}));
    EXPECT_EQ((std::array{l.folder_view.x, l.folder_view.y, l.folder_view.width, l.folder_view.height}),
              (std::array{0, 183, 500, 397}));
    EXPECT_EQ((std::array{l.second_list_box.x, l.second_list_box.y, l.second_list_box.width,
                          l.second_list_box.height}),
              (std::array{500, 183, 300, 397}));
}

TEST(Layout, DoesNotClampSmallWindows)
{
    Layout l = layout_below_list(200, 100, 143, 300);
    EXPECT_EQ(l.folder_view.width, -100);
    EXPECT_EQ(l.folder_view.height, 100 - 143 - 60);
    EXPECT_EQ(l.second_list_box.x, -100);
}

TEST(Colours, SearchAndWhichPickTheBackgrounds)
{
    Settings s;
    EXPECT_EQ(colour_ref(Colour{1, 2, 3}), 0x030201u);
    // Defaults: search 1, which 1.
    EXPECT_EQ(edit_background(s), colour_ref(s.text_color1));
    EXPECT_EQ(list_box_background(s), colour_ref(s.list_color2));
    EXPECT_EQ(folder_view_background(s), colour_ref(s.list_color1));
    s.search = 0;
    s.which = 0;
    EXPECT_EQ(edit_background(s), colour_ref(s.text_color2));
    EXPECT_EQ(list_box_background(s), colour_ref(s.list_color1));
    EXPECT_EQ(folder_view_background(s), colour_ref(s.list_color2));
}
