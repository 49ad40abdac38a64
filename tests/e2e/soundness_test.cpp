// Hostile texts: the language file and the panels' directories can hold
// anything; every line and item text stays within its field.
#include <cstring>

#include "e2e/list_fixture.h"
#include "host/panel_info.h"

namespace tolvik::test {
using namespace emu;
namespace {

class soundness : public list_dialog_test {
protected:
    void expect_lines_fit() {
        for (const list_item& line : list_lines())
            EXPECT_NE(std::memchr(line.text, '\0', sizeof line.text), nullptr) << "a line is not terminated";
    }
};

TEST_F(soundness, huge_labels_are_cut_to_the_line) {
    std::string label(1000, 'L');
    host->lang().set_message(msg_label_file, label);
    grow_to(3);
    size_t from = open({press(key::down), press(key::esc)});
    expect_lines_fit();
    EXPECT_EQ(last_list_run().width, 68);
    auto all = lines();
    ASSERT_EQ(all.size(), 3u);
    EXPECT_EQ(all[0].size(), 127u) << "expected the line cut to 127, got " << all[0].size();
    EXPECT_EQ(all[0].substr(0, 6), "3. LLL");
    for (const call_entry& c : calls_since(from, service::shorten_path))
        EXPECT_EQ(c.args[1], 0) << "the path column is clamped to 0, never negative";
}

TEST_F(soundness, a_directory_filling_the_whole_field_is_read_within_it) {
    // The host hands a directory of 260 characters without a terminator, and
    // one of 259; neither may be read past the record.
    host->panels().tamper = [&](panel_info& info) {
        if (info.current_dir[0] == tree.drive() && info.current_dir[3] == 'l')
            std::memset(info.current_dir, 'x', sizeof info.current_dir);
        if (info.current_dir[0] == tree.drive() && info.current_dir[3] == 'r') {
            std::memset(info.current_dir, 'y', sizeof info.current_dir);
            info.current_dir[sizeof info.current_dir - 1] = '\0';
        }
    };
    open({press(key::esc)});
    host->panels().tamper = nullptr;
    expect_lines_fit();
    EXPECT_EQ(last_list_run().width, 68);
    for (const std::string& line : lines()) EXPECT_EQ(line.size(), 58u) << "[" << line << "]";
}

TEST_F(soundness, message_11_is_never_a_format) {
    host->lang().set_message(msg_warning_format, "%n%d %s and %s %x");
    host->panels().active().plugin = 1;
    open({press(key::down), press(key::enter), press(key::esc)});
    ASSERT_NE(last_warning(), nullptr);
    EXPECT_EQ(field_text(last_warning()->items[2].record.text, item_text_size),
              "%n%d plugin panel and %s %x");
}

TEST_F(soundness, message_11_without_placeholder_or_with_a_huge_label_fits_the_item) {
    host->lang().set_message(msg_warning_format, "no placeholder");
    host->panels().active().type = panel_tree;
    open({press(key::down), press(key::enter), press(key::esc)});
    const open_dialog* box = last_warning();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(field_text(box->items[2].record.text, item_text_size), "no placeholder");

    host->lang().set_message(msg_warning_format, "Type: %s");
    host->lang().set_message(msg_label_tree, std::string(700, 'T'));
    open({press(key::down), press(key::enter), press(key::esc)});
    box = last_warning();
    std::string line = field_text(box->items[2].record.text, item_text_size);
    EXPECT_EQ(line.size(), 511u) << "expected the line cut to the item text";
    EXPECT_EQ(line.substr(0, 8), "Type: TT");
    EXPECT_EQ(box->width, 511 + 8) << "the width follows the formatted line as shown";
}

TEST_F(soundness, a_title_with_percent_signs_is_shown_as_it_stands) {
    host->lang().set_message(msg_list_title, "%s%n%d");
    open({press(key::esc)});
    EXPECT_EQ(last_list_run().title(), "%s%n%d");
}

}  // namespace
}  // namespace tolvik::test
