// A registry that broke its rules (more than one disabled line, the current
// slot's own view disabled) must not hang the host or put the cursor off the
// list: the opening falls back to the first enabled line, then to the top
// one, and every cursor move ends within the list. Each case breaks the
// slot lists by hand and repairs them before ExitFAR.
#include <gtest/gtest.h>

#include <vector>

#include "dialog/view_list_dialog_impl.h"
#include "emulator/host.h"
#include "host/constants.h"
#include "registry/registry.h"
#include "support/linked_plugin_test.h"
#include "support/list_keys.h"
#include "views/view.h"

namespace tolvik::test {
using namespace emu;
namespace {

input_event press(int32_t code) { return {input_kind::key, code}; }

class broken_registry : public linked_plugin_test {
protected:
    // Four views: two new ones no panel shows (made and left with Esc), the
    // front one of them fresh_, the current slot's view and the other slot's.
    void SetUp() override {
        linked_plugin_test::SetUp();
        start();
        run({press(keys::new_view), press(key::esc)});
        run({press(keys::new_view), press(key::esc)});
        ASSERT_EQ(recent_views().size(), 4u);
        fresh_ = recent_views().front();
        current_ = current_slot();
        other_ = current_ == panel_slots().front() ? panel_slots().back() : panel_slots().front();
        shown_ = current_->shown_view();
        ASSERT_NE(fresh_, shown_);
        ASSERT_TRUE(fresh_->slots.empty());
    }

    // The current slot's view lists the other slot first: its line is
    // disabled although the current panel shows it.
    void disable_the_shown_view() {
        shown_->remove_slot(current_);
        ASSERT_TRUE(shown_->add_slot(other_));
        ASSERT_TRUE(shown_->add_slot(current_));
    }
    void disable_the_fresh_view() { ASSERT_TRUE(fresh_->add_slot(other_)); }
    void repair() {
        shown_->remove_slot(other_);
        if (!fresh_->slots.empty()) fresh_->remove_slot(other_);
    }

    // Runs an opening over `events`; returns the host's cursor line before
    // each event and after the last. Each must be the line of the list's
    // cursor entry.
    std::vector<int32_t> run(const std::vector<input_event>& events) {
        std::vector<int32_t> lines;
        size_t next = 0;
        host.input().set_source([&](input_event& e) {
            if (const open_dialog* d = host.dialogs().innermost(); d && d->items.size() == 2) {
                lines.push_back(d->items[1].list_select);
                int32_t cursor = 0;
                for (auto at = recent_views().begin(); at != the_view_list_dialog().list().cursor(); ++at)
                    ++cursor;
                EXPECT_EQ(lines.back(), cursor) << "the host's line and the list's cursor disagree";
            }
            if (next >= events.size()) return false;
            e = events[next++];
            return true;
        });
        host.open_plugin();
        host.input().set_source(nullptr);
        return lines;
    }

    view* fresh_ = nullptr;
    view* shown_ = nullptr;
    panel_slot* current_ = nullptr;
    panel_slot* other_ = nullptr;
};

TEST_F(broken_registry, the_opening_falls_back_to_the_first_enabled_line) {
    disable_the_shown_view();
    disable_the_fresh_view();
    std::vector<int32_t> lines = run({press(key::esc)});
    repair();
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.front(), 1) << "the other new view, below the front one";
}

TEST_F(broken_registry, over_a_list_of_disabled_lines_every_move_ends_on_the_list) {
    disable_the_shown_view();
    disable_the_fresh_view();
    view* second_fresh = *++recent_views().begin();
    ASSERT_TRUE(second_fresh->add_slot(other_));
    // Home and End wrap around while they skip; a page wraps at either end.
    std::vector<int32_t> lines =
        run({press(key::home), press(key::end), press(key::pg_dn), press(key::pg_up), press(key::down),
             press(key::up), press(key::del), press(keys::ctrl_f4), press(key::esc)});
    EXPECT_EQ(recent_views().size(), 4u) << "a disabled line is never deleted";
    second_fresh->remove_slot(other_);
    repair();
    ASSERT_EQ(lines.size(), 9u) << "every key is taken, none hangs\n" << host.report();
    EXPECT_EQ(lines.front(), 0) << "with no enabled line the opening stays on the top one";
    for (int32_t line : lines) {
        EXPECT_GE(line, 0);
        EXPECT_LE(line, 3);
    }
    // With nothing to skip to, Down and Up still move by one line (Down
    // before line 5, Up before line 6).
    EXPECT_EQ(lines[5], (lines[4] + 1) % 4) << "Down";
    EXPECT_EQ(lines[6], lines[4]) << "Up";
}

TEST_F(broken_registry, del_on_the_bottom_line_below_only_disabled_lines_deletes_nothing) {
    // The front view moved to the bottom, every line above it disabled: Del
    // finds no line below and none above to take the cursor.
    recent_views().erase(recent_views().begin());
    ASSERT_NE(recent_views().push_back(fresh_), recent_views().end());
    view* second_fresh = recent_views().front();
    ASSERT_TRUE(second_fresh->add_slot(other_));
    disable_the_shown_view();
    std::vector<int32_t> lines = run({press(key::del), press(key::esc)});
    const size_t views = recent_views().size();
    const view* bottom = recent_views().back();
    second_fresh->remove_slot(other_);
    repair();

    ASSERT_EQ(lines.size(), 2u) << host.report();
    EXPECT_EQ(lines, (std::vector<int32_t>{3, 3})) << "the opening's first enabled line, kept";
    EXPECT_EQ(views, 4u);
    EXPECT_EQ(bottom, fresh_);
    EXPECT_EQ(host.dialogs().history().back().items[1].lines.size(), 4u);
}

TEST_F(broken_registry, a_view_that_both_slots_show_is_never_deleted) {
    // Both slots show the current slot's view, the current slot first: its
    // line is enabled, and deleting it would leave the other slot with no view.
    view* left_alone = other_->shown_view();
    ASSERT_TRUE(other_->show(shown_));
    ASSERT_EQ(shown_->slots.size(), 2u);
    ASSERT_EQ(shown_->slots.front(), current_);
    // The opening puts the cursor on the current slot's view.
    int32_t line = 0;
    for (auto at = recent_views().begin(); *at != shown_; ++at) ++line;
    const std::vector<input_event> keys = {press(key::del), press(key::esc)};
    std::vector<int32_t> lines = run(keys);
    const size_t views = recent_views().size();
    view* other_shows = other_->shown_view();
    view* current_shows = current_->shown_view();
    if (other_shows != left_alone) {
        ASSERT_TRUE(other_->show(left_alone));  // repair
    }

    ASSERT_EQ(lines.size(), keys.size()) << host.report();
    EXPECT_EQ(lines, (std::vector<int32_t>{line, line})) << "Del on the view's line leaves the cursor there";
    EXPECT_EQ(host.dialogs().history().back().items[1].lines.size(), 4u) << "every line stays";
    EXPECT_EQ(views, 4u);
    EXPECT_EQ(current_shows, shown_);
    EXPECT_EQ(other_shows, shown_);
}

TEST_F(broken_registry, a_current_slot_that_shows_nothing_opens_on_the_first_enabled_line_and_commits) {
    ASSERT_TRUE(current_->show(nullptr));
    disable_the_fresh_view();
    std::vector<int32_t> lines = run({press(key::esc)});
    fresh_->remove_slot(other_);
    ASSERT_FALSE(lines.empty()) << host.report();
    EXPECT_EQ(lines.front(), 1) << "the front line is disabled, the one below is not";

    // Nothing shown: the opening stays on the top line, and no key is
    // refused (no view says the panel is unsupported).
    lines = run({press(key::down), press(key::esc)});
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], 0);
    EXPECT_EQ(lines[1], 1) << "Down moved";
    EXPECT_EQ(host.dialogs().history().size(), 4u) << "two openings in SetUp, two here, no warning box";
    EXPECT_EQ(current_->shown_view(), nullptr) << "Esc has nothing to go back to";

    // A commit gives the slot the chosen view again.
    run({press(key::down), press(key::enter)});
    ASSERT_NE(current_->shown_view(), nullptr);
    EXPECT_EQ(current_->shown_view(), recent_views().front());
    EXPECT_EQ(host.panels().active().directory(), recent_views().front()->path());
}

}  // namespace
}  // namespace tolvik::test
