// What the list answers the host for notifications it keeps from the default
// dialog procedure: Ctrl+U (swallowed, answered 0) and, in Ctrl mode with
// Ctrl held, the idle notification (answered 1).
#include <gtest/gtest.h>

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
