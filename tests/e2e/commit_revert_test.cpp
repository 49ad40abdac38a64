// The ways out of the list: commit (Enter, releasing Ctrl) and revert (Esc,
// F10, the host cancelling, key 0x1006 in Ctrl mode), and the Ctrl-mode keys.
#include "e2e/list_fixture.h"

namespace tolvik::test {
using namespace emu;
namespace {

class commit_revert : public list_dialog_test {
protected:
    // The lines of the next opening (closed at once with Esc).
    std::vector<std::string> next_lines() {
        open({press(key::esc)});
        return lines();
    }
};

TEST_F(commit_revert, enter_on_the_last_applied_view_applies_nothing_and_still_promotes) {
    grow_to(3);  // 3 (current), 2, 1
    size_t from = open({press(key::down), press(key::enter)});
    EXPECT_EQ(applied_since(from), (std::vector<std::string>{dir("left")})) << "only the move's preview";
    EXPECT_EQ(active_dir(), dir("left"));
    auto after = next_lines();
    ASSERT_EQ(after.size(), 3u);
    EXPECT_EQ(after[0].substr(0, 5), "2. fi") << join(after);
    EXPECT_NE(after[0].find('<'), std::string::npos) << "view 2 is now the left panel's: " << after[0];
    EXPECT_EQ(after[1].substr(0, 2), "3.") << join(after);
}

TEST_F(commit_revert, esc_after_moves_restores_the_current_view_and_keeps_the_order) {
    grow_to(4);
    auto before = next_lines();
    size_t from = open({press(key::down), press(key::down), press(key::esc)});
    EXPECT_EQ(applied_since(from), (std::vector<std::string>{dir("v3"), dir("left"), dir("v4")}));
    EXPECT_EQ(active_dir(), dir("v4"));
    EXPECT_EQ(next_lines(), before) << "expected the order kept";
}

TEST_F(commit_revert, f10_and_the_host_cancelling_revert) {
    grow_to(3);
    size_t from = open({press(key::down), press(key::f10)});
    EXPECT_EQ(applied_since(from), (std::vector<std::string>{dir("left"), dir("v3")}));
    from = open({press(key::down), cancel()});
    EXPECT_EQ(applied_since(from), (std::vector<std::string>{dir("left"), dir("v3")}))
        << "a close with a negative item reverts";
    EXPECT_EQ(active_dir(), dir("v3"));
}

TEST_F(commit_revert, a_close_with_item_zero_never_reverts) {
    grow_to(3);
    size_t from = open({press(key::down), press(key::enter)});
    auto closes = calls_since(from, service::send_dialog_message);
    ASSERT_FALSE(closes.empty());
    EXPECT_EQ(closes.back().args[1], dm_close) << "closing is the last message";
    EXPECT_EQ(closes.back().args[2], 0);
    EXPECT_EQ(applied_since(from).size(), 1u)
        << "expected no revert after the close: " << join(applied_since(from));
    EXPECT_EQ(active_dir(), dir("left"));
}

TEST_F(commit_revert, ctrl_mode_walks_with_ctrl_tilde_and_commits_on_release_at_idle) {
    grow_to(4);  // 4, 3, 2, 1
    size_t from = open({press(key::ctrl_tilde), press(key::ctrl_tilde), press(key::ctrl_shift_tilde),
                        press(key::ctrl | key::down), idle(), ctrl_up(), idle()},
                       true);
    EXPECT_EQ(applied_since(from),
              (std::vector<std::string>{dir("v3"), dir("left"), dir("v3"), dir("left")}));
    EXPECT_EQ(active_dir(), dir("left"));
    auto after = next_lines();
    EXPECT_EQ(after[0].substr(0, 2), "2.") << "view 2 committed: " << join(after);
}

TEST_F(commit_revert, a_key_after_ctrl_was_released_commits_and_is_ignored) {
    grow_to(4);
    size_t from = open({press(key::ctrl_tilde), ctrl_up(), press(key::down)}, true);
    EXPECT_EQ(applied_since(from), (std::vector<std::string>{dir("v3")})) << "the Down itself must not move";
    auto messages = messages_since(from);
    EXPECT_EQ(messages.back(), dm_close);
    EXPECT_EQ(next_lines()[0].substr(0, 2), "3.");
}

TEST_F(commit_revert, ctrl_up_reaches_the_host_in_normal_mode_and_moves_in_ctrl_mode) {
    grow_to(3);
    size_t from = open({press(key::ctrl | key::up), press(key::esc)});
    EXPECT_TRUE(applied_since(from).empty()) << join(applied_since(from));
    bool passed_on = false;
    for (const call_entry& c : calls_since(from, service::default_dialog_proc))
        if (c.args[1] == dn_key && c.args[3] == (key::ctrl | key::up)) passed_on = true;
    EXPECT_TRUE(passed_on) << "normal mode: Ctrl+Up goes to the default procedure\n" << host->report();

    from = open({press(key::ctrl | key::up), press(key::ctrl | key::esc)}, true);
    EXPECT_EQ(applied_since(from), (std::vector<std::string>{dir("left"), dir("v3")}))
        << "Ctrl mode: Ctrl+Up moves up (to view 2), Ctrl+Esc reverts";
    for (const call_entry& c : calls_since(from, service::default_dialog_proc))
        EXPECT_NE(c.args[1], dn_key) << "no key of this run goes to the host: " << c.describe();
}

TEST_F(commit_revert, ctrl_u_is_swallowed_without_the_default_procedure) {
    size_t from = open({press(keys::ctrl_u), press(key::esc)});
    for (const call_entry& c : calls_since(from, service::default_dialog_proc))
        EXPECT_NE(c.args[3], keys::ctrl_u) << c.describe();
    EXPECT_TRUE(applied_since(from).empty());
}

TEST_F(commit_revert, key_0x1006_reverts_in_ctrl_mode_only) {
    grow_to(3);
    size_t from = open({press(key::ctrl_tilde), press(key::ctrl_mode_cancel)}, true);
    EXPECT_EQ(applied_since(from), (std::vector<std::string>{dir("left"), dir("v3")}));
    EXPECT_EQ(messages_since(from).back(), dm_close);

    from = open({press(key::ctrl_mode_cancel), press(key::esc)});
    bool passed_on = false;
    for (const call_entry& c : calls_since(from, service::default_dialog_proc))
        if (c.args[1] == dn_key && c.args[3] == key::ctrl_mode_cancel) passed_on = true;
    EXPECT_TRUE(passed_on) << "normal mode: 0x1006 goes to the default procedure";
}

TEST_F(commit_revert, other_notifications_go_to_the_default_procedure_in_both_modes) {
    grow_to(3);
    // Notifications a host sends for drawing and focus; the list takes none.
    for (bool ctrl : {false, true}) {
        size_t from = open({{input_kind::notification, 0x1001},
                            {input_kind::notification, 2},
                            press(ctrl ? key::ctrl | key::esc : key::esc)},
                           ctrl);
        std::vector<int32_t> passed_on;
        for (const call_entry& c : calls_since(from, service::default_dialog_proc))
            if (c.args[1] != dn_init && c.args[1] != dn_close) passed_on.push_back(c.args[1]);
        EXPECT_EQ(passed_on, (std::vector<int32_t>{0x1001, 2})) << (ctrl ? "Ctrl mode" : "normal mode");
        EXPECT_TRUE(applied_since(from).empty()) << join(applied_since(from));
        EXPECT_TRUE(host->failures().empty()) << host->report();
    }
}

TEST_F(commit_revert, idle_in_normal_mode_goes_to_the_host_and_in_ctrl_mode_with_ctrl_held_is_kept) {
    size_t from = open({idle(), press(key::esc)});
    size_t idles = 0;
    for (const call_entry& c : calls_since(from, service::default_dialog_proc))
        if (c.args[1] == dn_idle) ++idles;
    EXPECT_EQ(idles, 1u);

    from = open({idle(), idle(), press(key::ctrl | key::esc)}, true);
    for (const call_entry& c : calls_since(from, service::default_dialog_proc))
        EXPECT_NE(c.args[1], dn_idle) << "Ctrl held: the idle is answered without the host";
    EXPECT_EQ(messages_since(from).back(), dm_close);
}

}  // namespace
}  // namespace tolvik::test
