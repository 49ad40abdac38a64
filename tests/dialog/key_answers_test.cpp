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

using key_answers = linked_plugin_test;

TEST_F(key_answers, ctrl_u_is_answered_0_without_the_default_procedure) {
    start();
    param_t answer = -1;
    size_t default_calls = 0;
    bool asked = false;
    host.input().set_source([&](input_event& e) {
        if (!asked) {
            asked = true;
            size_t before = host.log().count(service::default_dialog_proc);
            answer = dialog_proc(the_view_list_dialog().dialog_handle(), dn_key, 1, key::ctrl_u);
            default_calls = host.log().count(service::default_dialog_proc) - before;
        }
        e = {input_kind::key, key::esc};
        return true;
    });
    host.open_plugin();
    host.input().set_source(nullptr);
    ASSERT_TRUE(asked) << host.report();
    EXPECT_EQ(answer, 0);
    EXPECT_EQ(default_calls, 0u) << host.report();
}

TEST_F(key_answers, idle_in_ctrl_mode_with_ctrl_held_is_answered_1_without_the_default_procedure) {
    start();
    param_t answer = -1;
    size_t default_calls = 0;
    bool asked = false;
    host.input().set_source([&](input_event& e) {
        if (!asked) {
            asked = true;
            size_t before = host.log().count(service::default_dialog_proc);
            answer = dialog_proc(the_view_list_dialog().dialog_handle(), dn_idle, 0, 0);
            default_calls = host.log().count(service::default_dialog_proc) - before;
        }
        e = {input_kind::key, key::esc};
        return true;
    });
    host.set_key_held(virtual_key_control, true);
    host.open_plugin();
    host.set_key_held(virtual_key_control, false);
    host.input().set_source(nullptr);
    ASSERT_TRUE(asked) << host.report();
    EXPECT_EQ(answer, 1);
    EXPECT_EQ(default_calls, 0u) << host.report();
}

}  // namespace
}  // namespace tolvik::test
