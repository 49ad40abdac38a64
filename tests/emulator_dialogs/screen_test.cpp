// What the host draws: dialogs, message boxes and panels, as golden rows of
// text and of attribute letters.
#include <cstdint>

#include "engine_fixture.h"
#include "panel_drawing.h"
#include "panels.h"
#include "support/test_tree.h"

namespace tolvik::test {
using namespace emu;
namespace {

// Rows first..last, one per line, for comparing a region.
std::string joined(const std::vector<std::string>& rows, size_t first = 0, size_t last = SIZE_MAX) {
    std::string out;
    for (size_t y = first; y <= last && y < rows.size(); ++y) out += rows[y] + "\n";
    return out;
}

class screen_drawing : public engine_test {
protected:
    void SetUp() override {
        engine_test::SetUp();
        panels.lay_out(80, 25);
    }

    struct capture {
        std::vector<std::string> text;
        std::vector<std::string> attributes;
    };

    // Runs a dialog and captures the screen inside the notification of key
    // 'k', after `act` ran.
    capture look_inside(std::vector<FarDialogItem>& items, int32_t width, int32_t height, uint32_t flags = 0,
                        const std::function<void(host_handle)>& act = nullptr) {
        capture seen;
        on_key_k([&](host_handle dialog) {
            if (act) act(dialog);
            seen = {display.text_rows(), display.attribute_rows()};
        });
        input.keys({'k', key::esc});
        run(items, width, height, outer_proc, nullptr, flags);
        return seen;
    }

    test::test_tree tree;
    panel_pair panels;
};

TEST_F(screen_drawing, list_dialog_golden) {
    plugin_lines lines{{"1. File  < C:\\", "2. File  > C:\\Temp", "3. Tree    C:\\Windows"}, 1};
    std::vector<FarDialogItem> items{box_item(2, 1, 25, 6, "Views"),
                                     list_box_item(3, 2, 24, 5, &lines.record)};
    capture seen = look_inside(items, 28, 8, 0, [](host_handle dialog) {
        list_position position{2, 0};
        send(dialog, dm_list_set_position, 1, &position);
    });
    ASSERT_EQ(seen.text.size(), 25u);
    std::vector<std::string> text{
        "",
        "                            +======= Views ========+",
        "                            |1. File  < C:\\        |",
        "                            |2. File  > C:\\Temp    |",
        "                            |3. Tree    C:\\Windows |",
        "                            |                      |",
        "                            +======================+",
        "",
    };
    // The box and its shadow ('h'); the dialog's margin leaves the screen
    // as it was.
    std::vector<std::string> attributes{
        "",
        "............................ffffffffffffffffffffffff",
        "............................fddddddddddddddddddddddfhh",
        "............................fxxxxxxxxxxxxxxxxxxxxxxfhh",
        "............................fllllllllllllllllllllllfhh",
        "............................fddddddddddddddddddddddfhh",
        "............................ffffffffffffffffffffffffhh",
        "..............................hhhhhhhhhhhhhhhhhhhhhhhh",
    };
    EXPECT_EQ(joined(seen.text, 8, 15), joined(text));
    EXPECT_EQ(joined(seen.attributes, 8, 15), joined(attributes));
    EXPECT_EQ(seen.text[7], "") << "nothing above the dialog";
}

// Centred buttons share their row, whether placed at -1 or by the flag alone.
TEST_F(screen_drawing, warning_dialog_centres_texts_and_buttons_and_hides_hidden_buttons) {
    std::vector<FarDialogItem> items{
        box_item(2, 1, 25, 5, "Refused"), text_item(-1, 2, "Not here."), text_item(-1, 3, "Panel: Tree"),
        button_item(-1, 4, "OK", flag_button_centered, true), button_item(0, 4, "No", flag_button_centered)};
    capture normal = look_inside(items, 28, 7, style_warning);
    std::vector<std::string> text{
        "                            +====== Refused =======+",
        "                            |      Not here.       |",
        "                            |     Panel: Tree      |",
        "                            |    [ OK ] [ No ]     |",
        "                            +======================+",
    };
    EXPECT_EQ(joined(normal.text, 10, 14), joined(text));
    EXPECT_EQ(normal.attributes[13], "............................WwwwwBBBBBBwbbbbbbwwwwwWhh")
        << "expected warning colours, the focused button and the other";

    items[3].flags |= flag_hidden;
    capture hidden = look_inside(items, 28, 7, style_warning);
    EXPECT_EQ(hidden.text[13], "                            |        [ No ]        |")
        << "a hidden button is not drawn and takes no room";
}

TEST_F(screen_drawing, nothing_is_drawn_while_redraw_is_stopped) {
    plugin_lines before{{"old line"}};
    plugin_lines after{{"new line"}};
    std::vector<FarDialogItem> items{box_item(2, 1, 25, 4, "L"), list_box_item(3, 2, 24, 3, &before.record)};
    bool stale_while_stopped = false;
    capture seen = look_inside(items, 28, 6, 0, [&](host_handle dialog) {
        send(dialog, dm_enable_redraw, 0);
        send(dialog, dm_list_set, 1, &after.record);
        send(dialog, dm_redraw, 0);
        stale_while_stopped = display.shows("old line") && !display.shows("new line");
        send(dialog, dm_enable_redraw, 1);
    });
    EXPECT_TRUE(stale_while_stopped) << "expected the old picture while drawing was stopped";
    EXPECT_NE(joined(seen.text).find("new line"), std::string::npos) << "expected the new line once resumed";
}

TEST_F(screen_drawing, a_source_that_redraws_gets_no_redraws_of_the_engine_but_on_a_resize) {
    // The source looks at the screen before it redraws, as the interactive
    // host's paint would, then hands out 'k' (the list gets new lines), a
    // resize, and Esc.
    engine->environment().source_redraws = true;
    plugin_lines before{{"old line"}};
    plugin_lines after{{"new line"}};
    std::vector<FarDialogItem> items{box_item(2, 1, 25, 4, "L"), list_box_item(3, 2, 24, 3, &before.record)};
    on_key_k([&](host_handle dialog) { send(dialog, dm_list_set, 1, &after.record); });
    std::vector<std::string> before_redraw;
    std::vector<std::string> after_redraw;
    const input_event events[] = {{input_kind::key, 'k'}, {input_kind::idle, 0}, {input_kind::key, key::esc}};
    size_t next = 0;
    input.set_source([&](input_event& event) {
        if (next == 2) {
            display.resize(60, 20);
            engine->recentre();
        }
        before_redraw.push_back(display.dump());
        engine->redraw();
        after_redraw.push_back(display.dump());
        if (next == std::size(events)) return false;
        event = events[next++];
        return true;
    });
    run(items, 28, 6);
    ASSERT_EQ(before_redraw.size(), 3u);
    EXPECT_EQ(before_redraw[0], screen(80, 25).dump()) << "nothing drawn when the dialog opens";
    EXPECT_NE(after_redraw[0].find("old line"), std::string::npos) << after_redraw[0];
    EXPECT_NE(before_redraw[1].find("old line"), std::string::npos) << "the new lines wait for the source";
    EXPECT_NE(after_redraw[1].find("new line"), std::string::npos) << after_redraw[1];
    EXPECT_NE(before_redraw[2].find("\n" + std::string(18, ' ') + "|new line"), std::string::npos)
        << "a resize draws at once, the dialog centred again:\n"
        << before_redraw[2];
    EXPECT_TRUE(display.shows("new line")) << "the closed dialog stays until the source redraws";
    EXPECT_TRUE(failures.empty());
}

TEST_F(screen_drawing, message_box_is_drawn_while_it_waits) {
    std::string shown;
    std::string attributes;
    input.set_source([&](input_event& event) {
        shown = display.dump();
        attributes = display.dump_attributes();
        event = {input_kind::key, key::enter};
        return true;
    });
    const char* texts[] = {"Warning", "Something is odd.", "OK", "Cancel"};
    EXPECT_EQ(message_box(7, style_warning, nullptr, texts, 4, 2), 0);
    EXPECT_NE(shown.find("+===== Warning =====+"), std::string::npos) << shown;
    EXPECT_NE(shown.find("| Something is odd. |"), std::string::npos) << shown;
    EXPECT_NE(shown.find("[ OK ] [ Cancel ]"), std::string::npos) << shown;
    EXPECT_NE(attributes.find("BBBBBBwbbbbbbbbbb"), std::string::npos) << attributes;
    EXPECT_FALSE(display.shows("Warning")) << "the box is gone once closed";
}

TEST_F(screen_drawing, screen_primitives_clip_trim_and_keep_titles) {
    screen small(12, 3);
    small.double_box(0, 0, 11, 2, attr::frame, "A very long title");
    small.text(9, 1, "abcd", attr::dialog);
    small.put(-1, 0, 'x', attr::dialog);
    small.put(12, 0, 'x', attr::dialog);
    EXPECT_EQ(small.row(0), "+ A very l +") << "a long title is cut inside the corners";
    EXPECT_EQ(small.row(1), "|        abc") << "text is clipped to the screen";
    EXPECT_EQ(small.attribute_rows()[1], "f........ddd");
    EXPECT_EQ(small.attribute_rows()[2].size(), 12u);
    small.clear();
    small.text(2, 1, "x", attr::dialog);
    EXPECT_EQ(small.attribute_rows()[1], "..d") << "trailing normal blanks are trimmed";
    small.text(0, 2, std::string_view("\x01\x7F", 2), attr::dialog);
    EXPECT_EQ(small.row(2), "??") << "control characters show as '?'";
    screen wide(20, 3);
    wide.double_box(0, 0, 19, 2, attr::frame, "Panel-Ansichten");
    EXPECT_EQ(wide.row(0), "+ Panel-Ansichten =+") << "a dash in a title is not turned into border";
    EXPECT_EQ(wide.row(2), "+==================+");
}

TEST_F(screen_drawing, panels_show_items_selection_cursor_and_stand_ins) {
    tree.folder("docs/sub");
    tree.file("docs/a.txt");
    tree.file("docs/b.txt");
    ASSERT_TRUE(panels.left().set_directory(tree.windows("docs")));
    ASSERT_TRUE(panels.right().set_directory(tree.windows("docs")));
    panels.set_active(side::left);
    int a = panels.left().find("a.txt");
    ASSERT_GE(a, 0);
    panels.left().set_selected(static_cast<size_t>(a), true);
    panels.left().set_cursor(panels.left().find("b.txt"));
    panels.right().type = panel_tree;

    draw_panels(display, panels);
    auto text = display.text_rows();
    auto attributes = display.attribute_rows();
    std::string all = display.dump();

    EXPECT_EQ(text[0].substr(0, 1), "+");
    EXPECT_NE(text[0].find("docs"), std::string::npos) << "the directory stands in the top border:\n" << all;
    int a_row = -1, b_row = -1;
    for (int y = 1; y < 20; ++y) {
        if (text[static_cast<size_t>(y)].compare(0, 8, "|*a.txt ") == 0) a_row = y;
        if (text[static_cast<size_t>(y)].compare(0, 8, "| b.txt ") == 0) b_row = y;
    }
    ASSERT_GT(a_row, 0) << "expected a.txt marked selected:\n" << all;
    ASSERT_GT(b_row, 0) << all;
    EXPECT_EQ(attributes[static_cast<size_t>(a_row)][2], 's');
    EXPECT_EQ(attributes[static_cast<size_t>(b_row)][2], 'C') << "the active panel's cursor line";
    EXPECT_EQ(text[21].substr(0, 7), "|b.txt ") << "the footer names the item under the cursor";
    EXPECT_NE(all.find("[ Tree ]"), std::string::npos) << "the tree panel shows a stand-in:\n" << all;
    EXPECT_EQ(all.find("| a.txt", 40), std::string::npos);
    EXPECT_EQ(text[23], tree.windows("docs") + ">");
}

TEST_F(screen_drawing, long_directory_keeps_its_end_in_the_border) {
    std::string deep = "a_rather_long_folder_name/another_long_folder_name/last_one";
    tree.folder(deep);
    ASSERT_TRUE(panels.left().set_directory(tree.windows(deep)));
    draw_panels(display, panels);
    std::string border = display.row(0).substr(0, 40);
    EXPECT_EQ(border.substr(0, 5), "+ ...") << border;
    EXPECT_EQ(border.substr(border.size() - 11), "\\last_one +") << border;
}

// Regression: in the full view mode ".." (which has no time) drew its "Up"
// at the right edge instead of in the size column.
TEST_F(screen_drawing, full_mode_sizes_end_in_one_column_up_included) {
    tree.folder("docs/sub");
    tree.file("docs/a.txt", "12345");
    ASSERT_TRUE(panels.left().set_directory(tree.windows("docs")));
    panels.left().view_mode = 3;
    draw_panels(display, panels);
    std::string all = display.dump();
    // The end of the size field on the row of `name`: the last cell of the
    // first word after the name.
    auto size_end = [&](const std::string& name, const std::string& size) {
        for (int y = 1; y < 20; ++y) {
            std::string row = display.row(y).substr(0, 40);
            if (row.compare(2, name.size() + 1, name + " ") != 0) continue;
            size_t at = row.find(" " + size + " ", 2 + name.size());
            return at == std::string::npos ? -1 : static_cast<int>(at + size.size());
        }
        return -2;
    };
    int file = size_end("a.txt", "5");
    ASSERT_GT(file, 0) << all;
    EXPECT_EQ(size_end("sub", "Folder"), file) << all;
    EXPECT_EQ(size_end("..", "Up"), file) << all;
}

}  // namespace
}  // namespace tolvik::test
