// The Control key as GetAsyncKeyState reports it: only the held bit (0x8000)
// counts, not the "pressed since the last query" bit (0x0001).
#include "e2e/list_fixture.h"

namespace tolvik::test {
using namespace emu;
namespace {

class key_state : public list_dialog_test {
protected:
    // Opens the list with the Control key in `state`; returns the double
    // box's left edge inside the dialog (no margin in Ctrl mode).
    int32_t open_with(uint16_t state, const std::vector<input_event>& events) {
        for (const input_event& e : events) host->input().push(e);
        host->set_key_state(virtual_key_control, state);
        host->open_plugin();
        EXPECT_TRUE(host->input().empty())
            << "state " << state << ": input left over after the dialog closed";
        host->input().clear();
        host->set_key_held(virtual_key_control, false);
        const open_dialog& run = last_list_run();
        return run.items.empty() ? -1 : run.items[0].record.left;
    }
};

TEST_F(key_state, only_the_held_bit_makes_an_opening_ctrl_mode) {
    const int32_t normal = open_with(0x0000, {idle(), press(key::esc)});
    const int32_t ctrl = open_with(0x8000, {idle(), press(key::ctrl | key::esc)});
    ASSERT_NE(normal, ctrl) << "Ctrl mode has a box without margins";

    // Pressed since the last query but not held: normal mode, where an idle
    // tick does nothing and Esc closes.
    EXPECT_EQ(open_with(0x0001, {idle(), press(key::esc)}), normal);
    // Held and pressed since: Ctrl mode, still held at the idle tick.
    EXPECT_EQ(open_with(0x8001, {idle(), press(key::ctrl | key::esc)}), ctrl);
}

TEST_F(key_state, ctrl_mode_ends_when_only_the_pressed_bit_is_left) {
    grow_to(3);
    // The cursor moves to view 2's line; then the key reads 0x0001 (let go
    // after a press): the next idle tick is the release, which commits view 2.
    size_t from = host->log().size();
    open_and_watch({press(key::ctrl | key::down)}, {idle()}, true,
                   [&] { host->set_key_state(virtual_key_control, 0x0001); });
    EXPECT_EQ(applied_since(from).size(), 1u) << host->report();
}

}  // namespace
}  // namespace tolvik::test
