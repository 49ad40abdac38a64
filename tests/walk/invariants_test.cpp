// The checks of invariants.h must see a broken registry: each case breaks
// one invariant by hand, expects the report to name it, and repairs it.
#include "walk/invariants.h"

#include <gtest/gtest.h>

#include <string>

#include "support/linked_plugin_test.h"

namespace tolvik::test {
namespace {

class invariants_check : public walk_tree_test {
protected:
    void SetUp() override {
        walk_tree_test::SetUp();
        host.set_startup_info();
        ASSERT_EQ(report(stage::list_closed), "") << "expected a sound registry after start-up";
    }
    void TearDown() override {
        EXPECT_EQ(report(stage::list_closed), "") << "expected the case to repair what it broke";
        walk_tree_test::TearDown();
    }

    std::string report(stage where) {
        panel_expectation unused;
        return check_all(host, where, unused);
    }
    void expect_named(stage where, const std::string& part) {
        const std::string found = report(where);
        EXPECT_NE(found.find(part), std::string::npos) << "expected \"" << part << "\", got: " << found;
    }
};

TEST_F(invariants_check, sees_a_view_listed_twice_in_recent_views) {
    auto extra = recent_views().push_back(recent_views().front());
    expect_named(stage::between_openings, "recent_views holds a view twice");
    recent_views().erase(extra);
}

TEST_F(invariants_check, sees_a_number_the_set_does_not_hold) {
    view* v = all_views().front();
    const int32_t number = v->number;
    v->number = 9;
    expect_named(stage::between_openings, "expected the number set");
    v->number = number;
}

TEST_F(invariants_check, sees_a_slot_list_that_misses_a_slot) {
    view* v = current_slot()->shown_view();
    panel_slot* slot = v->slots.front();
    v->remove_slot(slot);
    expect_named(stage::between_openings, "slot(s) showing it");
    v->add_slot(slot);
}

TEST_F(invariants_check, sees_the_current_slot_on_the_passive_side) {
    host.panels().switch_active();
    EXPECT_EQ(report(stage::between_openings), "") << "expected no current-slot check between openings";
    expect_named(stage::list_closed, "expected current_slot to be the");
    host.panels().switch_active();
}

TEST_F(invariants_check, sees_both_slots_on_one_view) {
    panel_slot* other =
        current_slot() == panel_slots().front() ? panel_slots().back() : panel_slots().front();
    view* kept = other->shown_view();
    ASSERT_TRUE(other->show(current_slot()->shown_view()));
    expect_named(stage::list_closed, "both panel slots show");
    ASSERT_TRUE(other->show(kept));
}

TEST_F(invariants_check, sees_a_host_failure) {
    host.fail("a test's own failure");
    expect_named(stage::between_openings, "host failure: a test's own failure");
    host.clear_failures();
}

}  // namespace
}  // namespace tolvik::test
