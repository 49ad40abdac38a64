// Golden screens of the list dialog and the warning box. Each file holds the
// screen's text, a line "--", and the cells' attribute letters. To rewrite
// the files after an intended change: TOLVIK_UPDATE_GOLDEN=1 test_e2e.
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "e2e/list_fixture.h"

namespace tolvik::test {
using namespace emu;
namespace {

class golden : public list_dialog_test {
protected:
    void expect_golden(const std::string& name, const std::string& text, const std::string& attributes) {
        std::string path = std::string(TOLVIK_TESTS_DIR) + "/golden/" + name + ".txt";
        std::string actual = on_drive_c(text) + "--\n" + attributes;

        const char* update = std::getenv("TOLVIK_UPDATE_GOLDEN");
        if (update && std::string(update) == "1") {
            std::ofstream(path, std::ios::binary) << actual;
            return;
        }
        std::ifstream in(path, std::ios::binary);
        ASSERT_TRUE(in) << "missing golden file " << path << " (TOLVIK_UPDATE_GOLDEN=1 writes it)";
        std::stringstream expected;
        expected << in.rdbuf();
        EXPECT_EQ(actual, expected.str()) << "screen differs from " << path << "; actual:\n" << actual;
    }

    // The screen as if the tree were drive C: (under wine it is a drive of its
    // own, its paths as long).
    std::string on_drive_c(std::string text) const {
        const std::string drive = tree.windows();
        for (size_t at = 0; (at = text.find(drive, at)) != std::string::npos; at += drive.size())
            text.replace(at, drive.size(), "C:\\");
        return text;
    }

    // Opens the list, looks once `before` is consumed, then feeds `after`.
    void look(const std::string& name, const std::vector<input_event>& before,
              const std::vector<input_event>& after, bool ctrl = false) {
        std::string attributes;
        std::string text = open_and_look(before, after, ctrl, &attributes);
        expect_golden(name, text, attributes);
    }
    void look_list(const std::string& name, const std::vector<input_event>& before = {}) {
        look(name + "_normal", before, {press(key::esc)});
        look(name + "_ctrl", {}, {press(key::ctrl | key::esc)}, true);
    }
};

TEST_F(golden, two_views) { look_list("list_2_views"); }

TEST_F(golden, eight_views) {
    grow_to(8);
    look_list("list_8_views");
}

TEST_F(golden, fifty_views_with_the_cursor_further_down) {
    grow_to(50);
    look("list_50_views_normal", {press(key::pg_dn), press(key::down)}, {press(key::esc)});
    look("list_50_views_ctrl", {press(key::ctrl | key::pg_dn), press(key::ctrl | key::down)},
         {press(key::ctrl | key::esc)}, true);
}

TEST_F(golden, numbers_at_and_past_ten) {
    grow_to(12);
    look_list("list_12_views");
}

TEST_F(golden, an_invalid_directory) {
    grow_to(4);
    tree.remove("v3");
    look("list_invalid_directory", {press(key::down)}, {press(key::esc)});
}

TEST_F(golden, the_other_panels_view_at_the_front) {
    grow_to(4);
    host->panels().switch_active();
    open({press(key::del), press(key::esc)});
    look("list_disabled_front", {}, {press(key::esc)});
}

TEST_F(golden, width_clamped_to_68) {
    std::string deep = "a-rather-long-folder-name-for-the-width-rule/and-one-more-level-below";
    tree.folder(deep);
    host->panels().active().set_directory(dir(deep));
    look_list("list_width_68");
}

TEST_F(golden, a_title_longer_than_every_line) {
    host->lang().set_message(msg_list_title, "Every saved panel view of this session, newest first");
    look_list("list_long_title");
}

TEST_F(golden, warning_boxes) {
    host->panels().active().type = panel_tree;
    const struct {
        const char* name;
        int32_t code;
    } titles[] = {
        {"move", key::down}, {"clone", key::ctrl | key::f3}, {"new", key::ctrl | key::shift | key::f3}};
    for (const auto& t : titles) {
        look(std::string("warning_") + t.name + "_normal", {press(t.code)},
             {press(key::enter), press(key::esc)});
        look(std::string("warning_") + t.name + "_ctrl", {press(t.code | key::ctrl)}, {ctrl_up(), idle()},
             true);
    }
}

}  // namespace
}  // namespace tolvik::test
