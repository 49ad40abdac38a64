// The list dialog's size, items, lines and the messages that push a rebuilt
// layout into the running dialog.
#include <algorithm>

#include "e2e/list_fixture.h"

namespace tolvik::test {
using namespace emu;
namespace {

class layout : public list_dialog_test {
protected:
    std::vector<int32_t> rect(const FarDialogItem& item) {
        return {item.left, item.top, item.right, item.bottom};
    }
};

TEST_F(layout, opening_arguments_items_and_lines_in_normal_mode) {
    size_t from = open({press(key::esc)});
    auto calls = calls_since(from, service::dialog_ex);
    ASSERT_EQ(calls.size(), 1u);
    const call_entry& call = calls[0];
    // Longest estimate: 1 + 10 ("file panel") + 8 ("C:\right") + 6 = 25; + 4
    // = 29; + 6 margins = 35, odd, so 36.
    EXPECT_EQ(call.args[0], default_module_number);
    EXPECT_EQ(std::vector<int32_t>(call.args.begin() + 1, call.args.begin() + 5),
              (std::vector<int32_t>{-1, -1, 36, 12}));
    EXPECT_EQ(call.texts[0], "Panel_list");
    EXPECT_EQ(call.args[7], 2);
    EXPECT_EQ(call.args[8], 0);
    EXPECT_EQ(call.args[9], 0) << "dialog flags";
    EXPECT_EQ(call.args[11], 0);

    const open_dialog& run = last_list_run();
    const FarDialogItem& box = run.items[0].record;
    EXPECT_EQ(box.type, item_double_box);
    EXPECT_EQ(rect(box), (std::vector<int32_t>{2, 1, 33, 10}));
    EXPECT_EQ(field_text(box.text, item_text_size), text(msg_list_title));
    EXPECT_EQ(box.flags, 0u);
    const FarDialogItem& list = run.items[1].record;
    EXPECT_EQ(list.type, item_list_box);
    EXPECT_EQ(rect(list), (std::vector<int32_t>{3, 2, 32, 9}));
    EXPECT_EQ(list.flags, 0x40040000u);
    EXPECT_EQ(list.focus, 0);
    EXPECT_EQ(list.default_button, 0);

    // Path column: 29 - 1 - 10 - 9 = 9; each line is 29 - 3 = 26 long.
    EXPECT_EQ(lines(), (std::vector<std::string>{"2. file panel < " + dir("left") + "   ",
                                                 "1. file panel > " + dir("right") + "  "}));
    EXPECT_EQ(line_flags(), (std::vector<uint32_t>{0, list_item_disabled}));
    for (const list_item& line : run.items[1].lines)
        EXPECT_EQ(std::vector<uint32_t>(line.reserved, line.reserved + 3), (std::vector<uint32_t>{0, 0, 0}));

    auto shortened = calls_since(from, service::shorten_path);
    ASSERT_EQ(shortened.size(), 2u) << "one shortened path per line";
    EXPECT_EQ(shortened[0].args[1], 9);
    EXPECT_EQ(shortened[0].texts[0], dir("left"));
    EXPECT_EQ(shortened[1].texts[0], dir("right"));

    // Nothing is sent before the dialog runs; the init sends only 54.
    EXPECT_EQ(messages_since(from), (std::vector<int32_t>{dm_list_mouse_reaction, dm_close}));
}

TEST_F(layout, ctrl_mode_has_no_margins_and_ten_visible_lines) {
    open({press(key::ctrl | key::esc)}, true);
    const open_dialog& run = last_list_run();
    EXPECT_EQ(run.width, 32) << "25 + 4 + 2 = 31, rounded up";
    EXPECT_EQ(run.height, 12);
    EXPECT_EQ(rect(run.items[0].record), (std::vector<int32_t>{0, 0, 31, 11}));
    EXPECT_EQ(rect(run.items[1].record), (std::vector<int32_t>{1, 1, 30, 10}));
}

TEST_F(layout, a_title_longer_than_every_line_sets_the_width) {
    host->lang().set_message(msg_list_title, std::string(40, 'T'));
    open({press(key::esc)});
    EXPECT_EQ(last_list_run().width, 40 + 4 + 6);
    // The lines still end 4 columns before the list's right edge.
    const FarDialogItem& list = last_list_run().items[1].record;
    for (const std::string& line : lines())
        EXPECT_EQ(static_cast<int>(line.size()), list.right - list.left - 3) << "[" << line << "]";
}

TEST_F(layout, the_width_stops_at_68_and_the_path_column_shrinks) {
    std::string deep = "a-rather-long-folder-name-for-the-width-rule/and-one-more-level-below";
    tree.folder(deep);
    host->panels().active().set_directory(dir(deep));
    size_t from = open({press(key::esc)});
    EXPECT_EQ(last_list_run().width, 68);
    const FarDialogItem& list = last_list_run().items[1].record;
    EXPECT_EQ(list.right, 64);
    for (const std::string& line : lines()) EXPECT_EQ(line.size(), 58u) << "[" << line << "]";
    EXPECT_EQ(calls_since(from, service::shorten_path)[0].args[1], 61 - 1 - 10 - 9);
}

TEST_F(layout, numbers_from_10_on_are_right_aligned_in_two_columns) {
    grow_to(10);
    open({press(key::esc)});
    auto all = lines();
    ASSERT_EQ(all.size(), 10u);
    EXPECT_EQ(all[0], "10. file panel < " + dir("v10") + "   ");
    EXPECT_EQ(all[7], " 3. file panel   " + dir("v3") + "    ");
    EXPECT_EQ(all[9], " 1. file panel > " + dir("right") + " ");
}

TEST_F(layout, height_stays_12_with_fifty_views) {
    grow_to(50);
    open({press(key::esc)});
    EXPECT_EQ(last_list_run().height, 12);
    EXPECT_EQ(lines().size(), 50u);
}

TEST_F(layout, a_rebuild_while_running_pushes_lines_items_size_and_centre_in_order) {
    size_t from = open({press(keys::ctrl_r), press(key::esc)});
    std::vector<call_entry> sent = calls_since(from, service::send_dialog_message);
    std::vector<int32_t> numbers;
    for (const call_entry& c : sent) numbers.push_back(c.args[1]);
    const std::vector<int32_t> rebuild{dm_list_set, dm_list_set_position, dm_set_item, dm_set_item, dm_resize,
                                       dm_move};
    auto at = std::search(numbers.begin(), numbers.end(), rebuild.begin(), rebuild.end());
    ASSERT_NE(at, numbers.end()) << to_string(numbers);
    size_t i = static_cast<size_t>(at - numbers.begin());
    EXPECT_EQ(sent[i + 2].args[2], 0);
    EXPECT_EQ(sent[i + 2].values[0], item_double_box);
    EXPECT_EQ(sent[i + 3].args[2], 1);
    EXPECT_EQ(sent[i + 3].values, (std::vector<int32_t>{item_list_box, 3, 2, 32, 9, 0x40040000}));
    EXPECT_EQ(sent[i + 4].args[2], 0);
    EXPECT_EQ(sent[i + 4].values, (std::vector<int32_t>{36, 12}));
    EXPECT_EQ(sent[i + 5].args[2], 1);
    EXPECT_EQ(sent[i + 5].values, (std::vector<int32_t>{-1, -1}));
}

}  // namespace
}  // namespace tolvik::test
