#include "sweep.h"

#include <cstdio>

#include "base/memory.h"
#include "host/constants.h"
#include "registry/registry.h"
#include "support/allocation_sweep.h"
#include "walk/walk_tree.h"

namespace tolvik::test {
namespace {

// Cancels the host may send to close what a script left open.
constexpr int max_cancels = 16;

class totals_printer : public ::testing::Environment {
public:
    void TearDown() override {
        std::printf("alloc: %ld runs, %ld allocation failure points exercised\n", totals().runs,
                    totals().failure_points);
    }
};

const auto* const printer = ::testing::AddGlobalTestEnvironment(new totals_printer);

}  // namespace

scripted_event key_event(int32_t code, bool armed) { return {{emu::input_kind::key, code}, armed}; }
scripted_event ctrl_event(bool down, bool armed) {
    return {{down ? emu::input_kind::ctrl_down : emu::input_kind::ctrl_up, 0}, armed};
}
scripted_event idle_event(bool armed) { return {{emu::input_kind::idle, 0}, armed}; }

sweep_totals& totals() {
    static sweep_totals all;
    return all;
}

void alloc_sweep::SetUp() {
    walk_tree_test::SetUp();
    host.input().set_source([this](emu::input_event& event) { return next_scripted(event); });
}

void alloc_sweep::start_with_views(int count) {
    host.set_startup_info();
    const auto& folders = walk_folders();
    emu::panel_model& active = host.panels().active();
    for (int i = 2; i < count; ++i) {
        active.set_directory(tree.windows(folders[static_cast<size_t>(i) % folders.size()]));
        synchronise_with_panels();
        add_clone(recent_views().begin());
    }
    active.set_directory(tree.windows("a"));
    synchronise_with_panels();
    // Make the current slot's view the front again, as a commit would.
    view_position shown = find_entry(recent_views(), current_slot()->shown_view());
    make_current(shown);
}

void alloc_sweep::check_now(stage where, const char* label) {
    std::string found = check_all(host, where, expectation_);
    if (!found.empty()) problems_ += std::string(label) + ":\n" + found;
    host.clear_failures();
}

bool alloc_sweep::next_scripted(emu::input_event& event) {
    const bool list_open = the_view_list_dialog().dialog_handle() != nullptr;
    if (armed_now_) {
        delivered_ = delivered_ || memory::failure_delivered();
        memory::fail_allocation(0);
        armed_now_ = false;
        if (list_open) check_now(stage::list_open, "right after the failing step");
    } else if (list_open) {
        check_now(stage::list_open, "in the dialog");
    }
    if (script_ && script_at_ < script_->size()) {
        const scripted_event& next = (*script_)[script_at_++];
        event = next.event;
        if (next.armed) {
            memory::fail_allocation(arm_n_, arm_sticky_);
            armed_now_ = true;
        }
        return true;
    }
    // The script is over: the host closes what is still open.
    if (++cancels_ > max_cancels) return false;
    event = {emu::input_kind::cancel, 0};
    return true;
}

void alloc_sweep::run_once(const scenario& s, long n, bool sticky) {
    static const std::vector<scripted_event> follow_up = {key_event(key::down), key_event(key::enter)};
    memory::fail_allocation(0);
    host.clear_failures();
    host.log().clear();
    host.set_key_held(virtual_key_control, false);
    problems_.clear();
    delivered_ = false;
    armed_now_ = false;
    arm_n_ = n;
    arm_sticky_ = sticky;

    auto open = [&](const std::vector<scripted_event>& script, bool ctrl, bool armed_from_start) {
        script_ = &script;
        script_at_ = 0;
        cancels_ = 0;
        expectation_ = {};
        expectation_.directory_requests = host.panels().directory_requests();
        host.set_key_held(virtual_key_control, ctrl);
        if (armed_from_start) {
            memory::fail_allocation(n, sticky);
            armed_now_ = true;
        }
        host.open_plugin();
        if (armed_now_) {
            delivered_ = delivered_ || memory::failure_delivered();
            memory::fail_allocation(0);
            armed_now_ = false;
        }
        host.set_key_held(virtual_key_control, false);
        script_ = nullptr;
        check_now(stage::list_closed, "after the list closed");
    };

    // Every run starts from the same panels.
    emu::panel_pair& panels = host.panels();
    panels.set_active(emu::side::left);
    for (emu::panel_model* panel : {&panels.left(), &panels.right()}) {
        panel->type = panel_file;
        panel->plugin = 0;
    }
    panels.left().set_directory(tree.windows("a"));
    panels.right().set_directory(tree.windows("b"));

    if (s.prepare) s.prepare();
    check_now(stage::between_openings, "after preparing");
    switch (s.failing) {
        case step::start_up:
            delivered_ = with_allocation_failing(
                n, [this] { host.set_startup_info(); }, sticky);
            check_now(stage::list_closed, "after the failing start-up");
            break;
        case step::opening:
            open(s.script, s.ctrl_held_at_opening, true);
            break;
        case step::scripted:
            open(s.script, s.ctrl_held_at_opening, false);
            break;
        case step::exit:
            delivered_ = with_allocation_failing(
                n, [this] { host.exit_far(); }, sticky);
            if (!all_views().empty() || !panel_slots().empty())
                problems_ += "ExitFAR left views or slots behind\n";
            break;
    }
    if (s.failing != step::exit) {
        // The plugin still works: an opening with a move and a commit.
        open(follow_up, false, false);
    }
    problems_ += shut_down(host, blocks_before);
    check_now(stage::between_openings, "after ExitFAR");
}

long alloc_sweep::sweep(const scenario& s, bool sticky) {
    SCOPED_TRACE(s.name);
    return sweep_allocations([&](long n) {
        run_once(s, n, sticky);
        const bool passed = problems_.empty();
        ++totals().runs;
        EXPECT_TRUE(passed) << s.name << (sticky ? ", every allocation from the " : ", allocation ") << n
                            << (sticky ? "th on failing" : " failing") << ":\n"
                            << problems_ << host.report();
        if (!passed || !delivered_) return false;
        ++totals().failure_points;
        return true;
    });
}

}  // namespace tolvik::test
