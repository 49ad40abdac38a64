// What a failing test prints: the host's report (its failures, then every
// call between the host and the plugin) and the names of input events. A
// maintainer reads these to find a fault; a call under the wrong name, a lost
// argument or a text cut at a control byte sends them looking elsewhere.
#include <gtest/gtest.h>

#include <string>

#include "emulator/call_log.h"
#include "emulator/host.h"
#include "emulator/input.h"
#include "emulator/services.h"
#include "fake_plugin.h"

namespace tolvik::test {
using namespace emu;
namespace {

TEST(host_report, lists_the_failures_then_every_call_indented_inside_the_export_that_made_it) {
    host h;
    h.attach(fake::exports());
    h.set_module_number(7);
    h.lang().set_message(4, "Say \"hi\"\tto C:\\x");
    h.set_startup_info();
    h.open_plugin(3, 4);  // asks for message 4 inside
    get_message_service(8, 4);
    h.exit_far();
    EXPECT_EQ(h.report(),
              "host failures:\n"
              "  message lookup with module number 8, the host gave 7\n"
              "call log:\n"
              "0: export SetStartupInfo(372)\n"
              "1: export OpenPlugin(3, 4) -> -1\n"
              "2:   get_message(7, 4) \"Say \\\"hi\\\"\\x09to C:\\\\x\"\n"
              "3: get_message(8, 4) \"Say \\\"hi\\\"\\x09to C:\\\\x\"\n"
              "4: export ExitFAR()\n");

    h.clear_failures();
    h.log().clear();
    EXPECT_EQ(h.report(), "call log:\n") << "no failures, no calls: nothing but the heading";
}

TEST(host_report, a_call_shows_its_values_every_text_and_a_result_of_zero) {
    call_log log;
    size_t first = log.add(call_kind::service, service::panel_control, {-1, 12, 0}, {3, -4}, {});
    log.set_result(first, 0);
    log.add(call_kind::service, service::unexpected, {}, {}, {"startup+268", "", "\x7f\x01\x1f ~"});
    log.set_result(7, 1);  // no such entry: ignored
    EXPECT_EQ(log[0].describe(), "panel_control(-1, 12, 0) values {3, -4} -> 0");
    EXPECT_EQ(log[1].describe(), "unexpected() \"startup+268\" \"\" \"\\x7F\\x01\\x1F ~\"");
    EXPECT_EQ(to_string(std::vector<int32_t>{}), "{}");
    EXPECT_EQ(to_string(std::vector<int32_t>{16}), "{16}");
}

TEST(input_events, each_kind_has_its_own_name) {
    EXPECT_EQ(describe({input_kind::key, 0x128}), "key 0x128");
    EXPECT_EQ(describe({input_kind::key, -1}), "key 0xFFFFFFFF");
    EXPECT_EQ(describe({input_kind::ctrl_down, 0}), "ctrl down");
    EXPECT_EQ(describe({input_kind::ctrl_up, 0}), "ctrl up");
    EXPECT_EQ(describe({input_kind::idle, 0}), "idle");
    EXPECT_EQ(describe({input_kind::cancel, 0}), "cancel");
    EXPECT_EQ(describe({input_kind::shutdown, 0}), "shutdown");
    EXPECT_EQ(describe({input_kind::notification, 4097}), "notification 4097");
}

}  // namespace
}  // namespace tolvik::test
