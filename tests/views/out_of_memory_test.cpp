// Capture, clone and re-capture with the first, second, third... allocation
// failing until none fails: no leak, no half-built view, nothing lost.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "base/memory.h"
#include "records.h"
#include "support/allocation_sweep.h"
#include "support/linked_plugin_test.h"
#include "views/file_panel_view.h"
#include "views/view_numbers.h"

namespace tolvik::test {
namespace {

// Sweeps `step`, which returns true when it succeeded; a failed run must
// leave the allocation count and the number set where they were, a
// successful one is reverted by `undo`. Returns the number of failing runs.
long sweep(const std::function<bool()>& step, const std::function<void()>& undo) {
    return sweep_allocations([&](long n) {
        const long blocks = memory::live_blocks();
        const size_t numbers = view_numbers().size();
        bool ok = false;
        const bool delivered = with_allocation_failing(n, [&] { ok = step(); });
        if (!delivered) {
            EXPECT_TRUE(ok) << "with no failure injected the step must succeed";
            undo();
            return false;
        }
        if (ok) {
            undo();
        } else {
            EXPECT_EQ(memory::live_blocks(), blocks) << "allocation " << n << " failed: expected no leak";
            EXPECT_EQ(view_numbers().size(), numbers)
                << "allocation " << n << ": the number was not given back";
        }
        return true;
    });
}

class out_of_memory : public linked_plugin_test {
protected:
    void SetUp() override {
        linked_plugin_test::SetUp();
        for (const char* name : {"a.txt", "b.txt", "c.txt"}) tree.file(std::string("left/") + name);
        start_without_registry();
        emu::panel_model& panel = host.panels().active();
        panel.set_description("a.txt", "described");
        panel.set_owner("b.txt", "owner");
        panel.set_custom_columns("c.txt", {"x", "y"});
        panel.refresh();
    }
};

TEST_F(out_of_memory, capture) {
    file_panel_view* made = nullptr;
    const long runs =
        sweep([&] { return (made = capture_active_panel()) != nullptr; }, [&] { memory::destroy(made); });
    EXPECT_GE(runs, 2) << "expected failures of the object, the number and the items";
}

TEST_F(out_of_memory, clone) {
    file_panel_view* source = capture_active_panel();
    ASSERT_NE(source, nullptr);
    file_panel_view* copy = nullptr;
    const long runs =
        sweep([&] { return (copy = source->clone()) != nullptr; }, [&] { memory::destroy(copy); });
    EXPECT_GE(runs, 2);
    memory::destroy(source);
}

TEST_F(out_of_memory, recapture_keeps_the_old_snapshot) {
    file_panel_view* v = capture_active_panel();
    ASSERT_NE(v, nullptr);
    const std::string old_path = v->path();
    const int32_t old_count = v->record().item_count;
    host.panels().active().set_directory(tree.windows("right"));
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
        EXPECT_EQ(v->path(), old_path) << "the old snapshot must be kept whole";
        EXPECT_EQ(field(v->record().item_count), old_count);
        EXPECT_STREQ(v->record().items[old_count - 1].custom_column_data[1], "y");
        return true;
    });
    EXPECT_EQ(runs, 1) << "a re-capture makes one block";
    EXPECT_EQ(v->path(), tree.windows("right"));
    memory::destroy(v);
}

}  // namespace
}  // namespace tolvik::test
