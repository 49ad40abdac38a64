// Boxes and dialogs on a screen too small for them: they stay above the
// host's own rows, keep their frame whole, and a tall box scrolls and says
// where it is.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "dialog_placement.h"
#include "dialogs.h"
#include "text_box.h"

namespace tolvik::emu {
namespace {

FarDialogItem item(int32_t type, int32_t left, int32_t top, int32_t right, int32_t bottom, const char* text) {
    FarDialogItem out{.type = type, .left = left, .top = top, .right = right, .bottom = bottom};
    std::strncpy(out.text, text, sizeof out.text - 1);
    return out;
}

// The host's two rows under everything: "STATUS" and "KEYS".
void host_rows(screen& display) {
    display.text(0, display.height() - 2, "STATUS", attr::status);
    display.text(0, display.height() - 1, "KEYS", attr::status);
}

TEST(dialog_clipping, a_dialog_larger_than_the_screen_keeps_its_frame_and_the_host_rows) {
    screen display(30, 10);
    display.set_bottom_rows(2);
    input_queue input;
    std::vector<std::string> seen;
    input.set_source([&](input_event& event) {
        seen = display.text_rows();
        event = {input_kind::cancel, 0};
        return true;
    });
    dialog_environment env;
    env.input = &input;
    env.display = &display;
    env.draw_background = host_rows;
    dialog_engine engine(env);
    // 40x14: a double box from (2,1) to (37,12), texts at its top, bottom
    // and right.
    FarDialogItem items[] = {item(item_double_box, 2, 1, 37, 12, "Big"), item(item_text, 4, 2, 0, 2, "TOP"),
                             item(item_text, 4, 11, 0, 11, "BOTTOM"), item(item_text, 30, 5, 0, 5, "RIGHT")};
    engine.run_dialog(0, -1, -1, 40, 14, nullptr, items, 4, 0, 0, nullptr, 0);
    ASSERT_EQ(seen.size(), 10u);
    EXPECT_EQ(seen[8], "STATUS") << "the status row stays";
    EXPECT_EQ(seen[9], "KEYS") << "the key bar stays";
    // Eight rows for the dialog: its first six, then its bottom border and
    // margin. 30 columns: its first 27, then its right border and margin.
    EXPECT_EQ(seen[1].substr(2, 26), "+============== Big =====+") << "the title centred before the fold";
    EXPECT_EQ(seen[2].substr(2, 6), "| TOP ") << seen[2];
    EXPECT_EQ(seen[2][27], '|') << "the right border after the fold: " << seen[2];
    for (int row = 2; row <= 5; ++row) EXPECT_EQ(seen[static_cast<size_t>(row)][2], '|') << row;
    EXPECT_EQ(seen[6].substr(2), "+========================+") << "the bottom border after the fold";
    for (const std::string& row : seen) EXPECT_EQ(row.find("BOTTOM"), std::string::npos) << "folded away";

    // Where clicks land: a screen cell back to the dialog's own cell.
    open_dialog dialog{.width = 40, .height = 14, .items = {{.record = items[0]}}};
    dialog_placement at = place(display, dialog);
    EXPECT_EQ(at.row_at(6), 12) << "the screen row of the bottom border is dialog row 12";
    EXPECT_EQ(at.column_at(27), 37);
    EXPECT_EQ(at.screen_y(8), -1) << "folded away";
    EXPECT_EQ(at.screen_y(3), 3);
}

TEST(dialog_clipping, a_dialog_reaching_over_the_host_rows_moves_up_whole) {
    screen display(30, 10);
    display.set_bottom_rows(2);
    open_dialog dialog{.left = 5, .top = 4, .width = 10, .height = 5};
    dialog_placement at = place(display, dialog);
    EXPECT_EQ(at.top, 3) << "its last row on row 7, above the status row";
    EXPECT_EQ(at.left, 5);
    EXPECT_EQ(at.shown_height, 5);
    display.set_bottom_rows(0);
    EXPECT_EQ(place(display, dialog).top, 4) << "a screen without host rows leaves it where it is";
}

TEST(text_box, a_tall_box_scrolls_shows_where_it_is_and_stays_above_the_host_rows) {
    screen display(40, 10);
    display.set_bottom_rows(2);
    text_box box;
    box.title = "Help";
    for (int i = 1; i <= 20; ++i) box.lines.push_back("line " + std::to_string(i));
    box.buttons = {"OK"};
    int32_t shown = visible_lines(display, box);
    EXPECT_EQ(shown, 5) << "8 rows: two borders and the buttons, no margins";
    host_rows(display);
    draw_text_box(display, box, 0);
    EXPECT_EQ(display.row(8), "STATUS");
    EXPECT_EQ(display.row(9), "KEYS");
    EXPECT_NE(display.row(0).find("+="), std::string::npos) << "the top border on the first row";
    EXPECT_NE(display.row(1).find("line 1"), std::string::npos);
    EXPECT_NE(display.row(6).find("[ OK ]"), std::string::npos);
    EXPECT_NE(display.row(7).find(" 1-5/20 "), std::string::npos) << display.row(7);

    int32_t first = scrolled(key::end, 0, shown, 20);
    EXPECT_EQ(first, 15);
    display.clear();
    draw_text_box(display, box, first);
    EXPECT_NE(display.row(5).find("line 20"), std::string::npos) << "the last line can be reached";
    EXPECT_NE(display.row(7).find(" 16-20/20 "), std::string::npos) << display.row(7);
    EXPECT_EQ(scrolled(key::down, first, shown, 20), 15) << "not past the end";
    EXPECT_EQ(scrolled(key::wheel_down, 3, shown, 20), 4);
    EXPECT_EQ(scrolled(key::pg_up, first, shown, 20), 11);
    EXPECT_EQ(scrolled(key::pg_dn, 0, shown, 20), 4);
    EXPECT_EQ(scrolled(key::home, first, shown, 20), 0);
    EXPECT_EQ(scrolled(key::up, 0, shown, 20), 0) << "not before the start";
    EXPECT_EQ(scrolled(key::enter, 3, shown, 20), -1) << "no scroll key";

    text_box small{"Note", {"one", "two"}, {"OK"}};
    display.clear();
    draw_text_box(display, small, 0);
    EXPECT_EQ(visible_lines(display, small), 2);
    EXPECT_EQ(display.row(0), "") << "a box that fits keeps its margin row";
    EXPECT_EQ(display.dump().find("/2 "), std::string::npos) << "and shows no position";
}

}  // namespace
}  // namespace tolvik::emu
