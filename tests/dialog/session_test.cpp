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
#include "plugin/exports.h"
#include "plugin/module.h"
#include "support/test_tree.h"

namespace tolvik {
namespace {

using emu::input_event;
using emu::input_kind;

input_event press(int32_t code) { return {input_kind::key, code}; }

class session : public ::testing::Test {
protected:
    session() {
        // Fresh module objects, so that the count starts from nothing.
        module_unload();
        module_load();
        baseline_ = memory::live_blocks();
        host_.attach({GetMinFarVersion, SetStartupInfo, GetPluginInfo, OpenPlugin, ExitFAR});
        host_.redirect_own_imports();
        EXPECT_TRUE(host_.load_language(std::string(TOLVIK_LANG_DIR) + "/tolvik_en.lng"));
        for (const char* folder : {"left", "right", "a", "b"}) tree_.folder(folder);
        host_.panels().lay_out(80, 25);
        host_.panels().left().set_directory(tree_.windows("left"));
        host_.panels().right().set_directory(tree_.windows("right"));
    }
    ~session() override {
        memory::fail_allocation(0);
        host_.set_key_held(virtual_key_control, false);
    }

    void open(const std::vector<input_event>& events, bool ctrl = false) {
        for (const input_event& e : events) host_.input().push(e);
        host_.set_key_held(virtual_key_control, ctrl);
        host_.open_plugin();
        host_.input().clear();
    }

    // After ExitFAR only the dialog's line block may remain, and it goes
    // with the module objects.
    void expect_nothing_left() {
        module_unload();
        EXPECT_EQ(memory::live_blocks(), baseline_)
            << "expected " << baseline_ << " live blocks after unload, got " << memory::live_blocks();
        module_load();
    }

    test::test_tree tree_;
    emu::host host_;
    long baseline_ = 0;
};

TEST_F(session, a_users_session_leaves_nothing_behind) {
    using namespace emu;
    host_.set_startup_info();
    open({press(key::down), press(key::enter)});
    host_.panels().active().set_directory(tree_.windows("a"));
    open({press(key::ctrl | key::shift | key::f3), press(key::ctrl | key::f3), press(key::up), press(key::pg_dn),
          press(key::home), press(key::end), press(key::pg_up), press(key::enter)});
    host_.panels().switch_active();
    open({press(key::ctrl_tilde), press(key::ctrl_tilde), press(key::ctrl_shift_tilde),
          press(key::ctrl | key::shift | key::f3), press(key::ctrl | key::del), {input_kind::ctrl_up, 0},
          {input_kind::idle, 0}},
         true);
    host_.panels().active().set_directory(tree_.windows("b"));
    open({press(key::del), press(key::ctrl | key::shift | key::f5), press(key::ctrl_r), press(key::down),
          press(key::f10)});
    host_.panels().switch_active();
    host_.panels().active().plugin = 1;
    open({press(key::down), press(key::enter), press(key::ctrl | key::f4), press(key::esc)});
    host_.panels().active().plugin = 0;
    open({press(key::down), {input_kind::cancel, 0}});
    EXPECT_TRUE(host_.failures().empty()) << host_.report();
    host_.exit_far();
    expect_nothing_left();
}

// Every allocation of an opening that edits the list fails in turn: the
// dialog shows what it can, the host sees nothing unsound, and nothing leaks.
TEST_F(session, each_failing_allocation_of_an_editing_run_is_survived) {
    using namespace emu;
    const std::vector<input_event> script{press(key::down),
                                          press(key::ctrl | key::shift | key::f3),
                                          press(key::ctrl | key::f3),
                                          press(key::del),
                                          press(key::ctrl | key::shift | key::f5),
                                          press(key::ctrl_r),
                                          press(key::up),
                                          press(key::enter)};
    for (long n = 1; n < 200; ++n) {
        SCOPED_TRACE("allocation " + std::to_string(n) + " fails");
        host_.set_startup_info();
        open({press(key::ctrl | key::shift | key::f3), press(key::enter)});
        memory::fail_allocation(n);
        open(script);
        bool hit = memory::failure_delivered();
        memory::fail_allocation(0);
        open({press(key::down), press(key::esc)});
        EXPECT_TRUE(host_.failures().empty()) << host_.report();
        host_.clear_failures();
        host_.exit_far();
        expect_nothing_left();
        if (!hit) {
            EXPECT_GT(n, 10) << "expected the script to allocate";
            std::printf("allocations survived: %ld\n", n - 1);
            break;
        }
        EXPECT_LT(n, 199) << "expected the script to end within 200 allocations";
    }
}

TEST_F(session, a_failed_line_block_shows_an_empty_list_until_the_next_fill) {
    using namespace emu;
    host_.set_startup_info();
    open({press(key::ctrl | key::shift | key::f3), press(key::enter)});
    bool armed = false;
    std::vector<input_event> script{press(key::down), press(key::down), press(key::esc)};
    size_t next = 0;
    host_.input().set_source([&](input_event& e) {
        if (next >= script.size()) return false;
        if (next == 0 && !armed) {
            memory::fail_allocation(1);  // the first move's line block
            armed = true;
        }
        e = script[next++];
        return true;
    });
    size_t from = host_.log().size();
    open({});
    host_.input().set_source(nullptr);
    std::vector<int32_t> counts;
    for (size_t i = from; i < host_.log().size(); ++i) {
        const call_entry& c = host_.log()[i];
        if (c.service == service::send_dialog_message && c.args[1] == dm_list_set) counts.push_back(c.values[0]);
    }
    EXPECT_EQ(counts, (std::vector<int32_t>{0, 3})) << "expected an empty list, then the lines again";
    EXPECT_TRUE(host_.failures().empty()) << host_.report();
    host_.exit_far();
    expect_nothing_left();
}

TEST_F(session, commit_that_runs_out_of_memory_puts_the_slots_view_back_in_the_panel) {
    using namespace emu;
    host_.set_startup_info();
    // A third view at the top of the list that no panel shows.
    open({press(key::ctrl | key::shift | key::f3), press(key::esc)});
    ASSERT_EQ(host_.panels().left().directory(), tree_.windows("left"));
    std::vector<input_event> script{press(key::down), press(key::enter)};
    size_t next = 0;
    host_.input().set_source([&](input_event& e) {
        if (next >= script.size()) return false;
        if (script[next].code == key::enter) memory::fail_allocation(1);  // the slot's entry in the new view
        e = script[next++];
        return true;
    });
    open({});
    host_.input().set_source(nullptr);
    ASSERT_TRUE(memory::failure_delivered());
    EXPECT_EQ(host_.panels().left().directory(), tree_.windows("left"))
        << "the slot kept its view, so the panel must show it again";
    EXPECT_TRUE(host_.failures().empty()) << host_.report();
    host_.exit_far();
    expect_nothing_left();
}

}  // namespace
}  // namespace tolvik
