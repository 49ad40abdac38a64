// The ways out of the list: commit (Enter, releasing Ctrl) and revert (Esc,
// F10, the host cancelling, Ctrl+Esc and key 0x1006 in Ctrl mode), and the
// Ctrl-mode keys. What the list answers the host for each key, and which
// keys it leaves to the host, is dialog/key_answers_test.cpp's table.
#include "e2e/list_fixture.h"

namespace tolvik::test {
using namespace emu;
namespace {

class commit_revert : public list_dialog_test {};

TEST_F(commit_revert, enter_on_the_last_applied_view_applies_nothing_and_still_promotes) {
    grow_to(3);  // 3 (current), 2, 1
    size_t from = open({press(key::down), press(key::enter)});
    EXPECT_EQ(applied_since(from), (std::vector<std::string>{dir("left")}))
        << "only the move's preview, no revert after the close";
    EXPECT_EQ(active_dir(), dir("left"));
    auto sent = calls_since(from, service::send_dialog_message);
    ASSERT_FALSE(sent.empty());
    EXPECT_EQ(sent.back().args[1], dm_close) << "closing is the last message";
    EXPECT_EQ(sent.back().args[2], 0);
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

// However the list ends when the dialog did not close it, the panel shows
// the current slot's view again; otherwise the next opening would capture
// the preview into that view. In Ctrl mode the list closes itself on
// Ctrl+Esc and key 0x1006.
TEST_F(commit_revert, f10_ctrl_esc_and_every_end_the_host_chooses_revert) {
    grow_to(3);
    const struct {
        const char* what;
        input_event end;
        bool ctrl = false;
    } ends[] = {
        {"F10", press(key::f10)},
        {"the host cancelling", cancel()},
        {"the host closing with the list box", host_close(1)},
        {"the host closing with item 0", host_close(0)},
        {"the host ending without a close notification", shutdown()},
        {"Ctrl+Esc", press(key::ctrl | key::esc), true},
        {"key 0x1006", press(key::ctrl_mode_cancel), true},
    };
    for (const auto& e : ends) {
        SCOPED_TRACE(e.what);
        size_t from = open({press(e.ctrl ? key::ctrl_tilde : key::down), e.end}, e.ctrl);
        if (e.ctrl) {
            EXPECT_EQ(messages_since(from).back(), dm_close);
        }
        EXPECT_EQ(applied_since(from), (std::vector<std::string>{dir("left"), dir("v3")}));
        EXPECT_EQ(active_dir(), dir("v3"));
        const std::string top = next_lines()[0];
        EXPECT_NE(top.find(dir("v3")), std::string::npos) << "view 3 kept its folder: " << top;
    }
}

TEST_F(commit_revert, ctrl_mode_walks_with_ctrl_tilde_and_commits_on_release_at_idle) {
    grow_to(4);  // 4, 3, 2, 1
    size_t from = open({press(key::ctrl_tilde), press(key::ctrl_tilde), press(key::ctrl_shift_tilde),
                        press(key::ctrl | key::down), press(key::ctrl | key::up),
                        press(key::ctrl | key::down), idle(), ctrl_up(), idle()},
                       true);
    EXPECT_EQ(applied_since(from), (std::vector<std::string>{dir("v3"), dir("left"), dir("v3"), dir("left"),
                                                             dir("v3"), dir("left")}));
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

}  // namespace
}  // namespace tolvik::test
