// The list and the warning box in every language, through the host: the
// plugin loaded with the language's file, the active panel of every kind,
// the list opened in normal and in Ctrl mode and every refused action
// triggered; the checks read the dialogs' geometry and the screen the host
// drew. A title, label or line too long for the layout fails here.
#include <gtest/gtest.h>

#include "e2e/list_fixture.h"
#include "e2e_languages/language_set.h"
#include "e2e_languages/screen_reading.h"
#include "support/host_setup.h"

namespace tolvik::test {
namespace {

// The widest dialog the layout draws: the list is cut to it, and the host's
// smallest screen is that wide. The warning box must keep within it too.
constexpr int widest_dialog = 68;
// Columns of folder a list line keeps at the widest list, with view numbers
// of two digits.
constexpr int least_path_columns = 20;
constexpr int number_columns = 2;

class dialogs_fit : public list_dialog_test, public ::testing::WithParamInterface<language_files> {
protected:
    void SetUp() override {
        ASSERT_TRUE(host->load_language(GetParam().messages.string())) << host->report();
        // Folders long enough to widen the list to its limit.
        const std::string deep = "a_folder_with_a_name_long_enough/to_widen_the_list_to_its_limit";
        open_panels_on(*host, tree, "left/" + deep, "right/" + deep);
    }

    // Opens the list with `before` queued, in Ctrl mode when `ctrl`; the
    // host's sight is taken when the input first runs dry, then the list is
    // closed: `after` fed, or Ctrl released in Ctrl mode.
    sight watch(const std::vector<input_event>& before, bool ctrl, const std::vector<input_event>& after) {
        sight s;
        open_and_watch(before, ctrl ? std::vector{ctrl_up(), idle()} : after, ctrl,
                       [&] { s = sight_of(*host); });
        return s;
    }

    // The title of a dialog's double box stands whole in its top border.
    void expect_title_whole(const sight& s, const emu::open_dialog& d, const std::string& title) {
        const FarDialogItem& box = d.items[0].record;
        int row = d.top + box.top;
        int at = column_of(s.screen, row, " " + title + " ", d.left + box.left + 1, d.left + box.right - 1);
        EXPECT_GE(at, 0) << "title \"" << title << "\" cut in the border:\n" << s.screen.row(row);
    }
};

TEST_P(dialogs_fit, the_list_keeps_its_title_labels_and_folders_within_the_widest_list) {
    const std::string title = text(msg_list_title);
    std::vector<panel_kind> kinds{file_panel};
    kinds.insert(kinds.end(), std::begin(unsupported_panels), std::end(unsupported_panels));
    for (bool ctrl : {false, true})
        for (const panel_kind& kind : kinds) {
            SCOPED_TRACE(std::string(ctrl ? "Ctrl mode, " : "normal mode, ") + kind.name + " panel");
            make_active(kind);
            sight s = watch({}, ctrl, {press(key::esc)});
            ASSERT_TRUE(s.seen && s.dialogs.size() == 1) << host->report();
            const emu::open_dialog& list = s.dialogs[0];
            EXPECT_LE(list.width, widest_dialog);
            expect_title_whole(s, list, title);

            const FarDialogItem& box = list.items[1].record;
            const std::vector<list_item>& lines = list.items[1].lines;
            ASSERT_EQ(lines.size(), 2u);
            std::string label = text(kind.label);
            size_t label_width = std::max(label.size(), text(msg_label_file).size());
            int list_width = box.right - box.left + 1;
            for (size_t i = 0; i < lines.size(); ++i) {
                std::string line = field_text(lines[i].text, sizeof lines[i].text);
                SCOPED_TRACE("line \"" + line + "\"");
                // "1. label  < folder ": number, mark, blank, the label padded,
                // blank, side, blank, the folder padded, blank.
                std::string shown_label = line.substr(3, label_width);
                EXPECT_TRUE(shown_label.rfind(label, 0) == 0 ||
                            shown_label.rfind(text(msg_label_file), 0) == 0)
                    << "no whole label in the label column";
                EXPECT_EQ(static_cast<int>(line.size()), list_width - 4)
                    << "the line does not end 4 columns before the list's edge";
                int path_columns = static_cast<int>(line.size()) - 1 - static_cast<int>(label_width) - 6;
                EXPECT_GE(path_columns - (number_columns - 1), least_path_columns)
                    << "the labels leave too few columns for the folder";
                std::string drawn = line.substr(0, line.find_last_not_of(' ') + 1);
                EXPECT_TRUE(
                    shows_at(s.screen, list.left + box.left, list.top + box.top + static_cast<int>(i), drawn))
                    << "not drawn whole:\n"
                    << s.screen.dump();
            }
        }
}

TEST_P(dialogs_fit, the_warning_box_keeps_within_the_widest_dialog_on_every_unsupported_panel) {
    const struct {
        const char* name;
        int32_t code;
        int32_t title;
    } refused[] = {{"move", key::down, msg_refused_move},
                   {"duplicate", keys::duplicate, msg_refused_clone},
                   {"new view", keys::new_view, msg_refused_new},
                   {"delete", key::del, msg_refused_delete}};
    for (bool ctrl : {false, true})
        for (const panel_kind& kind : unsupported_panels)
            for (const auto& action : refused) {
                SCOPED_TRACE(std::string(ctrl ? "Ctrl mode, " : "normal mode, ") + kind.name + " panel, " +
                             action.name);
                make_active(kind);
                sight s = watch({press(action.code)}, ctrl, {press(key::enter), press(key::esc)});
                ASSERT_TRUE(s.seen && s.dialogs.size() == 2) << "no warning box\n" << host->report();
                const emu::open_dialog& box = s.dialogs[1];
                EXPECT_LE(box.width, widest_dialog) << "the warning box is " << box.width << " columns wide";
                EXPECT_GE(box.left, 0);
                EXPECT_LE(box.left + box.width, s.screen.width());
                expect_title_whole(s, box, text(action.title));
                const FarDialogItem& frame = box.items[0].record;
                for (int item : {1, 2}) {
                    std::string line = field_text(box.items[item].record.text, item_text_size);
                    int row = box.top + box.items[item].record.top;
                    EXPECT_GE(
                        column_of(s.screen, row, line, box.left + frame.left + 1, box.left + frame.right - 1),
                        0)
                        << "\"" << line << "\" not whole inside the box:\n"
                        << s.screen.dump();
                }
                EXPECT_NE(field_text(box.items[2].record.text, item_text_size).find(text(kind.label)),
                          std::string::npos)
                    << "the line names the panel's type";
            }
}

TOLVIK_EACH_LANGUAGE(dialogs_fit);

// A host too old for the plugin: its one message box fits the screen.
class too_old_box_fits : public loaded_plugin_test, public ::testing::WithParamInterface<language_files> {};

TEST_P(too_old_box_fits, on_an_80_column_screen) {
    ASSERT_TRUE(host->load_language(GetParam().messages.string()));
    host->set_startup_info(startup_info_size - 1);
    sight s;
    host->input().set_source([&](input_event& e) {
        if (s.seen) return false;
        s = sight_of(*host);
        e = press(key::enter);
        return true;
    });
    host->open_plugin();
    host->input().set_source(nullptr);
    ASSERT_TRUE(s.seen) << host->report();
    for (int32_t id : {msg_too_old_title, msg_too_old_text}) {
        bool whole = false;
        for (int y = 0; y < s.screen.height() && !whole; ++y)
            whole = column_of(s.screen, y, text(id), 1, s.screen.width() - 2) >= 0;
        EXPECT_TRUE(whole) << "\"" << text(id) << "\" not whole inside the box:\n" << s.screen.dump();
    }
}

TOLVIK_EACH_LANGUAGE(too_old_box_fits);

}  // namespace
}  // namespace tolvik::test
