// Whole sessions with the plugin linked in, so that its allocations can be
// counted and made to fail: start-up, several openings with panel switches,
// every key, ExitFAR; afterwards nothing is left allocated.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "base/memory.h"
#include "emulator/host.h"
#include "host/constants.h"
#include "plugin/module.h"
#include "support/allocation_sweep.h"
#include "support/linked_plugin_test.h"
#include "support/list_keys.h"

namespace tolvik::test {
using namespace emu;
namespace {

input_event press(int32_t code) { return {input_kind::key, code}; }

class session : public linked_plugin_test {
protected:
    void SetUp() override {
        // Fresh module objects, so that the count starts from nothing.
        module_unload();
        module_load();
        baseline_ = memory::live_blocks();
        linked_plugin_test::SetUp();
        tree.folder("a");
        tree.folder("b");
        host.panels().lay_out(80, 25);
    }
    void TearDown() override {
        host.set_key_held(virtual_key_control, false);
        linked_plugin_test::TearDown();
    }

    void open(const std::vector<input_event>& events, bool ctrl = false) {
        for (const input_event& e : events) host.input().push(e);
        host.set_key_held(virtual_key_control, ctrl);
        host.open_plugin();
        host.input().clear();
    }

    // An opening over `script` with the first allocation failing from the
    // moment the host takes event `failing_at`.
    void open_failing(const std::vector<input_event>& script, size_t failing_at) {
        size_t next = 0;
        host.input().set_source([&](input_event& e) {
            if (next >= script.size()) return false;
            if (next == failing_at) memory::fail_allocation(1);
            e = script[next++];
            return true;
        });
        host.open_plugin();
        host.input().set_source(nullptr);
    }

    // The host saw no fault; after ExitFAR only the dialog's line block may
    // remain, and it goes with the module objects.
    void exit_leaving_nothing() {
        EXPECT_TRUE(host.failures().empty()) << host.report();
        host.clear_failures();
        host.exit_far();
        module_unload();
        EXPECT_EQ(memory::live_blocks(), baseline_)
            << "expected " << baseline_ << " live blocks after unload, got " << memory::live_blocks();
        module_load();
    }

    long baseline_ = 0;
};

TEST_F(session, a_users_session_leaves_nothing_behind) {
    host.set_startup_info();
    open({press(key::down), press(key::enter)});
    host.panels().active().set_directory(tree.windows("a"));
    open({press(keys::new_view), press(keys::duplicate), press(key::up), press(key::pg_dn), press(key::home),
          press(key::end), press(key::pg_up), press(key::enter)});
    host.panels().switch_active();
    open({press(key::ctrl_tilde),
          press(key::ctrl_tilde),
          press(key::ctrl_shift_tilde),
          press(keys::new_view),
          press(key::ctrl | key::del),
          {input_kind::ctrl_up, 0},
          {input_kind::idle, 0}},
         true);
    host.panels().active().set_directory(tree.windows("b"));
    open({press(key::del), press(keys::renumber), press(key::ctrl_r), press(key::down), press(key::f10)});
    host.panels().switch_active();
    host.panels().active().plugin = 1;
    open({press(key::down), press(key::enter), press(keys::ctrl_f4), press(key::esc), press(key::esc)});
    host.panels().active().plugin = 0;
    open({press(key::down), {input_kind::cancel, 0}});
    exit_leaving_nothing();
}

// Every allocation of an opening that edits the list fails in turn: the
// dialog shows what it can, the host sees nothing unsound, and nothing leaks.
TEST_F(session, each_failing_allocation_of_an_editing_run_is_survived) {
    const std::vector<input_event> script{press(key::down), press(keys::new_view), press(keys::duplicate),
                                          press(key::del),  press(keys::renumber), press(key::ctrl_r),
                                          press(key::up),   press(key::enter)};
    const long survived = sweep_allocations(
        [&](long n) {
            SCOPED_TRACE("allocation " + std::to_string(n) + " fails");
            host.set_startup_info();
            open({press(keys::new_view), press(key::enter)});
            const bool hit = with_allocation_failing(n, [&] { open(script); });
            open({press(key::down), press(key::esc)});
            exit_leaving_nothing();
            return hit;
        },
        200);
    EXPECT_GE(survived, 10) << "expected the script to allocate";
    std::printf("allocations survived: %ld\n", survived);
}

TEST_F(session, a_failed_line_block_shows_an_empty_list_until_the_next_fill) {
    host.set_startup_info();
    open({press(keys::new_view), press(key::enter)});
    size_t from = host.log().size();
    open_failing({press(key::down), press(key::down), press(key::esc)}, 0);  // the first move's line block
    std::vector<int32_t> counts;
    for (size_t i = from; i < host.log().size(); ++i) {
        const call_entry& c = host.log()[i];
        if (c.service == service::send_dialog_message && c.args[1] == dm_list_set)
            counts.push_back(c.values[0]);
    }
    EXPECT_EQ(counts, (std::vector<int32_t>{0, 3})) << "expected an empty list, then the lines again";
    exit_leaving_nothing();
}

TEST_F(session, commit_that_runs_out_of_memory_puts_the_slots_view_back_in_the_panel) {
    host.set_startup_info();
    // A third view at the top of the list that no panel shows.
    open({press(keys::new_view), press(key::esc)});
    ASSERT_EQ(host.panels().left().directory(), tree.windows("left"));
    open_failing({press(key::down), press(key::enter)}, 1);  // the slot's entry in the new view
    ASSERT_TRUE(memory::failure_delivered());
    EXPECT_EQ(host.panels().left().directory(), tree.windows("left"))
        << "the slot kept its view, so the panel must show it again";
    exit_leaving_nothing();
}

}  // namespace
}  // namespace tolvik::test
