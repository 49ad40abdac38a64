// Start-up and the registry operations with the first, second, third...
// allocation failing until none fails: the registry is either changed whole
// or left exactly as it was, with nothing leaked.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "registry/registry.h"
#include "support/allocation_sweep.h"
#include "support/linked_plugin_test.h"
#include "walk/invariants.h"

namespace tolvik::test {
namespace {

struct snapshot_of_registry {
    std::vector<view*> all, recent;
    std::vector<view*> shown;
    panel_slot* current;
    long blocks;

    static snapshot_of_registry take() {
        snapshot_of_registry s{
            entries(all_views()), entries(recent_views()), {}, current_slot(), memory::live_blocks()};
        for (panel_slot* slot : panel_slots()) s.shown.push_back(slot->shown_view());
        return s;
    }
    bool operator==(const snapshot_of_registry&) const = default;
};

class registry_out_of_memory : public linked_plugin_test {
protected:
    void SetUp() override {
        linked_plugin_test::SetUp();
        tree.file("left/a.txt");
        tree.file("right/b.txt");
        host.panels().left().set_description("a.txt", "text");
        host.panels().left().refresh();
        host.panels().right().refresh();
    }

    // Runs `operation` with allocation n failing for n = 1, 2, ... until it
    // runs clean. `failed` tells from its result whether it reported failure;
    // `undo` reverts a success.
    template <class Result>
    long sweep(const char* name, const std::function<Result()>& operation,
               const std::function<bool(Result)>& failed, const std::function<void(Result)>& undo) {
        return sweep_allocations([&](long n) {
            const snapshot_of_registry before = snapshot_of_registry::take();
            Result result{};
            const bool delivered = with_allocation_failing(n, [&] { result = operation(); });
            const std::string where = std::string(name) + ", allocation " + std::to_string(n) + " failing";
            EXPECT_EQ(registry_problems(), "") << where;
            if (!delivered) {
                EXPECT_FALSE(failed(result)) << name << " with no failure";
                undo(result);
                return false;
            }
            if (failed(result)) {
                EXPECT_TRUE(snapshot_of_registry::take() == before) << where << ": registry or heap changed";
            } else {
                undo(result);
            }
            return true;
        });
    }
};

TEST_F(registry_out_of_memory, start_up_either_completes_or_leaves_an_empty_registry) {
    const long failing = sweep_allocations([&](long n) {
        const bool delivered = with_allocation_failing(n, [&] { host.set_startup_info(); });
        const std::string where = "start-up, allocation " + std::to_string(n) + " failing";
        EXPECT_EQ(registry_problems(), "") << where;
        if (all_views().empty()) {
            EXPECT_TRUE(panel_slots().empty() && recent_views().empty()) << where;
            EXPECT_EQ(current_slot(), nullptr) << where;
            EXPECT_EQ(plugin_blocks(), blocks_before) << where << ": expected no leak";
            // The next opening retries the start-up.
            synchronise_with_panels();
            EXPECT_EQ(numbers(recent_views()), (std::vector<int32_t>{2, 1})) << where << ", then opened";
        } else {
            EXPECT_EQ(numbers(recent_views()), (std::vector<int32_t>{2, 1})) << where;
        }
        host.exit_far();
        return delivered;
    });
    EXPECT_GE(failing, 8) << "two views, two slots and six list entries allocate";
}

TEST_F(registry_out_of_memory, add_new_view_and_add_clone) {
    host.set_startup_info();
    auto is_end = [](view_position p) { return p == recent_views().end(); };
    auto drop = [](view_position p) { remove_view(p); };
    EXPECT_GE(sweep<view_position>(
                  "add_new_view", [] { return add_new_view(recent_views().begin()); }, is_end, drop),
              3);
    EXPECT_GE(sweep<view_position>(
                  "add_clone", [] { return add_clone(++recent_views().begin()); }, is_end, drop),
              3);
    EXPECT_EQ(numbers(recent_views()), (std::vector<int32_t>{2, 1}));
}

TEST_F(registry_out_of_memory, make_current_changes_all_or_nothing) {
    host.set_startup_info();
    add_clone(recent_views().begin());
    const long failing = sweep<view_position>(
        "make_current", [] { return make_current(--recent_views().end()); },
        [](view_position p) { return p != recent_views().begin(); }, [](view_position) {});
    EXPECT_EQ(failing, 2) << "the front entry and the slot's entry allocate";
    EXPECT_EQ(recent_views().front(), current_slot()->shown_view());
}

TEST_F(registry_out_of_memory, opening_keeps_the_invariants) {
    host.set_startup_info();
    host.panels().left().set_directory(tree.windows("right"));
    auto never = [](bool) { return false; };
    sweep<bool>(
        "synchronise_with_panels",
        [&] {
            host.panels().switch_active();
            synchronise_with_panels();
            return true;
        },
        never, [](bool) {});
}

}  // namespace
}  // namespace tolvik::test
