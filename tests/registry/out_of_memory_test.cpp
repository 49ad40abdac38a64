// The views' and the registry's operations with the first, second, third...
// allocation failing until none fails: a failed operation leaves the
// registry, the view numbers and the heap exactly as they were; a successful
// one is undone before the next run. Start-up either completes or leaves an
// empty registry; a failed re-capture keeps the view's old snapshot whole,
// and a clone that shared it keeps it either way.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/memory.h"
#include "registry/registry.h"
#include "support/allocation_sweep.h"
#include "support/linked_plugin_test.h"
#include "views/file_panel_view.h"
#include "views/view_numbers.h"
#include "walk/invariants.h"

namespace tolvik::test {
namespace {

struct snapshot_of_registry {
    std::vector<view*> all, recent;
    std::vector<view*> shown;
    panel_slot* current;
    long blocks;
    size_t numbers;

    static snapshot_of_registry take() {
        snapshot_of_registry s{entries(all_views()), entries(recent_views()), {},
                               current_slot(),       memory::live_blocks(),   view_numbers().size()};
        for (panel_slot* slot : panel_slots()) s.shown.push_back(slot->shown_view());
        return s;
    }
    bool operator==(const snapshot_of_registry&) const = default;
};

// What an operation made, for its undo.
struct made {
    file_panel_view* source = nullptr;
    file_panel_view* view = nullptr;
    view_position position{};
};

struct operation_case {
    const char* name;
    bool registry = true;            // started with the registry, or with none
    void (*setup)(made&) = nullptr;  // before the sweep
    bool (*run)(made&) = nullptr;    // the operation: true when it succeeded
    void (*undo)(made&) = nullptr;   // reverts a success
    long failing = 0;                // runs with a failure delivered: at least this many
    long exactly = -1;               // or exactly this many, when not -1
    std::vector<int32_t> numbers{};  // the recent views' numbers afterwards (empty: not checked)
};

void PrintTo(const operation_case& c, std::ostream* out) { *out << c.name; }

class registry_out_of_memory : public linked_plugin_test {
protected:
    void SetUp() override {
        linked_plugin_test::SetUp();
        for (const char* name : {"a.txt", "b.txt", "c.txt"}) tree.file(std::string("left/") + name);
        tree.file("right/b.txt");
        emu::panel_model& left = host.panels().left();
        left.set_description("a.txt", "described");
        left.set_owner("b.txt", "owner");
        left.set_custom_columns("c.txt", {"x", "y"});
        left.refresh();
        host.panels().right().refresh();
    }
};

class operations : public registry_out_of_memory, public ::testing::WithParamInterface<operation_case> {};

TEST_P(operations, change_whole_or_leave_everything_as_it_was) {
    const operation_case& c = GetParam();
    c.registry ? host.set_startup_info() : start_without_registry();
    made m;
    if (c.setup) c.setup(m);
    const long failing = sweep_allocations([&](long n) {
        const snapshot_of_registry before = snapshot_of_registry::take();
        bool ok = false;
        const bool delivered = with_allocation_failing(n, [&] { ok = c.run(m); });
        SCOPED_TRACE("allocation " + std::to_string(n) + " failing");
        if (c.registry) {
            EXPECT_EQ(registry_problems(), "");
        }
        if (!delivered) {
            EXPECT_TRUE(ok) << "with no failure injected the operation must succeed";
        }
        if (ok && c.undo) c.undo(m);
        if (!ok) {
            EXPECT_TRUE(snapshot_of_registry::take() == before) << "registry, numbers or heap changed";
        }
        return delivered;
    });
    if (c.exactly != -1) {
        EXPECT_EQ(failing, c.exactly);
    } else {
        EXPECT_GE(failing, c.failing);
    }
    if (!c.numbers.empty()) {
        EXPECT_EQ(numbers(recent_views()), c.numbers);
    }
    if (c.registry) {
        EXPECT_EQ(recent_views().front(), current_slot()->shown_view());
    }
    memory::destroy(m.source);
}

// The operations and their undoing.
bool capture(made& m) { return (m.view = capture_active_panel()) != nullptr; }
void capture_source(made& m) { m.source = capture_active_panel(); }
bool clone(made& m) { return (m.view = m.source->clone()) != nullptr; }
void destroy_view(made& m) { memory::destroy(m.view); }
bool new_view(made& m) { return (m.position = add_new_view(recent_views().begin())) != recent_views().end(); }
bool clone_second(made& m) {
    return (m.position = add_clone(++recent_views().begin())) != recent_views().end();
}
void remove(made& m) { remove_view(m.position); }
void clone_first(made&) { add_clone(recent_views().begin()); }
bool make_last_current(made& m) {
    m.position = make_current(--recent_views().end());
    return m.position == recent_views().begin();
}
void left_on_the_right_folder(made&) {
    emu::panel_pair& panels = emu::host::current()->panels();
    panels.left().set_directory(panels.right().directory());
}
bool switch_and_synchronise(made&) {
    emu::host::current()->panels().switch_active();
    synchronise_with_panels();
    return true;
}

const operation_case cases[] = {
    // The object, its number and its items allocate.
    {.name = "capture", .registry = false, .run = capture, .undo = destroy_view, .failing = 2},
    // A clone shares its source's items: the object alone allocates.
    {.name = "clone",
     .registry = false,
     .setup = capture_source,
     .run = clone,
     .undo = destroy_view,
     .exactly = 1},
    {.name = "add_new_view", .run = new_view, .undo = remove, .failing = 3, .numbers = {2, 1}},
    {.name = "add_clone", .run = clone_second, .undo = remove, .failing = 3, .numbers = {2, 1}},
    // The front entry and the slot's entry allocate.
    {.name = "make_current", .setup = clone_first, .run = make_last_current, .exactly = 2},
    {.name = "synchronise_with_panels", .setup = left_on_the_right_folder, .run = switch_and_synchronise},
};

INSTANTIATE_TEST_SUITE_P(sweep, operations, ::testing::ValuesIn(cases),
                         [](const auto& info) { return std::string(info.param.name); });

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

TEST_F(registry_out_of_memory, recapture_keeps_the_old_snapshot) {
    start_without_registry();
    struct case_ {
        const char* name;
        const char* folder;  // re-captured from
        bool shared;         // a clone shares the view's block
        long runs;
    } cases[] = {{"another folder", "right", false, 1},
                 {"the same folder, the block shared with a clone", "left", true, 1},
                 {"the same folder, the block the view's own (rewritten in place)", "left", false, 0}};
    emu::panel_model& panel = host.panels().active();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        panel.set_directory(tree.windows("left"));
        panel.clear_selection();
        file_panel_view* v = capture_active_panel();
        ASSERT_NE(v, nullptr);
        file_panel_view* clone = c.shared ? v->clone() : nullptr;
        const int32_t old_count = v->record().item_count;
        // The old snapshot: nothing selected, c.txt's columns last.
        auto is_old = [&](const file_panel_view* s) {
            const panel_info& r = s->record();
            bool selected = false;
            for (int32_t i = 0; i < r.item_count; ++i)
                selected = selected || (r.items[i].flags & item_selected);
            return s->path() == tree.windows("left") && r.item_count == old_count && !selected &&
                   std::string(r.items[old_count - 1].custom_column_data[1]) == "y";
        };
        panel.set_directory(tree.windows(c.folder));
        panel.select_name("b.txt", true);
        const long runs = sweep_allocations([&](long n) {
            const long blocks = memory::live_blocks();
            bool ok = false;
            const bool delivered = with_allocation_failing(n, [&] { ok = v->recapture_from_active(); });
            if (!delivered) {
                EXPECT_TRUE(ok);
                return false;
            }
            EXPECT_FALSE(ok);
            EXPECT_EQ(memory::live_blocks(), blocks);
            EXPECT_TRUE(is_old(v)) << "the old snapshot must be kept whole";
            return true;
        });
        EXPECT_EQ(runs, c.runs) << "a re-capture makes one block, or none in place";
        EXPECT_EQ(v->path(), tree.windows(c.folder));
        EXPECT_FALSE(is_old(v));
        if (clone) {
            EXPECT_TRUE(is_old(clone)) << "the clone must keep the snapshot it shared";
        }
        memory::destroy(v);
        memory::destroy(clone);
    }
}

}  // namespace
}  // namespace tolvik::test
