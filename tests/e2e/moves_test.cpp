// Cursor moves: skipping the line the other panel shows, wrapping, pages,
// and the live preview of each move.
#include "e2e/list_fixture.h"

namespace tolvik::test {
using namespace emu;
namespace {

class moves : public list_dialog_test {
protected:
    // Grows the list to `views` views and presses `codes` at one opening, then
    // Esc (Ctrl+Esc in Ctrl mode); `from` is where the opening starts. Returns
    // the {selected, top} each key left, each move's two messages 31 alike.
    std::vector<std::vector<int32_t>> stops(int views, const std::vector<int32_t>& codes, size_t& from,
                                            bool ctrl = false) {
        grow_to(views);
        std::vector<input_event> events;
        for (int32_t code : codes) events.push_back(press(code));
        events.push_back(press(ctrl ? key::ctrl | key::esc : key::esc));
        from = open(events, ctrl);
        auto positions = positions_since(from);
        EXPECT_EQ(positions.size(), 2 * codes.size()) << host->report();
        std::vector<std::vector<int32_t>> out;
        for (size_t i = 0; i + 1 < positions.size(); i += 2) {
            EXPECT_EQ(positions[i + 1], positions[i]) << "both messages 31 of a move agree";
            out.push_back(positions[i]);
        }
        return out;
    }
};

using cursor_tops = std::vector<std::vector<int32_t>>;

TEST_F(moves, up_and_down_wrap_at_both_ends_skipping_the_disabled_line) {
    // Lines: 4 (current), 3, 2, 1 (right panel: disabled). Up on the top
    // line goes to the last enabled line; Down past the disabled bottom line
    // wraps to the top.
    size_t from;
    EXPECT_EQ(stops(4, {key::up, key::down}, from), (cursor_tops{{2, 0}, {0, 0}}));
    EXPECT_EQ(applied_since(from), (std::vector<std::string>{dir("left"), dir("v4")}))
        << "expected a preview of each move and nothing from Esc, which finds view 4 applied";
}

TEST_F(moves, with_one_enabled_line_the_list_is_refilled_and_nothing_applied) {
    size_t from;
    EXPECT_EQ(stops(2, {key::up, key::down}, from), (cursor_tops{{0, 0}, {0, 0}}));
    auto messages = messages_since(from);
    EXPECT_EQ(std::count(messages.begin(), messages.end(), dm_list_set), 2) << host->report();
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
    // 4, 3, 2, 1 (disabled bottom): End stops on the line above.
    size_t from;
    EXPECT_EQ(stops(4, {key::end, key::home}, from), (cursor_tops{{2, 0}, {0, 0}}));
    auto messages = messages_since(from);
    EXPECT_EQ(std::count(messages.begin(), messages.end(), dm_list_get_position), 0)
        << "Home and End do not ask the host for the position";
}

TEST_F(moves, home_on_a_disabled_top_line_goes_to_the_first_enabled_line) {
    leave_the_other_panels_view_at_the_front();
    size_t from = open({press(key::end), press(key::home), press(key::esc)});
    auto positions = positions_since(from);
    ASSERT_EQ(positions.size(), 5u) << host->report();
    EXPECT_EQ(positions[0][0], 1) << "the opening starts on the current slot's view, not the disabled front";
    EXPECT_EQ(positions[1][0], 2) << "End goes to the bottom line (view 2)";
    EXPECT_EQ(positions[3][0], 1) << "Home skips the disabled top line";
}

// Pages: 8 lines in normal mode, 10 in Ctrl mode; the top line follows the
// cursor. 12 or 13 lines, the bottom one disabled: a page near the end stops
// on the last enabled line, near the top on the top line. Ctrl+PgDn acts like
// PgDn in normal mode.
TEST_F(moves, page_keys_step_a_page_and_stop_at_the_ends) {
    size_t from;
    EXPECT_EQ(stops(12, {key::pg_dn, key::pg_dn, key::pg_up, key::pg_up, key::ctrl | key::pg_dn}, from),
              (cursor_tops{{8, 4}, {10, 4}, {2, 0}, {0, 0}, {8, 4}}));
    restart();
    const int32_t ctrl_pg_dn = key::ctrl | key::pg_dn, ctrl_pg_up = key::ctrl | key::pg_up;
    EXPECT_EQ(stops(13, {ctrl_pg_dn, ctrl_pg_dn, ctrl_pg_up, ctrl_pg_up}, from, true),
              (cursor_tops{{10, 3}, {11, 3}, {1, 0}, {0, 0}}));
}

TEST_F(moves, the_top_line_follows_the_cursor_with_ten_lines) {
    size_t from;  // the bottom line (index 9) is disabled
    EXPECT_EQ(stops(10, std::vector<int32_t>(8, key::down), from),
              (cursor_tops{{1, 0}, {2, 0}, {3, 0}, {4, 1}, {5, 2}, {6, 2}, {7, 2}, {8, 2}}));
    EXPECT_EQ(host_cursor(), 8);
}

}  // namespace
}  // namespace tolvik::test
