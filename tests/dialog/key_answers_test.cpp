// What the list answers the host for notifications it keeps from the default
// dialog procedure: every key it acts on (answered 1, so that the host does
// not act on it again), Ctrl+U (swallowed, answered 0) and, in Ctrl mode
// with Ctrl held, the idle notification (answered 1); and the keys it leaves
// to that procedure.
#include <gtest/gtest.h>

#include <ios>

#include "dialog/view_list_dialog_impl.h"
#include "emulator/host.h"
#include "host/constants.h"
#include "support/linked_plugin_test.h"

namespace tolvik::test {
using namespace emu;
namespace {

// What the list answered one message and how often it called the default
// dialog procedure for it.
struct answer_seen {
    bool asked = false;
    param_t answer = -1;
    size_t default_calls = 0;
};

class key_answers : public linked_plugin_test {
protected:
    // Opens the list and, at its first wait for input, sends it the message
    // as the host would; then Esc closes it.
    answer_seen ask_while_open(int32_t message, int32_t param1, param_t param2) {
        answer_seen seen;
        host.input().set_source([&](input_event& e) {
            if (!seen.asked) {
                seen.asked = true;
                size_t before = host.log().count(service::default_dialog_proc);
                seen.answer = dialog_proc(the_view_list_dialog().dialog_handle(), message, param1, param2);
                seen.default_calls = host.log().count(service::default_dialog_proc) - before;
            }
            e = {input_kind::key, key::esc};
            return true;
        });
        host.open_plugin();
        host.input().set_source(nullptr);
        return seen;
    }
};

TEST_F(key_answers, every_key_the_list_acts_on_is_answered_1_without_the_default_procedure) {
    // Answered 0, a key would go on to the host's own list and dialog: a
    // move made twice, a close asked of a closed dialog. The delete keys are
    // answered 1 also where two views refuse them.
    start();
    const int32_t keys[] = {key::enter,
                            key::esc,
                            key::f10,
                            key::down,
                            key::wheel_down,
                            key::ctrl_tilde,
                            key::up,
                            key::wheel_up,
                            key::ctrl_shift_tilde,
                            key::home,
                            key::ctrl | key::home,
                            key::end,
                            key::ctrl | key::end,
                            key::pg_up,
                            key::ctrl | key::pg_up,
                            key::pg_dn,
                            key::ctrl | key::pg_dn,
                            key::ctrl | key::shift | key::f3,
                            key::ctrl | key::f3,
                            key::ctrl | key::f4,
                            key::del,
                            key::ctrl | key::del,
                            key::ctrl | key::shift | key::f5,
                            key::ctrl_r};
    for (int32_t k : keys) {
        answer_seen seen = ask_while_open(dn_key, 1, k);
        ASSERT_TRUE(seen.asked) << host.report();
        EXPECT_EQ(seen.answer, 1) << "key 0x" << std::hex << k;
        EXPECT_EQ(seen.default_calls, 0u) << "key 0x" << std::hex << k;
    }
}

TEST_F(key_answers, a_key_refused_over_a_panel_that_cannot_be_switched_is_answered_1) {
    // The tree panel's view is current: the guarded keys show the warning
    // (closed by the next event, Esc) instead of acting. The box calls the
    // default procedure for its own messages.
    host.panels().active().type = panel_tree;
    start();
    const int32_t keys[] = {key::down,
                            key::up,
                            key::home,
                            key::end,
                            key::pg_up,
                            key::pg_dn,
                            key::wheel_up,
                            key::ctrl | key::f3,
                            key::ctrl | key::shift | key::f3};
    for (int32_t k : keys) {
        const size_t boxes = host.dialogs().history().size();
        answer_seen seen = ask_while_open(dn_key, 1, k);
        ASSERT_TRUE(seen.asked) << host.report();
        EXPECT_EQ(host.dialogs().history().size(), boxes + 2) << "the warning box, then the list";
        EXPECT_EQ(seen.answer, 1) << "key 0x" << std::hex << k;
    }
}

TEST_F(key_answers, keys_the_list_does_not_know_go_to_the_default_procedure) {
    // Key code 0 among them: the key table's unused slots hold 0 and must
    // match no key.
    start();
    for (int32_t k : {0, int32_t{'a'}, key::f5}) {
        answer_seen seen = ask_while_open(dn_key, 1, k);
        ASSERT_TRUE(seen.asked) << host.report();
        EXPECT_EQ(seen.default_calls, 1u) << "key 0x" << std::hex << k;
        EXPECT_EQ(seen.answer, 0) << "the default procedure's answer, key 0x" << std::hex << k;
    }
}

TEST_F(key_answers, ctrl_u_is_answered_0_without_the_default_procedure) {
    start();
    answer_seen seen = ask_while_open(dn_key, 1, key::ctrl_u);
    ASSERT_TRUE(seen.asked) << host.report();
    EXPECT_EQ(seen.answer, 0);
    EXPECT_EQ(seen.default_calls, 0u) << host.report();
}

TEST_F(key_answers, idle_in_ctrl_mode_with_ctrl_held_is_answered_1_without_the_default_procedure) {
    start();
    host.set_key_held(virtual_key_control, true);
    answer_seen seen = ask_while_open(dn_idle, 0, 0);
    host.set_key_held(virtual_key_control, false);
    ASSERT_TRUE(seen.asked) << host.report();
    EXPECT_EQ(seen.answer, 1);
    EXPECT_EQ(seen.default_calls, 0u) << host.report();
}

}  // namespace
}  // namespace tolvik::test
