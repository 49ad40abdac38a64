// View numbers: the smallest free number, release, the maximum, renumbering.
#include "views/view_numbers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <string>

#include "base/memory.h"
#include "host/constants.h"
#include "records.h"
#include "support/linked_plugin_test.h"
#include "views/file_panel_view.h"

namespace tolvik::test {
namespace {

std::string contents(const view_number_set& set) {
    std::string text;
    for (size_t i = 0; i < set.size(); ++i) text += std::to_string(set.at(i)) + " ";
    return text;
}

// A set holding exactly `numbers` (taken in order, then the gaps released).
void fill(view_number_set& set, std::initializer_list<int32_t> numbers) {
    int32_t top = 0;
    for (int32_t n : numbers) top = n > top ? n : top;
    for (int32_t i = 1; i <= top; ++i) ASSERT_EQ(set.take_smallest_free(), i);
    for (int32_t i = 1; i <= top; ++i)
        if (std::find(numbers.begin(), numbers.end(), i) == numbers.end()) set.erase(i);
}

TEST(view_number_set, takes_the_smallest_free_number) {
    struct case_ {
        std::initializer_list<int32_t> held;
        int32_t expected;
        const char* after;
    } cases[] = {{{}, 1, "1 "},         {{1}, 2, "1 2 "},      {{1, 2, 3}, 4, "1 2 3 4 "},
                 {{2, 3}, 1, "1 2 3 "}, {{1, 3}, 2, "1 2 3 "}, {{1, 2, 5, 9}, 3, "1 2 3 5 9 "}};
    for (const auto& c : cases) {
        view_number_set set;
        fill(set, c.held);
        const std::string before = contents(set);
        EXPECT_EQ(set.take_smallest_free(), c.expected) << "set {" << before << "}";
        EXPECT_EQ(contents(set), c.after) << "set {" << before << "}";
    }
}

TEST(view_number_set, release_and_largest) {
    view_number_set set;
    EXPECT_EQ(set.largest(), 1) << "empty set";
    fill(set, {1});
    EXPECT_EQ(set.largest(), 1);
    ASSERT_EQ(set.take_smallest_free(), 2);
    EXPECT_EQ(set.largest(), 2);
    set.erase(2);
    set.erase(1);
    fill(set, {3, 7});
    EXPECT_EQ(set.largest(), 7);
    set.erase(5);
    EXPECT_EQ(contents(set), "3 7 ") << "releasing an absent number changes nothing";
    set.erase(7);
    EXPECT_EQ(contents(set), "3 ");
}

TEST(view_number_set, assign_first_grows_at_once_or_not_at_all) {
    view_number_set set;
    fill(set, {1, 2});
    memory::fail_allocation(1);
    EXPECT_FALSE(set.assign_first(40));
    memory::fail_allocation(0);
    EXPECT_EQ(contents(set), "1 2 ") << "no memory: the set is as it was";
    ASSERT_TRUE(set.assign_first(40)) << "more than twice the storage held, in one step";
    EXPECT_EQ(set.size(), 40u);
    EXPECT_EQ(set.largest(), 40);
}

TEST(view_number_set, failed_growth_leaves_the_set_as_it_was) {
    view_number_set set;
    memory::fail_allocation(1);
    EXPECT_EQ(set.take_smallest_free(), 0);
    memory::fail_allocation(0);
    EXPECT_EQ(set.size(), 0u);
    for (int i = 1; i <= 8; ++i) set.take_smallest_free();  // fills the first block
    memory::fail_allocation(1);
    EXPECT_EQ(set.take_smallest_free(), 0);
    memory::fail_allocation(0);
    EXPECT_EQ(contents(set), "1 2 3 4 5 6 7 8 ");
}

class view_numbers_of_views : public linked_plugin_test {};

TEST_F(view_numbers_of_views, views_take_and_give_back_numbers) {
    start_without_registry();
    record_builder record(tree.windows("left"));
    file_panel_view* one = file_panel_view::create(record.info());
    file_panel_view* two = file_panel_view::create(record.info());
    file_panel_view* three = file_panel_view::create(record.info());
    ASSERT_TRUE(one && two && three);
    EXPECT_EQ(one->number, 1);
    EXPECT_EQ(two->number, 2);
    EXPECT_EQ(three->number, 3);
    memory::destroy(two);
    EXPECT_EQ(max_view_number(), 3);
    file_panel_view* again = file_panel_view::create(record.info());
    ASSERT_TRUE(again);
    EXPECT_EQ(again->number, 2) << "the freed number is taken again";
    memory::destroy(three);
    file_panel_view* copy = one->clone();
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->number, 3) << "a clone takes the smallest free number";
    memory::destroy(copy);
    memory::destroy(again);
    memory::destroy(one);
    EXPECT_EQ(view_numbers().size(), 0u);
}

// A kind of view other than the file panel's: the base gives it a number and
// answers that it can be switched to unless the kind says otherwise.
class other_kind_of_view : public view {
public:
    int type_label_id() const override { return msg_label_file; }
    const char* path() const override { return "C:\\"; }
    const char* short_path(int) const override { return "C:\\"; }
    bool is_valid() const override { return true; }
    void refresh_validity() override {}
    void apply() override {}
    view* clone() const override { return nullptr; }
};

TEST_F(view_numbers_of_views, a_view_of_another_kind_takes_a_number_and_is_supported) {
    start_without_registry();
    {
        other_kind_of_view other;
        EXPECT_EQ(other.number, 1);
        EXPECT_FALSE(static_cast<const view&>(other).is_unsupported());
    }
    EXPECT_EQ(view_numbers().size(), 0u) << "its number is given back";
}

TEST_F(view_numbers_of_views, renumbering_gives_the_last_entry_number_one) {
    start_without_registry();
    record_builder record(tree.windows("left"));
    view_list list;
    file_panel_view* made[3];
    for (auto*& v : made) v = file_panel_view::create(record.info());
    memory::destroy(file_panel_view::create(record.info()));  // leaves no gap
    release_view_number(made[0]->number);                     // a stale number the set forgets
    for (auto* v : made) list.push_back(v);
    ASSERT_TRUE(renumber_views(list));
    EXPECT_EQ(made[0]->number, 3);
    EXPECT_EQ(made[1]->number, 2);
    EXPECT_EQ(made[2]->number, 1);
    EXPECT_EQ(contents(view_numbers()), "1 2 3 ");
    view_list empty;
    ASSERT_TRUE(renumber_views(empty));
    EXPECT_EQ(view_numbers().size(), 0u) << "an empty list empties the set";
    ASSERT_TRUE(renumber_views(list));
    for (auto* v : made) memory::destroy(v);
    EXPECT_EQ(view_numbers().size(), 0u);
}

}  // namespace
}  // namespace tolvik::test
