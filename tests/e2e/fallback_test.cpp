// A view whose folder is gone, or is there but cannot be entered, is applied
// at the fallback directory. While the panel still shows that fallback state
// the view keeps its own snapshot;
// whatever the user changes there is the view's new state. A view of a tree,
// quick view, information or plugin panel has no such state to keep: once
// the panel is a plain file panel, that is the view.
#include <functional>

#include "e2e/list_fixture.h"

namespace tolvik::test {
using namespace emu;
namespace {

class fallback : public list_dialog_test {
protected:
    // How view 3's folder is lost: gone from the disk, or still there but
    // barred to the host (it tests as a folder, and cannot be entered).
    enum class loss { gone, barred };

    // Leaves view 3, whose folder holds a selected a.txt, on the active panel
    // with its folder lost: the panel sits at the fallback directory exactly
    // as apply left it, not in the folder of view 2 (which holds an a.txt
    // too) where a host that cannot enter view 3's folder leaves it.
    void strand_view_3(loss how = loss::gone) {
        grow_to(3);
        tree.file("v3/a.txt");
        tree.file("left/a.txt");
        panel().refresh();
        panel().select_name("a.txt", true);
        open({press(key::esc)});
        if (how == loss::gone)
            tree.remove("v3");
        else
            host->barred().bar(dir("v3"));
        open({press(key::down), press(key::up), press(key::esc)});
        ASSERT_EQ(active_dir(), "C:\\");
        ASSERT_EQ(lines()[0].substr(0, 2), "3-") << lines()[0];
        host->log().clear();
    }
    panel_model& panel() { return host->panels().active(); }
    // The folder a line ends with; the list may shorten it in the middle.
    static bool ends_with_folder(const std::string& line, const std::string& tail) {
        return std::string_view(line).substr(0, line.find_last_not_of(' ') + 1).ends_with(tail);
    }
};

TEST_F(fallback, the_unchanged_fallback_state_keeps_the_views_own_snapshot) {
    for (loss how : {loss::gone, loss::barred}) {
        SCOPED_TRACE(how == loss::gone ? "folder gone" : "folder barred");
        strand_view_3(how);
        panel().set_cursor(2);  // the cursor and top line alone are no change
        std::string line = next_lines()[0];
        EXPECT_EQ(line.substr(0, 2), "3-") << line;
        EXPECT_TRUE(ends_with_folder(line, "\\v3")) << "the view keeps its folder: " << line;

        // Away and back: view 3 is applied at the fallback again, still lost.
        size_t from = open({press(key::down), press(key::up), press(key::esc)});
        EXPECT_EQ(applied_since(from), how == loss::gone
                                           ? (std::vector<std::string>{dir("left"), "C:\\"})
                                           : (std::vector<std::string>{dir("left"), dir("v3"), "C:\\"}));
        EXPECT_EQ(lines()[0].substr(0, 2), "3-") << lines()[0];

        // With its folder back, the view is there whole, selection included.
        if (how == loss::gone)
            tree.file("v3/a.txt");
        else
            host->barred().free(dir("v3"));
        open({press(key::down), press(key::up), press(key::esc)});
        EXPECT_EQ(active_dir(), dir("v3"));
        EXPECT_EQ(panel().selected_names(), std::vector<std::string>{"a.txt"});
        restart();
    }
}

TEST_F(fallback, every_change_made_at_the_fallback_is_captured) {
    const struct {
        const char* what;
        std::function<void(panel_model&)> change;
    } changes[] = {
        {"a selection", [](panel_model& p) { p.set_selected(0, true); }},
        {"a view mode", [](panel_model& p) { p.view_mode = 4; }},
        {"a sort mode", [](panel_model& p) { p.set_sort_mode(sort_modes::by_size); }},
        {"the order", [](panel_model& p) { p.set_reversed(!p.reversed()); }},
        {"a tree", [](panel_model& p) { p.type = panel_tree; }},
        {"a plugin panel", [](panel_model& p) { p.plugin = 1; }},
    };
    for (const auto& c : changes) {
        SCOPED_TRACE(c.what);
        strand_view_3();
        c.change(panel());
        std::string line = next_lines()[0];
        EXPECT_EQ(line.substr(0, 2), "3.") << "captured and valid again: " << line;
        EXPECT_TRUE(ends_with_folder(line, " C:\\")) << line;
        restart();
    }
}

TEST_F(fallback, a_gone_view_of_an_unsupported_panel_frees_the_plain_file_panel_it_is_left_on) {
    for (const panel_kind& k : unsupported_panels) {
        SCOPED_TRACE(k.name);
        // View 3 is captured of that panel at a folder that then goes.
        grow_to(3);
        tree.folder("gone");
        ASSERT_TRUE(panel().set_directory(dir("gone")));
        make_active(k);
        open({press(key::esc)});
        ASSERT_EQ(lines()[0].substr(0, 2), "3.") << lines()[0];
        tree.remove("gone");
        open({press(key::ctrl_r), press(key::enter)});
        ASSERT_EQ(active_dir(), "C:\\");
        ASSERT_EQ(lines()[0].substr(0, 2), "3-") << lines()[0];

        // The panel turns back into a plain file panel where apply left it:
        // its view is now that panel, and the list's keys act on it.
        make_active(file_panel);
        size_t from = open({press(key::down), press(key::esc)});
        std::string line = lines()[0];
        EXPECT_EQ(line.substr(0, 2), "3.") << "captured and valid again: " << line;
        EXPECT_NE(line.find(text(msg_label_file)), std::string::npos) << line;
        EXPECT_TRUE(ends_with_folder(line, " C:\\")) << line;
        EXPECT_EQ(calls_since(from, service::dialog_ex).size(), 1u) << "no warning box";
        EXPECT_EQ(applied_since(from), (std::vector<std::string>{dir("left"), "C:\\"}))
            << "Down shows view 2, Esc view 3 again";
        size_t copy = open({press(keys::duplicate), press(key::esc)});
        EXPECT_EQ(calls_since(copy, service::dialog_ex).size(), 1u) << "Ctrl+F3 is not refused";
        EXPECT_EQ(lines().size(), 4u);
        restart();
    }
}

TEST_F(fallback, a_copy_of_a_view_captured_at_the_fallback_restores_its_selection) {
    strand_view_3();
    panel().set_selected(0, true);
    const std::vector<std::string> chosen = panel().selected_names();
    ASSERT_EQ(chosen.size(), 1u);
    panel().view_mode = 4;
    // The opening captures the view; its copy is applied at once and kept.
    size_t from = open({press(keys::duplicate), press(key::enter)});
    EXPECT_EQ(lines()[0].substr(0, 2), "4.") << "the copy, valid: " << lines()[0];
    EXPECT_EQ(applied_since(from), (std::vector<std::string>{"C:\\"}));
    int selections = 0;
    for (const call_entry& c : calls_since(from, service::panel_control))
        if (c.args[1] == cmd_set_selection) ++selections;
    EXPECT_EQ(selections, 1) << "a valid copy restores its selection";
    EXPECT_EQ(panel().selected_names(), chosen);
    EXPECT_EQ(panel().view_mode, 4);
}

TEST_F(fallback, a_tree_at_the_fallback_refuses_moves) {
    strand_view_3();
    panel().type = panel_tree;
    size_t from = open({press(key::down), press(key::enter), press(key::esc)});
    auto boxes = calls_since(from, service::dialog_ex);
    ASSERT_EQ(boxes.size(), 2u) << "the list and one warning box";
    const auto& runs = host->dialogs().history();
    EXPECT_EQ(runs.back().items.size(), 2u) << "the list ran last";
    EXPECT_EQ(runs[runs.size() - 2].title(), text(msg_refused_move));
    EXPECT_TRUE(applied_since(from).empty()) << join(applied_since(from));
    EXPECT_EQ(panel().type, panel_tree);
    EXPECT_EQ(active_dir(), "C:\\");
    EXPECT_EQ(host->panels().passive().directory(), dir("right")) << "the other panel is untouched";
}

}  // namespace
}  // namespace tolvik::test
