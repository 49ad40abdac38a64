// Cursor moves: skipping the line the other panel shows, wrapping, pages,
// and the live preview of each move.
#include "e2e/list_fixture.h"

namespace tolvik::test {
using namespace emu;
namespace {

class moves : public list_dialog_test {};

TEST_F(moves, up_and_down_wrap_at_both_ends_skipping_the_disabled_line) {
    grow_to(4);  // lines: 4 (current), 3, 2, 1 (right panel: disabled)
    size_t from = open({press(key::up), press(key::down), press(key::esc)});
    auto positions = positions_since(from);
    ASSERT_EQ(positions.size(), 4u) << host->report();
    EXPECT_EQ(positions[0], (std::vector<int32_t>{2, 0}))
        << "Up on the top line goes to the last enabled line";
    EXPECT_EQ(positions[2], (std::vector<int32_t>{0, 0}))
        << "Down past the disabled bottom line wraps to the top";
    EXPECT_EQ(applied_since(from), (std::vector<std::string>{dir("left"), dir("v4")}))
        << "expected a preview of each move and nothing from Esc, which finds view 4 applied";
}

TEST_F(moves, with_one_enabled_line_the_list_is_refilled_and_nothing_applied) {
    size_t from = open({press(key::up), press(key::down), press(key::esc)});
    auto messages = messages_since(from);
    EXPECT_EQ(std::count(messages.begin(), messages.end(), dm_list_set), 2) << host->report();
    EXPECT_EQ(positions_since(from), (std::vector<std::vector<int32_t>>{{0, 0}, {0, 0}, {0, 0}, {0, 0}}));
    EXPECT_TRUE(applied_since(from).empty()) << "expected nothing applied, got " << join(applied_since(from));
}

TEST_F(moves, each_move_previews_once_with_drawing_switched_off_around_it) {
    grow_to(3);
    size_t from = open({press(key::down), press(key::esc)});
    const auto& all = host->log().entries();
    std::vector<std::string> steps;
    for (size_t i = from; i < all.size(); ++i) {
        const call_entry& c = all[i];
        if (c.service == service::send_dialog_message && c.args[1] != dm_list_mouse_reaction)
            steps.push_back("m" + std::to_string(c.args[1]) + "/" + std::to_string(c.args[2]));
        if (c.service == service::panel_control && c.args[1] == cmd_set_directory) steps.push_back("apply");
    }
    // Message/Param1. Down: ask the position, drawing off, lines, position, preview,
    // drawing on, redraw, position; then Esc: revert (applies view 3 again), close.
    std::vector<std::string> expected{"m30/1", "m3/0",  "m53/1", "m31/1", "apply",
                                      "m3/1",  "m14/0", "m31/1", "apply", "m1/0"};
    EXPECT_EQ(steps, expected) << join(steps) << "\n" << host->report();
    EXPECT_EQ(applied_since(from), (std::vector<std::string>{dir("left"), dir("v3")}));
}

TEST_F(moves, home_and_end_skip_a_disabled_line_and_do_not_ask_the_host) {
    grow_to(4);  // 4, 3, 2, 1 (disabled bottom)
    size_t from = open({press(key::end), press(key::home), press(key::esc)});
    auto positions = positions_since(from);
    ASSERT_EQ(positions.size(), 4u) << host->report();
    EXPECT_EQ(positions[0][0], 2) << "End on a disabled bottom line stops on the line above";
    EXPECT_EQ(positions[2][0], 0);
    auto messages = messages_since(from);
    EXPECT_EQ(std::count(messages.begin(), messages.end(), dm_list_get_position), 0)
        << "Home and End do not ask the host for the position";
}

TEST_F(moves, home_on_a_disabled_top_line_goes_to_the_first_enabled_line) {
    grow_to(4);
    host->panels().switch_active();  // right panel active: lines 1 (current), 4 (disabled), 3, 2
    // Delete view 1 from the right panel: its slot takes view 3, the front
    // stays view 4, which the left panel shows.
    open({press(key::home), press(key::del), press(key::esc)});
    size_t from = open({press(key::end), press(key::home), press(key::esc)});
    auto positions = positions_since(from);
    ASSERT_EQ(positions.size(), 5u) << host->report();
    EXPECT_EQ(positions[0][0], 1) << "the opening starts on the current slot's view, not the disabled front";
    EXPECT_EQ(positions[1][0], 2) << "End goes to the bottom line (view 2)";
    EXPECT_EQ(positions[3][0], 1) << "Home skips the disabled top line";
}

// Pages: 8 lines in normal mode, 10 in Ctrl mode.
TEST_F(moves, page_keys_step_a_page_and_stop_at_the_ends_in_normal_mode) {
    grow_to(12);  // 12 lines, the bottom one disabled
    size_t from = open({press(key::pg_dn), press(key::pg_dn), press(key::pg_up), press(key::pg_up),
                        press(key::ctrl | key::pg_dn), press(key::esc)});
    auto positions = positions_since(from);
    ASSERT_EQ(positions.size(), 10u) << host->report();
    EXPECT_EQ(positions[0], (std::vector<int32_t>{8, 4})) << "PgDn: 8 lines down";
    EXPECT_EQ(positions[2], (std::vector<int32_t>{10, 4})) << "PgDn near the end: last enabled line";
    EXPECT_EQ(positions[4], (std::vector<int32_t>{2, 0})) << "PgUp: 8 lines up";
    EXPECT_EQ(positions[6], (std::vector<int32_t>{0, 0})) << "PgUp near the top: the top line";
    EXPECT_EQ(positions[8], (std::vector<int32_t>{8, 4})) << "Ctrl+PgDn acts like PgDn";
}

TEST_F(moves, page_keys_step_ten_lines_in_ctrl_mode) {
    grow_to(13);
    size_t from =
        open({press(key::ctrl | key::pg_dn), press(key::ctrl | key::pg_dn), press(key::ctrl | key::pg_up),
              press(key::ctrl | key::pg_up), press(key::ctrl | key::esc)},
             true);
    auto positions = positions_since(from);
    ASSERT_EQ(positions.size(), 8u) << host->report();
    EXPECT_EQ(positions[0], (std::vector<int32_t>{10, 3}));
    EXPECT_EQ(positions[2], (std::vector<int32_t>{11, 3}));
    EXPECT_EQ(positions[4], (std::vector<int32_t>{1, 0}));
    EXPECT_EQ(positions[6], (std::vector<int32_t>{0, 0}));
}

TEST_F(moves, the_top_line_follows_the_cursor_with_ten_lines) {
    grow_to(10);  // the bottom line (index 9) is disabled
    std::vector<input_event> walk(8, press(key::down));
    walk.push_back(press(key::esc));
    size_t from = open(walk);
    auto positions = positions_since(from);
    ASSERT_EQ(positions.size(), 16u) << host->report();
    const int32_t expected_top[] = {0, 0, 0, 1, 2, 2, 2, 2};  // cursor 1..8
    for (size_t i = 0; i < 8; ++i) {
        EXPECT_EQ(positions[2 * i][0], static_cast<int32_t>(i + 1));
        EXPECT_EQ(positions[2 * i][1], expected_top[i])
            << "cursor " << i + 1 << ": expected top " << expected_top[i] << ", got " << positions[2 * i][1];
        EXPECT_EQ(positions[2 * i + 1], positions[2 * i]) << "both messages 31 of a move agree";
    }
    EXPECT_EQ(host_cursor(), 8);
}

}  // namespace
}  // namespace tolvik::test
