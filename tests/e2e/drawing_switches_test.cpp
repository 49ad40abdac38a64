// The drawing messages of every edit and every cursor move: redraw off, then
// on, then a redraw, each with Param2 0 as the host documents them (the host
// may read a non-zero Param2 of message 3 or 14 as something else).
#include <gtest/gtest.h>

#include "list_fixture.h"

namespace tolvik::test {
using namespace emu;
namespace {

class drawing_switches : public list_dialog_test {
protected:
    // Opens the list, presses `k` and Esc; every drawing message has Param2
    // 0 (a redraw Param1 0 too), and the drawing is switched off first and on
    // last.
    void expect_switches_with_param2_0(int32_t k) {
        size_t from = open({press(k), press(key::esc)});
        std::vector<int32_t> switches;
        for (const call_entry& c : calls_since(from, service::send_dialog_message)) {
            if (c.args[1] != dm_redraw && c.args[1] != dm_enable_redraw) continue;
            EXPECT_EQ(c.args[3], 0) << "Param2 is 0: " << c.describe();
            if (c.args[1] == dm_enable_redraw) switches.push_back(c.args[2]);
            if (c.args[1] == dm_redraw) {
                EXPECT_EQ(c.args[2], 0) << "Param1 is 0: " << c.describe();
            }
        }
        ASSERT_FALSE(switches.empty()) << "key " << k;
        EXPECT_EQ(switches.front(), 0) << "key " << k;
        EXPECT_EQ(switches.back(), 1) << "key " << k;
    }
};

TEST_F(drawing_switches, every_move_and_edit_sends_them_with_param2_0) {
    grow_to(4);
    using keys::does;
    auto changes_the_list = [](const keys::list_key& r) {
        return r.action != does::commit && r.action != does::revert && r.action != does::swallow;
    };
    for (int32_t k : keys::codes_of(changes_the_list)) expect_switches_with_param2_0(k);
}

}  // namespace
}  // namespace tolvik::test
