// The registry through the emulated host: start-up, panel sides, openings,
// and the operations the view list dialog calls.
#include "registry/registry.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/memory.h"
#include "emulator/call_log.h"
#include "host/constants.h"
#include "support/linked_plugin_test.h"
#include "views/view_numbers.h"
#include "walk/invariants.h"

namespace tolvik::test {
namespace {

using ints = std::vector<int32_t>;

class registry_operations : public linked_plugin_test {
protected:
    view* view_numbered(int32_t number) {
        for (view* v : all_views())
            if (v->number == number) return v;
        ADD_FAILURE() << "no view " << number;
        return nullptr;
    }
    panel_slot* left_slot() { return panel_slots().front(); }
    panel_slot* right_slot() { return panel_slots().back(); }
};

TEST_F(registry_operations, start_up_numbers_the_passive_panel_first_for_either_active_side) {
    for (emu::side active : {emu::side::left, emu::side::right}) {
        const bool left = active == emu::side::left;
        EXPECT_EQ(current_view(), nullptr) << "before start-up";
        host.panels().set_active(active);
        host.set_startup_info();
        const std::string where = left ? "left active" : "right active";
        EXPECT_EQ(host.log().panel_commands(), (ints{1, 2, 2, 1})) << where;
        EXPECT_EQ(numbers(all_views()), (ints{1, 2})) << where;
        EXPECT_EQ(numbers(recent_views()), (ints{2, 1})) << where;
        EXPECT_STREQ(view_numbered(1)->path(), host.panels().passive().directory().c_str()) << where;
        ASSERT_EQ(panel_slots().size(), 2u);
        EXPECT_EQ(left_slot()->shown_view()->number, left ? 2 : 1) << where;
        EXPECT_EQ(right_slot()->shown_view()->number, left ? 1 : 2) << where;
        EXPECT_EQ(current_slot(), left ? left_slot() : right_slot()) << where;
        EXPECT_EQ(current_view(), current_slot()->shown_view()) << where;
        EXPECT_EQ(panel_side(current_slot()), left ? side::left : side::right) << where;
        EXPECT_EQ(panel_side(left ? right_slot() : left_slot()), left ? side::right : side::left) << where;
        EXPECT_EQ(registry_problems(), "") << where;
        // The next opening after a switch promotes the newly active view;
        // each slot keeps its view.
        host.panels().switch_active();
        synchronise_with_panels();
        EXPECT_EQ(current_slot(), left ? right_slot() : left_slot()) << where << ", switched";
        EXPECT_EQ(numbers(recent_views()), (ints{1, 2})) << where << ", switched";
        EXPECT_EQ(current_view()->number, 1) << where << ", switched";
        EXPECT_EQ(registry_problems(), "") << where << ", switched";
        host.exit_far();
        host.log().clear();
        EXPECT_TRUE(all_views().empty() && recent_views().empty() && panel_slots().empty());
        EXPECT_EQ(view_numbers().size(), 0u);
        EXPECT_EQ(current_view(), nullptr) << "after shut-down";
    }
}

TEST_F(registry_operations, active_side_from_rectangles) {
    start();
    struct case_ {
        int32_t active_left, active_right, passive_left, passive_right;
        bool left_active;
    } cases[] = {{0, 39, 40, 79, true}, {40, 79, 0, 39, false}, {0, 100, 5, 50, true}, {0, 39, 0, 79, true},
                 {0, 79, 0, 39, false}, {0, 79, 0, 79, false},  {0, -5, 0, 3, true}};
    for (const auto& c : cases) {
        host.panels().active().rect = panel_rect{c.active_left, 0, c.active_right, 20};
        host.panels().passive().rect = panel_rect{c.passive_left, 0, c.passive_right, 20};
        EXPECT_EQ(left_panel_is_active(), c.left_active)
            << "active " << c.active_left << ".." << c.active_right << ", passive " << c.passive_left << ".."
            << c.passive_right;
    }
}

TEST_F(registry_operations, every_opening_recaptures_both_shown_views) {
    tree.folder("a");
    tree.folder("b");
    start();
    for (const char* round : {"first", "second"}) {
        const std::string left_dir = tree.windows(std::string(round == std::string("first") ? "a" : "b"));
        const std::string right_dir = tree.windows(std::string(round == std::string("first") ? "b" : "a"));
        host.panels().left().set_directory(left_dir);
        host.panels().right().set_directory(right_dir);
        host.log().clear();
        synchronise_with_panels();
        EXPECT_EQ(host.log().panel_commands(), (ints{1, 2, 1, 2})) << round;
        EXPECT_STREQ(view_numbered(2)->path(), left_dir.c_str()) << round << " opening, active view";
        EXPECT_STREQ(view_numbered(1)->path(), right_dir.c_str()) << round << " opening, passive view";
        EXPECT_EQ(numbers(recent_views()), (ints{2, 1})) << round;
    }
}

TEST_F(registry_operations, make_current_on_the_front_and_on_another_entry) {
    start();
    view_position front = make_current(recent_views().begin());
    EXPECT_EQ(front, recent_views().begin());
    EXPECT_EQ(numbers(recent_views()), (ints{2, 1}));
    view_position second = ++recent_views().begin();
    view_position moved = make_current(second);
    EXPECT_EQ(moved, recent_views().begin());
    EXPECT_EQ(numbers(recent_views()), (ints{1, 2}));
    EXPECT_EQ(current_slot()->shown_view()->number, 1);
    EXPECT_EQ(right_slot()->shown_view()->number, 1) << "the other slot is untouched";
    EXPECT_EQ(registry_problems(), "") << "make_current";
}

TEST_F(registry_operations, add_clone_and_add_new_view_positions) {
    tree.file("left/kept.txt");
    host.panels().left().refresh();
    start();
    view_position copy = add_clone(++recent_views().begin());  // a clone of view 1
    ASSERT_NE(copy, recent_views().end());
    EXPECT_EQ(numbers(recent_views()), (ints{2, 3, 1})) << "the copy stands in front of its source";
    EXPECT_EQ(numbers(all_views()), (ints{1, 2, 3}));
    EXPECT_STREQ((*copy)->path(), view_numbered(1)->path());
    EXPECT_TRUE((*copy)->slots.empty());

    host.log().clear();
    view_position fresh = add_new_view(recent_views().end());
    ASSERT_NE(fresh, recent_views().end());
    EXPECT_EQ(host.log().panel_commands(), (ints{16, 1}));
    EXPECT_EQ(host.log().calls_to(emu::service::panel_control)[0].texts, std::vector<std::string>{"C:\\"});
    EXPECT_EQ(numbers(recent_views()), (ints{2, 3, 1, 4})) << "the end position appends";
    EXPECT_STREQ((*fresh)->path(), "C:\\");
    EXPECT_TRUE((*fresh)->slots.empty());
    EXPECT_EQ(host.panels().active().directory(), "C:\\") << "the panel stays at the fallback";
    EXPECT_EQ(registry_problems(), "") << "after adding";
    panel_slot* current = current_slot();
    host.set_startup_info();
    EXPECT_EQ(numbers(recent_views()), (ints{2, 3, 1, 4})) << "a second start-up keeps the registry";
    EXPECT_EQ(current_slot(), current);
}

TEST_F(registry_operations, remove_view_at_the_end_and_of_the_current_slot) {
    start();
    view_position last = add_new_view(recent_views().end());
    ASSERT_NE(last, recent_views().end());
    EXPECT_EQ(remove_view(last), recent_views().end());
    EXPECT_EQ(numbers(all_views()), (ints{1, 2}));
    add_clone(recent_views().begin());  // view 3, in front of view 2
    view_position current = find_entry(recent_views(), current_slot()->shown_view());
    view_position after = remove_view(current);
    EXPECT_EQ(current_slot()->shown_view(), nullptr) << "the slot shows nothing until given a view";
    ASSERT_NE(after, recent_views().end());
    EXPECT_EQ((*after)->number, 1);
    current_slot()->show(*recent_views().begin());
    EXPECT_EQ(numbers(recent_views()), (ints{3, 1}));
    EXPECT_EQ(registry_problems(), "") << "after removing";
}

TEST_F(registry_operations, shown_in_other_panel_follows_the_first_slot) {
    start();
    view* mine = current_slot()->shown_view();
    view* other = right_slot()->shown_view();
    view* nobody = *add_clone(recent_views().begin());
    EXPECT_FALSE(shown_in_other_panel(mine));
    EXPECT_TRUE(shown_in_other_panel(other));
    EXPECT_FALSE(shown_in_other_panel(nobody));
    ASSERT_TRUE(current_slot()->show(other));  // both slots show `other`, the right one first
    EXPECT_EQ(other->slots.size(), 2u);
    EXPECT_TRUE(shown_in_other_panel(other));
    ASSERT_TRUE(right_slot()->show(other));  // showing it again moves the right slot last
    EXPECT_FALSE(shown_in_other_panel(other));
    EXPECT_EQ(mine->slots.size(), 0u);
    EXPECT_EQ(registry_problems(), "") << "both slots on one view";
}

// Regression: a slot left without a view must not stop the next opening.
TEST_F(registry_operations, opening_tolerates_a_slot_without_a_view) {
    start();
    remove_view(find_entry(recent_views(), right_slot()->shown_view()));
    host.panels().switch_active();
    synchronise_with_panels();
    EXPECT_EQ(current_slot(), right_slot());
    EXPECT_EQ(right_slot()->shown_view(), nullptr);
    EXPECT_EQ(numbers(recent_views()), (ints{2}));

    // The slot without a view on the passive side now.
    host.panels().switch_active();
    synchronise_with_panels();
    EXPECT_EQ(current_slot(), left_slot());
    EXPECT_EQ(right_slot()->shown_view(), nullptr);
    EXPECT_EQ(registry_problems(), "");
}

TEST_F(registry_operations, an_opening_that_cannot_build_the_registry_shows_no_list) {
    start_without_registry();
    memory::fail_allocation(1, true);
    host.input().key(key::esc);
    host.open_plugin();
    memory::fail_allocation(0);
    host.input().clear();
    EXPECT_TRUE(all_views().empty());
    EXPECT_EQ(host.log().count(emu::service::dialog_ex), 0u) << host.report();

    host.input().key(key::esc);
    host.open_plugin();
    EXPECT_EQ(numbers(recent_views()), (ints{2, 1})) << "the next opening builds it";
    EXPECT_EQ(host.log().count(emu::service::dialog_ex), 1u);
}

}  // namespace
}  // namespace tolvik::test
