// The extended dialog's modal loop: notifications, closing, nesting, running
// out of input.
#include "engine_fixture.h"

namespace tolvik::test {
using namespace emu;
namespace {

using modal_loop = engine_test;

std::vector<FarDialogItem> ok_cancel_dialog() {
    return {box_item(2, 1, 27, 6, "Question"), text_item(-1, 2, "Go on?"),
            button_item(-1, 4, "OK", flag_button_centered, true),
            button_item(-1, 4, "Cancel", flag_button_centered)};
}

TEST_F(modal_loop, init_first_then_keys_idle_and_ctrl_in_order) {
    auto items = ok_cancel_dialog();
    outer_handler = [](host_handle, int32_t message, int32_t, param_t) -> param_t {
        return message == dn_key || message == dn_close ? 1 : 0;  // swallow every key
    };
    input.key('a');
    input.idle();
    input.ctrl_down();
    input.ctrl_up();
    input.cancel();

    int32_t result = run(items);

    EXPECT_EQ(result, -1) << "expected a host cancel to end with -1";
    std::vector<int32_t> expected{dn_init, dn_key, dn_idle, dn_close};
    EXPECT_EQ(messages_seen(), expected)
        << "expected init, key, idle, close; got " << to_string(messages_seen());
    ASSERT_EQ(seen.size(), 4u);
    EXPECT_EQ(seen[0].param2, 0x55) << "init carries the dialog's param";
    EXPECT_EQ(seen[1].param2, 'a') << "the key code is Param2";
    EXPECT_EQ(seen[3].param1, -1) << "a cancel closes with item -1";
    EXPECT_EQ(ctrl_changes, (std::vector<bool>{true, false})) << "Ctrl events set the key state only";
    EXPECT_TRUE(failures.empty()) << failure_text();
    EXPECT_EQ(engine->open_count(), 0u);
}

// What a host may do beside what a plugin asks: end a dialog with an item of
// its own choosing, tear it down without the close notification, or not run
// it at all.
TEST_F(modal_loop, the_host_ends_dialogs_on_its_own_terms) {
    const struct {
        const char* what;
        input_event event;
        int32_t result;
        std::vector<int32_t> messages;
    } ends[] = {
        {"an item of its own", {input_kind::close, 2}, 2, {dn_init, dn_close}},
        {"no close notification", {input_kind::shutdown, 0}, -1, {dn_init}},
        {"not run at all", {input_kind::refuse_dialog, 0}, -1, {}},
    };
    for (const auto& e : ends) {
        SCOPED_TRACE(e.what);
        seen.clear();
        auto items = ok_cancel_dialog();
        input.push(e.event);
        EXPECT_EQ(run(items), e.result);
        EXPECT_EQ(messages_seen(), e.messages) << to_string(messages_seen());
        if (e.result >= 0) {
            EXPECT_EQ(seen.back().param1, e.result) << "the close carries the item";
        }
        EXPECT_TRUE(input.empty());
        EXPECT_TRUE(failures.empty()) << failure_text();
    }
    EXPECT_EQ(engine->history().size(), 2u) << "a dialog that never ran is not recorded";
}

TEST_F(modal_loop, enter_without_handler_closes_on_the_default_button_and_is_recorded) {
    auto items = ok_cancel_dialog();
    input.key(key::enter);

    int32_t result = run(items, 30, 8, outer_proc, "Topic", style_warning);

    EXPECT_EQ(result, 2) << "expected the default button (item 2)";
    ASSERT_EQ(engine->history().size(), 1u);
    const open_dialog& record = engine->history()[0];
    EXPECT_EQ(record.title(), "Question");
    EXPECT_EQ(record.width, 30);
    EXPECT_EQ(record.height, 8);
    EXPECT_EQ(record.left, 25) << "centred in 80 columns";
    EXPECT_EQ(record.top, 8) << "centred in 25 rows";
    EXPECT_EQ(record.flags, style_warning);
    EXPECT_EQ(record.help_topic, "Topic");
    EXPECT_EQ(record.items.size(), 4u);
    EXPECT_EQ(record.result, 2);
    const call_entry* logged = calls.last(service::dialog_ex);
    ASSERT_NE(logged, nullptr);
    EXPECT_EQ(logged->texts, (std::vector<std::string>{"Topic", "Question"}));
    EXPECT_TRUE(logged->has_result && logged->result == 2) << logged->describe();
    EXPECT_TRUE(failures.empty()) << failure_text();
}

// A key answered 0 is the host's to act on, without the default procedure;
// a handled key or a refused close keeps the dialog open.
TEST_F(modal_loop, answers_decide_whether_keys_and_closes_end_the_dialog) {
    auto items = ok_cancel_dialog();
    int closes = 0;
    outer_handler = [&closes](host_handle, int32_t message, int32_t, param_t code) -> param_t {
        if (message == dn_key) return code == key::esc ? 1 : 0;
        if (message == dn_close) return ++closes >= 2 ? 1 : 0;
        return 0;
    };
    input.keys({'x', key::esc, key::esc, key::enter, key::enter});
    EXPECT_EQ(run(items), 2) << "Enter answered 0 closes on the default button by the host's own behaviour";
    EXPECT_EQ(closes, 2) << "expected the first close to be refused";
    EXPECT_TRUE(input.empty()) << "all keys went to the one dialog";
    EXPECT_EQ(calls.count(service::default_dialog_proc), 0u);
    EXPECT_TRUE(failures.empty()) << failure_text();
}

TEST_F(modal_loop, input_running_out_cancels_with_a_clear_failure_even_a_refused_close) {
    auto items = ok_cancel_dialog();
    input.key('q');
    EXPECT_EQ(run(items), -1);
    ASSERT_EQ(failures.size(), 1u) << failure_text();
    EXPECT_EQ(failures[0], "input ran out while dialog 'Question' was open");
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen.back().message, dn_close);
    EXPECT_EQ(seen.back().param1, -1);

    // A dialog that refuses to close ends all the same.
    outer_handler = [](host_handle, int32_t, int32_t, param_t) -> param_t { return 0; };
    EXPECT_EQ(run(items), -1);
    EXPECT_EQ(failures.size(), 3u) << "expected the run-out and the refusal, got:\n" << failure_text();
    EXPECT_EQ(engine->open_count(), 0u);
}

TEST_F(modal_loop, nested_open_dialogs_its_own_loop_inside_the_outer_notification) {
    std::vector<FarDialogItem> inner_items{box_item(0, 0, 19, 3, "Inner"),
                                           button_item(-1, 2, "OK", flag_button_centered, true)};
    auto outer_items = ok_cancel_dialog();
    int32_t inner_result = 99;
    size_t open_inside = 0;
    outer_handler = [&](host_handle, int32_t message, int32_t, param_t code) -> param_t {
        if (message == dn_key && code == 'n') {
            inner_result = dialog_ex(7, -1, -1, 20, 4, nullptr, inner_items.data(), 2, 0, 1, inner_proc, 0);
            return 1;
        }
        return message == dn_close ? 1 : 0;
    };
    inner_handler = [&](host_handle dialog, int32_t message, int32_t param1, param_t param2) -> param_t {
        if (message == dn_key && param2 == 'm') {
            open_inside = engine->open_count();
            // The outer dialog (its handle came with its init) still answers
            // messages while the inner one runs.
            EXPECT_EQ(send(seen[0].dialog, dm_redraw, 0), 1);
            return 1;
        }
        return default_dialog_proc(dialog, message, param1, param2);
    };
    input.keys({'n', 'm', key::esc, key::enter});

    int32_t result = run(outer_items);

    EXPECT_EQ(open_inside, 2u) << "expected both dialogs open inside the inner notification";
    EXPECT_EQ(inner_result, -1) << "Esc went to the inner dialog";
    EXPECT_EQ(result, 2) << "Enter went to the outer dialog after the inner one closed";
    ASSERT_EQ(engine->history().size(), 2u);
    EXPECT_EQ(engine->history()[0].title(), "Inner");
    EXPECT_EQ(engine->history()[0].depth, 1);
    EXPECT_EQ(engine->history()[1].title(), "Question");
    EXPECT_EQ(engine->history()[1].depth, 0);
    EXPECT_TRUE(failures.empty()) << failure_text();
    // The inner dialog_ex call is logged one level deeper than the outer.
    auto runs = calls.calls_to(service::dialog_ex);
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[1].depth, runs[0].depth + 1);
}

// A message after the accepted close finds the dialog still open, but is the
// plugin's fault.
TEST_F(modal_loop, close_message_ends_with_its_param1_after_the_notification_returns) {
    auto items = ok_cancel_dialog();
    bool after_close_still_open = false;
    outer_handler = [&](host_handle dialog, int32_t message, int32_t, param_t) -> param_t {
        if (message == dn_key) {
            EXPECT_EQ(send(dialog, dm_close, 3), 1);
            after_close_still_open = engine->open_count() == 1;
            send(dialog, dm_redraw, 0);
        }
        return 1;
    };
    input.key('z');
    EXPECT_EQ(run(items), 3);
    EXPECT_TRUE(after_close_still_open) << "the dialog ends only once the notification has returned";
    std::vector<int32_t> expected{dn_init, dn_key, dn_close};
    EXPECT_EQ(messages_seen(), expected) << to_string(messages_seen());
    ASSERT_EQ(failures.size(), 1u) << failure_text();
    EXPECT_EQ(failures[0], "dialog message 14 to dialog 'Question' after its close was accepted");
}

TEST_F(modal_loop, message_to_a_closed_dialog_is_a_failure_not_a_crash) {
    auto items = ok_cancel_dialog();
    input.key(key::enter);
    run(items);
    ASSERT_EQ(seen.size(), 3u) << "expected init, Enter and close";
    host_handle remembered = seen[0].dialog;
    ASSERT_NE(remembered, nullptr);
    EXPECT_EQ(send(remembered, dm_redraw, 0), 0);
    EXPECT_EQ(failures.size(), 1u) << failure_text();
    // A new dialog never gets the handle of an old one.
    input.key(key::enter);
    run(items);
    EXPECT_NE(seen.back().dialog, remembered);
}

TEST_F(modal_loop, malformed_item_arrays_are_refused) {
    EXPECT_EQ(dialog_ex(7, -1, -1, 10, 5, nullptr, nullptr, 3, 0, 0, outer_proc, 0), -1);
    EXPECT_EQ(failures.size(), 1u) << failure_text();
    std::vector<FarDialogItem> items = ok_cancel_dialog();
    EXPECT_EQ(dialog_ex(7, -1, -1, 10, 5, nullptr, items.data(), -2, 0, 0, outer_proc, 0), -1);
    EXPECT_EQ(failures.size(), 2u) << failure_text();
    EXPECT_TRUE(seen.empty()) << "a refused dialog sends no notification";
}

}  // namespace
}  // namespace tolvik::test
