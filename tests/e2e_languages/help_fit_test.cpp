// Every help topic of every language in the host's help window on an 80x25
// screen: F1 in a dialog with that topic, and the window the host drew must
// hold the title, every line whole (and free of tabs, which the host does
// not expand), the button and the bottom border.
#include <gtest/gtest.h>

#include "e2e_languages/language_set.h"
#include "e2e_languages/screen_reading.h"
#include "emulator/dialogs.h"
#include "emulator/help_file.h"
#include "host/constants.h"
#include "host_keys.h"

namespace tolvik::test {
namespace {

// Shows `topic` with F1 from a small dialog on a screen of 80x25 and
// returns the screen while the help window is open.
sight show_help(emu::dialog_engine& engine, emu::input_queue& input, const std::string& topic) {
    sight s;
    input.clear();
    input.key(key::f1);
    // Esc closes the help window, then the dialog.
    int escapes = 0;
    input.set_source([&](emu::input_event& e) {
        if (!s.seen) {
            s.seen = true;
            s.screen = *engine.environment().display;
        }
        if (++escapes > 2) return false;
        e = {emu::input_kind::key, key::esc};
        return true;
    });
    FarDialogItem items[1]{};
    items[0].type = item_double_box;
    items[0].right = 19;
    items[0].bottom = 4;
    engine.run_dialog(1, -1, -1, 20, 5, topic.c_str(), items, 1, 0, 0, emu::default_dialog_proc, 0);
    input.set_source(nullptr);
    return s;
}

class help_fit : public ::testing::TestWithParam<language_files> {};

TEST_P(help_fit, every_topic_fits_the_help_window_on_80x25) {
    emu::screen display(80, 25);
    display.set_bottom_rows(2);
    emu::input_queue input;
    emu::dialog_environment environment;
    environment.display = &display;
    environment.input = &input;
    std::vector<std::string> failures;
    environment.failure = [&](const std::string& text) { failures.push_back(text); };
    emu::dialog_engine engine(environment);
    ASSERT_TRUE(engine.load_help(GetParam().help.string()));

    std::vector<std::string> topics = help_topics(read_bytes(GetParam().help));
    ASSERT_FALSE(topics.empty());
    for (const std::string& topic : topics) {
        SCOPED_TRACE("@" + topic);
        std::string text = engine.help_topic_text(topic);
        ASSERT_FALSE(text.empty());
        std::vector<std::string> lines = emu::help_file::lines_of(text);
        std::string title = engine.help_topic_title(topic);
        sight s = show_help(engine, input, topic);
        ASSERT_TRUE(s.seen) << "F1 showed no help";
        const emu::screen& screen = s.screen;
        std::string dump = screen.dump();

        // The first line fixes the window: lines stand one under the other
        // from the same column.
        int row = -1;
        int column = -1;
        for (int y = 0; y < screen.height() && row < 0; ++y) {
            int x = column_of(screen, y, lines[0], 0, screen.width() - 1);
            if (x >= 0) row = y, column = x;
        }
        ASSERT_GE(row, 0) << "\"" << lines[0] << "\" not shown whole:\n" << dump;
        size_t widest = 0;
        for (size_t i = 0; i < lines.size(); ++i) {
            widest = std::max(widest, lines[i].size());
            EXPECT_EQ(lines[i].find('\t'), std::string::npos) << "tab in line " << i + 1;
            EXPECT_TRUE(shows_at(screen, column, row + static_cast<int>(i), lines[i]))
                << "line " << i + 1 << " \"" << lines[i] << "\" not shown whole:\n"
                << dump;
        }
        int top = row - 1;
        int bottom = row + static_cast<int>(lines.size()) + 1;
        int left = column - 2;
        EXPECT_EQ(screen.char_at(left, top), '+') << "no top-left corner:\n" << dump;
        EXPECT_EQ(screen.char_at(left, bottom), '+') << "the bottom border is off the screen or overdrawn:\n"
                                                     << dump;
        int right = static_cast<int>(screen.row(top).find_last_of('+'));
        EXPECT_GE(right, column + static_cast<int>(widest)) << "the border cuts the lines:\n" << dump;
        EXPECT_EQ(screen.char_at(right, bottom), '+') << "no bottom-right corner:\n" << dump;
        EXPECT_GE(column_of(screen, top, " " + title + " ", left + 1, right - 1), 0) << "title cut:\n"
                                                                                     << dump;
        EXPECT_GE(column_of(screen, bottom - 1, "[ OK ]", left + 1, right - 1), 0) << "no button:\n" << dump;
    }
    EXPECT_TRUE(failures.empty()) << failures.front();
}

TOLVIK_EACH_LANGUAGE(help_fit);

}  // namespace
}  // namespace tolvik::test
