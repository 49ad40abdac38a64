// The list dialog's size, items and lines, and the warning box, as the host
// saw them: one table of cases, each opened in normal and in Ctrl mode,
// checked against what the call log recorded and against its golden screens.
// Each golden file holds the screen's text, a line "--", and the cells'
// attribute letters. To rewrite the files after an intended change:
// TOLVIK_UPDATE_GOLDEN=1 test_e2e.
#include <cstdlib>
#include <fstream>
#include <optional>

#include "e2e/list_fixture.h"
#include "emulator/text_file.h"

namespace tolvik::test {
using namespace emu;
namespace {

const std::string deep_folder = "a-rather-long-folder-name-for-the-width-rule/and-one-more-level-below";
const std::string long_title = "Every saved panel view of this session, newest first";

class layout;

// How a case is opened: the list, closed with Esc (Ctrl+Esc in Ctrl mode),
// or the list with the warning box over it, closed with Enter and Esc
// (releasing Ctrl).
enum class shown { list, normal_only, warning };

struct layout_case {
    const char* name;  // golden files <name>_normal and <name>_ctrl, or <name> alone
    int views;
    void (layout::*set_up)();
    std::vector<int32_t> keys;  // pressed before the look; in Ctrl mode with Ctrl
    shown what;
    // Checks of what the host saw from log index `from` on.
    void (layout::*check)(bool ctrl, size_t from);
};

void PrintTo(const layout_case& c, std::ostream* out) { *out << c.name; }

class layout : public list_dialog_test, public ::testing::WithParamInterface<layout_case> {
public:
    void deep_folder_active() {
        tree.folder(deep_folder);
        host->panels().active().set_directory(dir(deep_folder));
    }
    void long_list_title() { host->lang().set_message(msg_list_title, long_title); }
    void other_panels_view_first() {
        host->panels().switch_active();
        open({press(key::del), press(key::esc)});
    }
    void tree_panel() { host->panels().active().type = panel_tree; }
    void view_3_gone() { tree.remove("v3"); }

    void two_views(bool ctrl, size_t from) {
        const open_dialog& run = last_list_run();
        if (ctrl) {
            EXPECT_EQ(run.width, 32) << "25 + 4 + 2 = 31, rounded up";
            EXPECT_EQ(run.height, 12);
            EXPECT_EQ(rect(run.items[0].record), (std::vector<int32_t>{0, 0, 31, 11}));
            EXPECT_EQ(rect(run.items[1].record), (std::vector<int32_t>{1, 1, 30, 10}));
            return;
        }
        auto calls = calls_since(from, service::dialog_ex);
        ASSERT_EQ(calls.size(), 1u);
        std::vector<int32_t> args = calls[0].args;
        ASSERT_EQ(args.size(), 12u);
        args[5] = args[6] = args[10] = 0;  // the help topic, items and procedure pointers
        // Longest estimate: 1 + 10 ("file panel") + 8 ("C:\right") + 6 = 25;
        // + 4 = 29; + 6 margins = 35, odd, so 36. No dialog flags.
        EXPECT_EQ(args, (std::vector<int32_t>{default_module_number, -1, -1, 36, 12, 0, 0, 2, 0, 0, 0, 0}));
        EXPECT_EQ(calls[0].texts[0], "Panel_list");

        const FarDialogItem& box = run.items[0].record;
        EXPECT_EQ(box.type, item_double_box);
        EXPECT_EQ(rect(box), (std::vector<int32_t>{2, 1, 33, 10}));
        EXPECT_EQ(field_text(box.text, item_text_size), text(msg_list_title));
        EXPECT_EQ(box.flags, 0u);
        const FarDialogItem& list = run.items[1].record;
        EXPECT_EQ(list.type, item_list_box);
        EXPECT_EQ(rect(list), (std::vector<int32_t>{3, 2, 32, 9}));
        EXPECT_EQ(list.flags, 0x40040000u);
        EXPECT_EQ(list.focus, 0);
        EXPECT_EQ(list.default_button, 0);

        // Path column: 29 - 1 - 10 - 9 = 9; each line is 29 - 3 = 26 long.
        EXPECT_EQ(lines(), (std::vector<std::string>{"2. file panel < " + dir("left") + "   ",
                                                     "1. file panel > " + dir("right") + "  "}));
        EXPECT_EQ(line_flags(), (std::vector<uint32_t>{0, list_item_disabled}));
        for (const list_item& line : run.items[1].lines)
            EXPECT_EQ(std::vector<uint32_t>(line.reserved, line.reserved + 3),
                      (std::vector<uint32_t>{0, 0, 0}));

        auto shortened = calls_since(from, service::shorten_path);
        ASSERT_EQ(shortened.size(), 2u) << "one shortened path per line";
        EXPECT_EQ(shortened[0].args[1], 9);
        EXPECT_EQ(shortened[0].texts[0], dir("left"));
        EXPECT_EQ(shortened[1].texts[0], dir("right"));

        // Nothing is sent before the dialog runs; the init sends only 54,
        // with the list box and 0.
        EXPECT_EQ(messages_since(from), (std::vector<int32_t>{dm_list_mouse_reaction, dm_close}));
        const call_entry init = calls_since(from, service::send_dialog_message).front();
        EXPECT_EQ(std::vector<int32_t>(init.args.begin() + 2, init.args.end()), (std::vector<int32_t>{1, 0}));
    }

    void numbers_right_aligned(bool, size_t) {
        auto all = lines();
        ASSERT_EQ(all.size(), 12u);
        EXPECT_EQ(all[0], "12. file panel < " + dir("v12") + "   ");
        EXPECT_EQ(all[9], " 3. file panel   " + dir("v3") + "    ");
        EXPECT_EQ(all[11], " 1. file panel > " + dir("right") + " ");
    }

    void height_stays_12(bool, size_t) {
        EXPECT_EQ(last_list_run().height, 12);
        EXPECT_EQ(lines().size(), 50u);
    }

    void width_stops_at_68(bool ctrl, size_t from) {
        if (ctrl) return;
        EXPECT_EQ(last_list_run().width, 68);
        const FarDialogItem& list = last_list_run().items[1].record;
        EXPECT_EQ(list.right, 64);
        for (const std::string& line : lines()) EXPECT_EQ(line.size(), 58u) << "[" << line << "]";
        EXPECT_EQ(calls_since(from, service::shorten_path)[0].args[1], 61 - 1 - 10 - 9);
    }

    void title_sets_the_width(bool ctrl, size_t) {
        if (ctrl) return;
        EXPECT_EQ(last_list_run().width, static_cast<int32_t>(long_title.size()) + 4 + 6);
        // The lines still end 4 columns before the list's right edge.
        const FarDialogItem& list = last_list_run().items[1].record;
        for (const std::string& line : lines())
            EXPECT_EQ(static_cast<int>(line.size()), list.right - list.left - 3) << "[" << line << "]";
    }

protected:
    static std::vector<int32_t> rect(const FarDialogItem& item) {
        return {item.left, item.top, item.right, item.bottom};
    }

    // Opens the list, looks once `before` is consumed, then feeds `after`;
    // the screen must match the golden file `name`, and the call log the
    // case's checks.
    void look(const std::string& name, const std::vector<input_event>& before,
              const std::vector<input_event>& after, bool ctrl) {
        size_t from = host->log().size();
        std::string attributes;
        std::string text = open_and_look(before, after, ctrl, &attributes);
        expect_golden(name, text, attributes);
        if (GetParam().check) (this->*GetParam().check)(ctrl, from);
    }

    void expect_golden(const std::string& name, const std::string& text, const std::string& attributes) {
        std::string path = std::string(TOLVIK_TESTS_DIR) + "/golden/" + name + ".txt";
        std::string actual = on_drive_c(text) + "--\n" + attributes;
        const char* update = std::getenv("TOLVIK_UPDATE_GOLDEN");
        if (update && std::string(update) == "1") {
            std::ofstream(path, std::ios::binary) << actual;
            return;
        }
        std::optional<std::string> expected = read_text_file(path);
        ASSERT_TRUE(expected) << "missing golden file " << path << " (TOLVIK_UPDATE_GOLDEN=1 writes it)";
        EXPECT_EQ(actual, *expected) << "screen differs from " << path << "; actual:\n" << actual;
    }

    // The screen as if the tree were drive C: (under wine it is a drive of
    // its own, its paths as long).
    std::string on_drive_c(std::string text) const {
        const std::string drive = tree.windows();
        for (size_t at = 0; (at = text.find(drive, at)) != std::string::npos; at += drive.size())
            text.replace(at, drive.size(), "C:\\");
        return text;
    }
};

TEST_P(layout, golden_screens_and_what_the_host_was_handed) {
    const layout_case& c = GetParam();
    grow_to(c.views);
    if (c.set_up) (this->*c.set_up)();
    const bool warning = c.what == shown::warning;
    std::vector<input_event> before;
    std::vector<input_event> ctrl_before;
    for (int32_t k : c.keys) {
        before.push_back(press(k));
        ctrl_before.push_back(press(k | key::ctrl));
    }
    std::string name = c.name;
    if (c.what == shown::normal_only) {
        look(name, before, {press(key::esc)}, false);
        return;
    }
    look(name + "_normal", before,
         warning ? std::vector{press(key::enter), press(key::esc)} : std::vector{press(key::esc)}, false);
    look(name + "_ctrl", ctrl_before,
         warning ? std::vector{ctrl_up(), idle()} : std::vector{press(key::ctrl | key::esc)}, true);
}

const layout_case cases[] = {
    {"list_2_views", 2, nullptr, {}, shown::list, &layout::two_views},
    {"list_8_views", 8, nullptr, {}, shown::list, nullptr},
    {"list_12_views", 12, nullptr, {}, shown::list, &layout::numbers_right_aligned},
    {"list_50_views", 50, nullptr, {key::pg_dn, key::down}, shown::list, &layout::height_stays_12},
    {"list_width_68", 2, &layout::deep_folder_active, {}, shown::list, &layout::width_stops_at_68},
    {"list_long_title", 2, &layout::long_list_title, {}, shown::list, &layout::title_sets_the_width},
    {"list_invalid_directory", 4, &layout::view_3_gone, {key::down}, shown::normal_only, nullptr},
    {"list_disabled_front", 4, &layout::other_panels_view_first, {}, shown::normal_only, nullptr},
    {"warning_move", 2, &layout::tree_panel, {key::down}, shown::warning, nullptr},
    {"warning_clone", 2, &layout::tree_panel, {keys::duplicate}, shown::warning, nullptr},
    {"warning_new", 2, &layout::tree_panel, {keys::new_view}, shown::warning, nullptr},
};

INSTANTIATE_TEST_SUITE_P(cases, layout, ::testing::ValuesIn(cases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tolvik::test
