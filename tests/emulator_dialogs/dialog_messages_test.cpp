// Dialog messages sent from inside notifications: the host's copies of items
// and lines, list positions, size and place, drawing on and off.
#include "engine_fixture.h"

namespace tolvik::test {
using namespace emu;
namespace {

// Runs a list dialog and calls `act` once, inside the key notification of 'k'.
// Returns the dialog as the host held it at the end.
class list_messages : public engine_test {
protected:
    plugin_lines lines{{"one", "two", "three", "four", "five", "six", "seven", "eight", "nine", "ten"}, 4};
    std::vector<FarDialogItem> items{box_item(2, 1, 27, 10, "Views"),
                                     list_box_item(3, 2, 26, 9, &lines.record)};

    const open_dialog& run_with(const std::function<void(host_handle)>& act) {
        on_key_k(act);
        input.keys({'k', key::esc});
        run(items, 30, 12);
        return engine->history().back();
    }
};

TEST_F(list_messages, position_set_is_read_back_and_clamped_to_the_lines) {
    list_position got{-7, -7};
    list_position late{-7, -7};
    const open_dialog& record = run_with([&](host_handle dialog) {
        list_position set{6, 2};
        EXPECT_EQ(send(dialog, dm_list_set_position, 1, &set), 6);
        EXPECT_EQ(send(dialog, dm_list_get_position, 1, &got), 6);
        list_position beyond{25, 40};
        send(dialog, dm_list_set_position, 1, &beyond);
        send(dialog, dm_list_get_position, 1, &late);
    });
    EXPECT_EQ(got.select, 6);
    EXPECT_EQ(got.top, 2);
    EXPECT_EQ(late.select, 9) << "expected the last line";
    EXPECT_EQ(late.top, 2) << "expected the last full window (10 lines, 8 visible)";
    EXPECT_EQ(record.items[1].list_select, 9);
    auto sent = calls.calls_to(service::send_dialog_message);
    ASSERT_GE(sent.size(), 2u);
    EXPECT_EQ(sent[1].values, (std::vector<int32_t>{6, 2})) << "message 30 is logged with what it filled";
    EXPECT_TRUE(failures.empty()) << failure_text();
}

TEST_F(list_messages, replacing_lines_copies_them_and_keeps_the_cursor_on_a_line) {
    plugin_lines fewer{{"alpha", "beta"}, 1};
    const open_dialog& record = run_with([&](host_handle dialog) {
        list_position set{7, 2};
        send(dialog, dm_list_set_position, 1, &set);
        EXPECT_EQ(send(dialog, dm_list_set, 1, &fewer.record), 2);
        std::strcpy(fewer.items[0].text, "gone");
    });
    ASSERT_EQ(record.items[1].lines.size(), 2u);
    EXPECT_STREQ(record.items[1].lines[0].text, "alpha") << "expected the host's own copy";
    EXPECT_EQ(record.items[1].lines[1].flags, list_item_disabled);
    EXPECT_EQ(record.items[1].list_select, 1);
    EXPECT_EQ(record.items[1].list_top, 0);
    const call_entry* logged = calls.last(service::send_dialog_message);
    ASSERT_NE(logged, nullptr);
    EXPECT_EQ(logged->texts, (std::vector<std::string>{"alpha", "beta"}));
}

TEST_F(list_messages, lines_copied_at_creation_item_replacement_size_and_place) {
    const open_dialog& record = run_with([this](host_handle dialog) {
        std::strcpy(lines.items[0].text, "changed");  // the plugin's buffer, not the host's
        FarDialogItem wider = box_item(2, 1, 37, 10, "Wider");
        EXPECT_EQ(send(dialog, dm_set_item, 0, &wider), 1);
        std::strcpy(wider.text, "not seen");
        screen_point size{40, 12};
        EXPECT_EQ(send(dialog, dm_resize, 0, &size), 1);
        screen_point centre{-1, -1};
        EXPECT_EQ(send(dialog, dm_move, 1, &centre), 1);
    });
    EXPECT_EQ(record.title(), "Wider");
    EXPECT_EQ(record.items[0].record.right, 37);
    EXPECT_EQ(record.width, 40);
    EXPECT_EQ(record.left, 20) << "expected the resized dialog centred again";
    EXPECT_EQ(record.top, 6);
    ASSERT_EQ(record.items[1].lines.size(), 10u) << "replacing the box keeps the list's lines";
    EXPECT_STREQ(record.items[1].lines[0].text, "one") << "copied when the dialog was made";
    EXPECT_EQ(record.items[1].lines[4].flags, list_item_disabled);
    EXPECT_TRUE(failures.empty()) << failure_text();
}

TEST_F(list_messages, no_redraw_while_stopped_counting_nested_stops) {
    int32_t during = -1;
    int32_t after_inner_resume = -1;
    int32_t after = -1;
    run_with([&](host_handle dialog) {
        int32_t before = engine->redraw_count();
        send(dialog, dm_enable_redraw, 0);
        send(dialog, dm_enable_redraw, 0);
        send(dialog, dm_redraw, 0);
        screen_point size{30, 12};
        send(dialog, dm_resize, 0, &size);
        during = engine->redraw_count() - before;
        send(dialog, dm_enable_redraw, 1);
        send(dialog, dm_redraw, 0);
        after_inner_resume = engine->redraw_count() - before;
        send(dialog, dm_enable_redraw, 1);
        send(dialog, dm_redraw, 0);
        after = engine->redraw_count() - before;
    });
    EXPECT_EQ(during, 0) << "expected no redraw while stopped, got " << during;
    EXPECT_EQ(after_inner_resume, 0) << "one resume of two stops must not draw";
    EXPECT_GE(after, 1) << "expected drawing once both stops were resumed";
    EXPECT_GE(engine->skipped_redraws(), 3);
}

// The mouse reaction is recorded; malformed records, list messages to other
// items and unknown messages fail.
TEST_F(list_messages, mouse_reaction_and_messages_the_host_refuses) {
    list_record bogus{-3, nullptr};
    list_record missing{4, nullptr};
    const open_dialog& record = run_with([&](host_handle dialog) {
        send(dialog, dm_list_set, 1, &bogus);
        send(dialog, dm_list_set, 1, &missing);
        EXPECT_EQ(send(dialog, dm_list_mouse_reaction, 1), 0);
        EXPECT_EQ(send(dialog, 77, 0), 0);
        list_position position{0, 0};
        EXPECT_EQ(send(dialog, dm_list_get_position, 0, &position), 0);
        EXPECT_EQ(send(dialog, dm_list_set_position, 5, &position), 0);
        EXPECT_EQ(send(dialog, dm_list_set, 1), 0);
        EXPECT_EQ(send(dialog, dm_set_item, 2), 0);
        EXPECT_EQ(send(dialog, dm_resize, 0), 0);
    });
    EXPECT_TRUE(record.items[1].lines.empty()) << "a malformed record gives no lines";
    EXPECT_EQ(record.items[1].mouse_reaction, 0);
    EXPECT_EQ(record.items[0].mouse_reaction, -1);
    ASSERT_EQ(failures.size(), 8u) << failure_text();
    EXPECT_NE(failures[2].find("unexpected dialog message 77"), std::string::npos) << failures[2];
}

}  // namespace
}  // namespace tolvik::test
