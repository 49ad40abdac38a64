// Where the opening puts the cursor. Normally on the top line with nothing
// applied; after an edit that left another view at the front, on the view
// the active panel shows, so that every commit and delete acts on an
// enabled line and a commit always applies what it commits.
#include "e2e/list_fixture.h"

namespace tolvik::test {
using namespace emu;
namespace {

class opening : public list_dialog_test {};

TEST_F(opening, normally_starts_on_the_top_line_and_applies_nothing) {
    grow_to(3);
    size_t from = open({press(key::esc)});
    EXPECT_EQ(positions_since(from).size(), 0u) << "the host's own cursor (line 0) is kept";
    EXPECT_EQ(host_cursor(), 0);
    EXPECT_TRUE(applied_since(from).empty());
    EXPECT_EQ(calls_since(from, service::panel_control).size(), 8u)
        << "the opening's panel calls: re-capture (1, 2, 1, 2) and the side marks (1, 2 per shown line)";
}

TEST_F(opening, far_down_the_list_the_first_lines_shown_hold_the_cursor) {
    // Each new view left with Esc stands above the panel's own view, which
    // sinks one line per view: 24 of them put it on line 24 of 26.
    for (int i = 0; i < 24; ++i) open({press(keys::new_view), press(key::esc)});
    size_t from = open({press(key::esc)});
    auto positions = positions_since(from);
    ASSERT_FALSE(positions.empty()) << host->report();
    const int32_t select = positions[0][0], top = positions[0][1];
    const open_dialog& run = last_list_run();
    const int32_t visible = run.items[1].record.bottom - run.items[1].record.top + 1;
    EXPECT_EQ(select, 24);
    EXPECT_LT(visible, 26) << "the list must be longer than the box for this case";
    EXPECT_EQ(top, 26 - visible) << "the last page: the cursor line is shown";
    EXPECT_TRUE(applied_since(from).empty());
}

TEST_F(opening, regression_commit_on_a_disabled_front_made_both_panels_show_one_view) {
    leave_the_other_panels_view_at_the_front();
    size_t from = open({press(key::enter)});
    ASSERT_EQ(positions_since(from), (std::vector<std::vector<int32_t>>{{1, 0}}))
        << "the cursor starts on view 3's line";
    EXPECT_EQ(line_flags(), (std::vector<uint32_t>{list_item_disabled, 0, 0}));
    EXPECT_TRUE(applied_since(from).empty()) << "view 3 is shown already";
    // The left panel still has a line of its own, disabled; view 3 stays the
    // right panel's.
    open({press(key::esc)});
    EXPECT_EQ(line_flags()[0], 0u);
    EXPECT_EQ(lines()[0].substr(0, 2), "3.");
    EXPECT_NE(lines()[0].find('>'), std::string::npos) << lines()[0];
    EXPECT_NE(lines()[1].find('<'), std::string::npos) << "view 4 is still the left panel's: " << lines()[1];
}

TEST_F(opening, regression_delete_on_a_disabled_front_left_a_panel_without_a_view) {
    leave_the_other_panels_view_at_the_front();
    size_t from = open({press(key::del), press(key::esc)});
    EXPECT_EQ(lines().size(), 2u);
    EXPECT_EQ(lines()[0].substr(0, 2), "4.") << "the left panel's view is kept: " << join(lines());
    EXPECT_EQ(applied_since(from), (std::vector<std::string>{dir("left")})) << "view 2 took the right slot";
    // Both panels still have their views: a further opening works.
    host->panels().switch_active();
    open({press(key::down), press(key::esc)});
    EXPECT_EQ(lines().size(), 2u);
}

TEST_F(opening, regression_enter_after_a_new_view_left_at_the_front_did_not_apply_it) {
    grow_to(3);
    open({press(keys::new_view), press(key::esc)});  // view 4 at the front, no panel shows it
    size_t from = open({press(key::up), press(key::enter)});
    EXPECT_EQ(positions_since(from).front(), (std::vector<int32_t>{1, 0}))
        << "opens on view 3, the shown one";
    EXPECT_EQ(applied_since(from), (std::vector<std::string>{"C:\\"})) << "Up reaches view 4 and previews it";
    EXPECT_EQ(active_dir(), "C:\\");
    // The panel now really shows view 4, so the next re-capture keeps it.
    open({press(key::esc)});
    EXPECT_EQ(lines()[0].substr(0, 19), "4. file panel < C:\\");
    EXPECT_EQ(lines()[0].find_first_not_of(' ', 19), std::string::npos) << "[" << lines()[0] << "]";
}

TEST_F(opening, regression_a_list_ended_without_its_close_notification_kept_its_handle) {
    grow_to(3);
    for (bool ctrl : {false, true}) {
        SCOPED_TRACE(ctrl ? "Ctrl mode" : "normal mode");
        open({press(key::down), {input_kind::shutdown, 0}}, ctrl);
        size_t from = open({press(key::esc)});
        const auto& log = host->log().entries();
        size_t opened = from;
        while (opened < log.size() && log[opened].service != service::dialog_ex) ++opened;
        ASSERT_LT(opened, log.size()) << "the list opened";
        EXPECT_EQ(messages_since(from).size(), messages_since(opened).size())
            << "dialog messages went to the ended dialog before the host's dialog call";
    }
}

}  // namespace
}  // namespace tolvik::test
