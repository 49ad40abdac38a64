// The Ctrl stand-in around one run of the plugin, as the host's Ctrl key
// shows it: held for the run only when F12 stands in for it, never left
// held, and let go only by Space or F12.
#include "ctrl_mode.h"

#include <gtest/gtest.h>

#include "host/constants.h"
#include "key_decoder.h"

namespace tolvik::tools {
namespace {

TEST(ctrl_mode, holds_ctrl_only_as_the_stand_in_and_lets_go_only_on_space_or_f12) {
    emu::host host;
    ctrl_mode ctrl;
    EXPECT_FALSE(ctrl.wants_idle()) << "no run: no idle ticks";
    ctrl.begin(host, true);
    EXPECT_TRUE(host.key_held(virtual_key_control));
    EXPECT_TRUE(ctrl.on(host));
    EXPECT_TRUE(ctrl.stand_in());
    EXPECT_TRUE(ctrl.wants_idle());
    EXPECT_TRUE(ctrl.lets_go(host, keys::space));
    EXPECT_TRUE(ctrl.lets_go(host, keys::f(12)));
    EXPECT_TRUE(ctrl.lets_go(host, keys::shift | keys::f(12)));
    EXPECT_FALSE(ctrl.lets_go(host, keys::enter));
    EXPECT_FALSE(ctrl.lets_go(host, keys::f(11)));

    host.set_key_held(virtual_key_control, false);  // the ctrl_up the host sent
    EXPECT_FALSE(ctrl.on(host));
    EXPECT_FALSE(ctrl.lets_go(host, keys::space)) << "already let go";
    EXPECT_TRUE(ctrl.wants_idle()) << "the idle tick after Ctrl goes up commits";
    ctrl.end(host);
    EXPECT_FALSE(host.key_held(virtual_key_control));
    EXPECT_FALSE(ctrl.wants_idle());

    ctrl.begin(host, true);
    ctrl.end(host);
    EXPECT_FALSE(host.key_held(virtual_key_control)) << "a run that ends with Ctrl held lets go of it";

    // A Ctrl the terminal holds is left to the terminal.
    host.set_key_held(virtual_key_control, true);
    ctrl.begin(host, true);
    EXPECT_TRUE(ctrl.on(host));
    EXPECT_FALSE(ctrl.stand_in()) << "F12 with Ctrl down is the real thing";
    EXPECT_FALSE(ctrl.lets_go(host, keys::space)) << "only the terminal's release lets go";
    ctrl.end(host);
    EXPECT_TRUE(host.key_held(virtual_key_control)) << "the terminal's Ctrl stays down";

    host.set_key_held(virtual_key_control, false);
    ctrl.begin(host, false);
    EXPECT_FALSE(host.key_held(virtual_key_control));
    EXPECT_FALSE(ctrl.on(host));
    EXPECT_FALSE(ctrl.wants_idle()) << "opened from the menu: idle ticks are dropped";
    ctrl.end(host);
}

}  // namespace
}  // namespace tolvik::tools
