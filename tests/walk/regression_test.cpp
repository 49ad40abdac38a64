// Faults the walk found, each pinned by the shortest event sequence that
// showed it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/constants.h"
#include "support/linked_plugin_test.h"
#include "support/list_keys.h"
#include "walk/invariants.h"

namespace tolvik::test {
namespace {

class walk_regression : public walk_tree_test {
protected:
    void SetUp() override {
        walk_tree_test::SetUp();
        host.set_startup_info();
    }

    // Opens the list and presses `keys`; the invariants are checked when the
    // host asks for the first key, into first_check.
    void open_with(std::vector<int32_t> keys) {
        first_check.clear();
        size_t next = 0;
        host.input().set_source([&](emu::input_event& event) {
            if (next == 0) {
                panel_expectation expect;
                first_check = check_all(host, stage::list_open, expect);
            }
            if (next == keys.size()) return false;
            event = {emu::input_kind::key, keys[next++]};
            return true;
        });
        host.open_plugin();
        host.input().set_source(nullptr);
    }

    std::string first_check;
};

// A view made on the top line and left by Esc stands first in recent_views,
// shown by no panel. The next opening must not take it for the view the
// active panel shows: Enter on it must put the panel there.
TEST_F(walk_regression, opening_after_a_new_top_line_view_and_esc_commits_what_the_panel_shows) {
    open_with({keys::new_view, key::esc});
    ASSERT_EQ(host.panels().active().directory(), tree.windows("a"));
    open_with({key::enter});
    EXPECT_EQ(first_check, "") << "expected the invariants to hold when the list opened";
    view* shown = current_slot()->shown_view();
    EXPECT_EQ(host.panels().active().directory(), shown->is_valid() ? shown->path() : fallback_directory)
        << "expected the active panel to show the view its slot shows after Enter";
    panel_expectation unused;
    EXPECT_EQ(check_all(host, stage::list_closed, unused), "");
}

}  // namespace
}  // namespace tolvik::test
