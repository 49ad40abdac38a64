// Editing the list: new view, duplicate, delete, renumber, refresh.
#include "e2e/list_fixture.h"

namespace tolvik::test {
using namespace emu;
namespace {

class editing : public list_dialog_test {
protected:
    // The number at the start of each line, of the last list or of `shown`.
    std::vector<int> numbers(std::vector<std::string> shown = {}) {
        std::vector<int> out;
        for (const std::string& line : shown.empty() ? lines() : shown)
            out.push_back(std::atoi(line.c_str()));
        return out;
    }
};

TEST_F(editing, a_new_view_takes_the_cursor_line_at_the_fallback_directory_with_the_smallest_free_number) {
    grow_to(3);  // 3, 2, 1
    size_t from = open({press(keys::new_view), press(key::esc)});
    EXPECT_EQ(numbers(), (std::vector<int>{4, 3, 2, 1}));
    EXPECT_EQ(lines()[0].substr(0, 19), "4. file panel   C:\\") << "no panel shows the new view";
    EXPECT_EQ(lines()[0].find_first_not_of(' ', 19), std::string::npos) << "[" << lines()[0] << "]";
    EXPECT_EQ(host_cursor(), 0);
    // The panel goes to "C:\" to be captured, the new view is applied, and Esc
    // puts view 3 back.
    EXPECT_EQ(applied_since(from), (std::vector<std::string>{"C:\\", "C:\\", dir("v3")}));

    // The next opening starts on view 3, the one the panel shows (see the
    // opening tests); Down goes to view 2.
    from = open({press(key::down), press(keys::new_view), press(key::enter)});
    EXPECT_EQ(numbers(), (std::vector<int>{4, 3, 5, 2, 1})) << "the new line stands where the cursor was";
    EXPECT_EQ(host_cursor(), 2);
    EXPECT_EQ(active_dir(), "C:\\");
    EXPECT_EQ(numbers(next_lines()), (std::vector<int>{5, 4, 3, 2, 1})) << "Enter made the new view current";
}

TEST_F(editing, a_duplicate_stands_above_its_source_and_gets_the_cursor) {
    grow_to(3);
    size_t from = open({press(key::down), press(keys::duplicate), press(key::esc)});
    auto all = lines();
    ASSERT_EQ(all.size(), 4u);
    EXPECT_EQ(all[1].substr(0, 16), "4. file panel   ");
    EXPECT_EQ(all[1].substr(16), all[2].substr(16)) << "the copy shows the same directory";
    EXPECT_NE(all[2].find("left"), std::string::npos) << all[2];
    EXPECT_EQ(all[2].substr(0, 16), "2. file panel   ");
    EXPECT_EQ(host_cursor(), 1);
    EXPECT_EQ(applied_since(from), (std::vector<std::string>{dir("left"), dir("left"), dir("v3")}));
}

TEST_F(editing, delete_needs_three_views) {
    size_t from = open({press(key::del), press(keys::ctrl_f4), press(key::ctrl | key::del), press(key::esc)});
    EXPECT_EQ(messages_since(from), (std::vector<int32_t>{dm_list_mouse_reaction, dm_close}))
        << "with two views the delete keys do nothing at all";
    EXPECT_EQ(numbers(), (std::vector<int>{2, 1}));
}

TEST_F(editing, delete_moves_past_the_disabled_line_back_up_from_the_end) {
    grow_to(3);  // 3, 2, 1 (disabled)
    size_t from = open({press(key::down), press(key::del), press(key::esc)});
    EXPECT_EQ(numbers(), (std::vector<int>{3, 1}));
    EXPECT_EQ(host_cursor(), 0) << "the line after view 2 is disabled: the cursor goes back up";
    EXPECT_EQ(applied_since(from), (std::vector<std::string>{dir("left"), dir("v3")}));
}

TEST_F(editing, delete_on_the_bottom_line_and_on_the_current_view) {
    grow_to(4);
    host->panels().switch_active();  // right active: 1 (current), 4 (disabled), 3, 2
    size_t from = open({press(key::end), press(key::del), press(key::esc)});
    EXPECT_EQ(numbers(), (std::vector<int>{1, 4, 3}));
    EXPECT_EQ(host_cursor(), 2) << "Del on the bottom line: the nearest enabled line above";

    // Del on the current slot's view, next to the disabled line: the panel
    // switches to view 3 at once, and Esc keeps it.
    from = open({press(key::del), press(key::esc)});
    EXPECT_EQ(numbers(), (std::vector<int>{4, 3}));
    EXPECT_EQ(host_cursor(), 1);
    EXPECT_EQ(applied_since(from), (std::vector<std::string>{dir("v3")}));
    EXPECT_EQ(active_dir(), dir("v3"));
    EXPECT_EQ(line_flags(), (std::vector<uint32_t>{list_item_disabled, 0}));
    EXPECT_NE(lines()[1].find('>'), std::string::npos) << "the right panel shows view 3: " << lines()[1];
}

TEST_F(editing, delete_on_the_bottom_line_skips_the_disabled_line_above_it) {
    grow_to(3);
    host->panels().switch_active();  // right active: 1 (current), 3 (disabled), 2
    size_t from = open({press(key::end), press(key::del), press(key::esc)});
    EXPECT_EQ(numbers(), (std::vector<int>{1, 3}));
    EXPECT_EQ(host_cursor(), 0) << "the line above view 2 is disabled: the cursor goes on up to view 1";
    std::vector<std::string> applied = applied_since(from);
    ASSERT_FALSE(applied.empty());
    EXPECT_EQ(applied.back(), dir("right")) << "view 1 is applied again once view 2 is gone";
}

TEST_F(editing, numbers_survive_a_deletion_and_the_next_new_view_reuses_the_gap) {
    grow_to(5);  // 5, 4, 3, 2, 1
    open({press(key::down), press(key::down), press(key::del), press(key::esc)});
    EXPECT_EQ(numbers(), (std::vector<int>{5, 4, 2, 1}));
    size_t from = open({press(keys::new_view), press(keys::renumber), press(key::esc)});
    auto batches = calls_since(from, service::send_dialog_message);
    std::vector<std::string> filled;
    for (const call_entry& c : batches)
        if (c.args[1] == dm_list_set) filled = c.texts;
    ASSERT_EQ(filled.size(), 5u);
    EXPECT_EQ(std::atoi(filled[0].c_str()), 5) << "renumbered: the top line is n";
    EXPECT_EQ(std::atoi(filled[4].c_str()), 1);
    EXPECT_EQ(numbers(next_lines()), (std::vector<int>{5, 4, 3, 2, 1}));
}

TEST_F(editing, the_new_view_takes_the_number_a_deletion_gave_back) {
    grow_to(4);
    open({press(key::down), press(key::del), press(keys::new_view), press(key::esc)});
    EXPECT_EQ(numbers(), (std::vector<int>{4, 3, 2, 1}));
    EXPECT_NE(lines()[1].find("C:\\ "), std::string::npos) << "view 3 is the new one: " << lines()[1];
}

TEST_F(editing, renumbering_applies_nothing_and_keeps_order_and_cursor) {
    grow_to(4);
    open({press(key::down), press(key::down), press(key::del), press(key::esc)});  // 4, 3, 1
    size_t from = open({press(key::down), press(keys::renumber), press(key::esc)});
    size_t at = from;
    for (size_t i = from; i < host->log().size(); ++i)
        if (host->log()[i].service == service::send_dialog_message &&
            host->log()[i].args[1] == dm_list_get_position)
            at = i;  // the renumber's own message 30 is the last one
    EXPECT_EQ(messages_since(at),
              (std::vector<int32_t>{dm_list_get_position, dm_enable_redraw, dm_list_set, dm_list_set_position,
                                    dm_enable_redraw, dm_redraw, dm_close}));
    EXPECT_EQ(redraw_switches_since(at), (std::vector<int32_t>{0, 1}));
    EXPECT_EQ(applied_since(from), (std::vector<std::string>{dir("v3"), dir("v4")})) << "move and Esc only";
    EXPECT_EQ(numbers(), (std::vector<int>{3, 2, 1}));
    EXPECT_EQ(host_cursor(), 1);
}

// The rebuild pushes the lines, both items, the size and the centre, in that
// order.
TEST_F(editing, refresh_applies_the_shown_view_again_and_rebuilds_the_layout) {
    grow_to(3);
    size_t from = open({press(key::ctrl_r), press(key::esc)});
    EXPECT_EQ(applied_since(from), (std::vector<std::string>{dir("v3")}));
    EXPECT_EQ(messages_since(from),
              (std::vector<int32_t>{dm_list_mouse_reaction, dm_list_get_position, dm_enable_redraw,
                                    dm_list_set, dm_list_set_position, dm_set_item, dm_set_item, dm_resize,
                                    dm_move, dm_enable_redraw, dm_redraw, dm_close}));
    EXPECT_EQ(redraw_switches_since(from), (std::vector<int32_t>{0, 1})) << "drawing off around the rebuild";
    std::vector<call_entry> sent = calls_since(from, service::send_dialog_message);
    ASSERT_EQ(sent.size(), 12u);
    EXPECT_EQ(sent[5].args[2], 0);
    EXPECT_EQ(sent[5].values, (std::vector<int32_t>{item_double_box, 2, 1, 33, 10, 0}));
    EXPECT_EQ(sent[6].args[2], 1);
    EXPECT_EQ(sent[6].values, (std::vector<int32_t>{item_list_box, 3, 2, 32, 9, 0x40040000}));
    EXPECT_EQ(sent[7].args[2], 0);
    EXPECT_EQ(sent[7].values, (std::vector<int32_t>{36, 12}));
    EXPECT_EQ(sent[8].args[2], 1);
    EXPECT_EQ(sent[8].values, (std::vector<int32_t>{-1, -1}));
}

TEST_F(editing, refresh_marks_a_vanished_directory) {
    grow_to(3);
    tree.remove("v3");
    size_t from = open({press(key::ctrl_r), press(key::esc)});
    EXPECT_EQ(lines()[0].substr(0, 3), "3- ") << lines()[0];
    EXPECT_EQ(applied_since(from), (std::vector<std::string>{"C:\\"}))
        << "an invalid view goes to the fallback";
}

TEST_F(editing, every_editing_key_leaves_the_dialog_open_in_ctrl_mode) {
    grow_to(4);
    size_t from =
        open({press(keys::new_view), press(keys::duplicate), press(key::ctrl | key::del),
              press(keys::ctrl_f4), press(keys::renumber), press(key::ctrl_r), idle(), ctrl_up(), idle()},
             true);
    auto messages = messages_since(from);
    EXPECT_EQ(std::count(messages.begin(), messages.end(), dm_close), 1);
    EXPECT_EQ(messages.back(), dm_close) << "closed only by the release";
    EXPECT_EQ(numbers(next_lines()).size(), 4u) << "two made, two deleted";
}

}  // namespace
}  // namespace tolvik::test
