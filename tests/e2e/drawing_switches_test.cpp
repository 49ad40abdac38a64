// The drawing messages of every edit: redraw off, then on, then a redraw,
// each with Param2 0 as the host documents them (the host may read a
// non-zero Param2 of message 3 or 14 as something else).
#include <gtest/gtest.h>

#include "list_fixture.h"

namespace tolvik::test {
using namespace emu;
namespace {

using drawing_switches = list_dialog_test;

TEST_F(drawing_switches, every_edit_sends_them_with_param2_0) {
    grow_to(4);
    for (int32_t edit : {keys::new_view, keys::duplicate, key::del, keys::ctrl_r}) {
        size_t from = open({press(edit), press(key::esc)});
        std::vector<int32_t> switches;
        for (const call_entry& c : calls_since(from, service::send_dialog_message)) {
            if (c.args[1] != dm_redraw && c.args[1] != dm_enable_redraw) continue;
            EXPECT_EQ(c.args[3], 0) << "Param2 is 0: " << c.describe();
            if (c.args[1] == dm_enable_redraw) switches.push_back(c.args[2]);
        }
        EXPECT_FALSE(switches.empty()) << "edit " << edit;
    }
}

}  // namespace
}  // namespace tolvik::test
