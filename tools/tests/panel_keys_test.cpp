// The file manager's own keys on the two panels, and what narrow panels
// show of them.
#include "panel_keys.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "key_decoder.h"
#include "panel_view.h"
#include "support/test_tree.h"

namespace tolvik::tools {
namespace {

class panel_keys_test : public ::testing::Test {
protected:
    panel_keys_test() {
        c_.folder("left/sub");
        c_.file("left/a.txt");
        c_.file("left/b.txt");
        c_.folder("right");
        panels_.left().set_directory("C:\\left");
        panels_.right().set_directory("C:\\right");
        panels_.lay_out(80, 25);
    }
    emu::panel_model& left() { return panels_.left(); }

    test::test_tree c_;
    emu::panel_pair panels_;
};

TEST_F(panel_keys_test, insert_selects_and_moves_and_plus_minus_select_files) {
    // ".." sub a.txt b.txt
    ASSERT_EQ(left().size(), 4u);
    left().set_cursor(2);
    EXPECT_TRUE(handle_panel_key(panels_, keys::ins));
    EXPECT_EQ(left().selected_names(), std::vector<std::string>{"a.txt"});
    EXPECT_EQ(left().cursor(), 3);
    EXPECT_TRUE(handle_panel_key(panels_, '-'));
    EXPECT_TRUE(left().selected_names().empty());
    EXPECT_TRUE(handle_panel_key(panels_, '+'));
    EXPECT_EQ(left().selected_names(), (std::vector<std::string>{"a.txt", "b.txt"}))
        << "folders stay unselected";
}

TEST_F(panel_keys_test, enter_and_ctrl_pgup_walk_folders) {
    left().set_cursor(1);
    EXPECT_TRUE(handle_panel_key(panels_, keys::enter));
    EXPECT_EQ(left().directory(), "C:\\left\\sub");
    EXPECT_TRUE(handle_panel_key(panels_, keys::ctrl | keys::pg_up));
    EXPECT_EQ(left().directory(), "C:\\left");
    EXPECT_EQ(left().items()[static_cast<size_t>(left().cursor())].name, "sub")
        << "the cursor on the folder left";
}

TEST_F(panel_keys_test, modes_types_and_tab) {
    EXPECT_TRUE(handle_panel_key(panels_, 'r'));
    EXPECT_TRUE(left().reversed());
    int32_t before = left().sort_mode();
    EXPECT_TRUE(handle_panel_key(panels_, 's'));
    EXPECT_NE(left().sort_mode(), before);
    EXPECT_TRUE(handle_panel_key(panels_, '1'));
    EXPECT_EQ(geometry_of(left()).columns, 3);
    EXPECT_TRUE(handle_panel_key(panels_, 'v'));
    EXPECT_EQ(left().view_mode, 2);
    EXPECT_EQ(geometry_of(left()).columns, 2);

    EXPECT_TRUE(handle_panel_key(panels_, 'p'));
    EXPECT_EQ(left().plugin, 1);
    EXPECT_FALSE(handle_panel_key(panels_, keys::down)) << "a plugin's panel has no items to walk";
    EXPECT_TRUE(handle_panel_key(panels_, 't'));
    EXPECT_EQ(left().type, panel_tree);
    EXPECT_EQ(left().plugin, 0);
    EXPECT_TRUE(handle_panel_key(panels_, 't'));
    EXPECT_EQ(left().type, panel_file) << "the same key again gives the file panel back";

    EXPECT_TRUE(handle_panel_key(panels_, keys::tab));
    EXPECT_EQ(panels_.active_side(), emu::side::right);
    EXPECT_FALSE(handle_panel_key(panels_, 'z'));
}

TEST_F(panel_keys_test, narrow_panels_drop_columns_and_the_cursor_stays_visible) {
    panels_.lay_out(40, 25);  // panels 20 wide: 18 inner columns
    left().view_mode = 1;
    EXPECT_EQ(geometry_of(left()).columns, 2) << "three columns of 6 cells are no use";
    panels_.lay_out(80, 8);  // 4 rows of items in 2 columns
    left().view_mode = 2;
    left().set_top(0);
    left().set_cursor(3);
    EXPECT_EQ(visible_top(left()), 0);
    panels_.lay_out(80, 7);  // 1 line each column: capacity 2
    EXPECT_EQ(visible_top(left()), 2) << "the cursor item must stay on the panel";
}

}  // namespace
}  // namespace tolvik::tools
