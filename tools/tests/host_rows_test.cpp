// The host's two rows under the panels: the key bar shows the pairs that fit
// whole, the status row names each mode by its own text, and the rows a
// session keeps between paints (host_rows_cache) are, after a change of
// anything a row shows, the rows drawn afresh from the texts.
#include "host_rows.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "folders.h"
#include "host_texts.h"

namespace tolvik::tools {
namespace {

host_texts texts_of(const std::string& text) {
    host_texts t;
    t.parse(text);
    return t;
}

// No order of importance, labels whole: pairs as they stand in the text.
const key_bar_order in_text_order{{}, 0, false};

// The shipped languages' bars are checked in tests/e2e_languages.
TEST(host_rows, key_bar_shows_the_first_pairs_that_fit_whole) {
    const std::string long_labels =
        "F1 A very long label that fills much of the row|F2 Another long label "
        "here|F3 Short|F4 And a last one";
    const std::string list = "F1 Help|Enter Keep|Del Delete|C-S-F3 New|C-F3 Copy|C-S-F5 Renumber|Esc";
    const std::string four = "F1 Help|Enter Keep|Del Delete|C-R Refresh";
    const struct {
        std::string bar;
        int width;
        std::string shown;  // over a row of '#'
        key_bar_order order = in_text_order;
    } cases[] = {
        {.bar = long_labels,
         .width = 80,
         .shown = "F1 A very long label that fills much of the row F2 Another "
                  "long label here"},
        {.bar = long_labels, .width = 68, .shown = "F1 A very long label that fills much of the row"},
        {.bar = list,
         .width = 80,
         .shown = "F1 Help Enter Keep Del Delete C-S-F3 New C-F3 Copy C-S-F5 "
                  "Renumber Esc"},
        {.bar = list,
         .width = 68,
         .shown = "F1 Help Enter Keep Del Delete C-S-F3 New C-F3 Copy C-S-F5 "
                  "Renumber"},
        {.bar = four, .width = 30, .shown = "F1 Help Enter Keep Del Delete"},
        {.bar = four, .width = 28, .shown = "F1 Help Enter Keep"},  // never cut mid-word
        {.bar = "", .width = 28, .shown = "", .order = key_bar_order{{0}, 1}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bar + " at " + std::to_string(c.width));
        emu::screen display(c.width, 2);
        display.text(0, 1, std::string(static_cast<size_t>(c.width), '#'), emu::attr::status);
        draw_key_bar(display, 1, c.bar, c.order);
        EXPECT_EQ(display.row(1), c.shown);
    }
    std::vector<key_bar_pair> pairs = key_bar_pairs("F1 Help|Esc|C-R Read again");
    ASSERT_EQ(pairs.size(), 3u);
    EXPECT_EQ(pairs[1].key, "Esc");
    EXPECT_EQ(pairs[1].label, "") << "a key alone";
    EXPECT_EQ(pairs[2].key, "C-R");
    EXPECT_EQ(pairs[2].label, "Read again") << "the label runs to the next bar";
}

const char* const first_texts =
    "status = [{folder}|{sort}{reversed}|{mode} {mode_name}]\nstatus.counts = {selected}\n"
    "status.reversed = -\nstatus.faults = F{count}\n"
    "sort.name = N\nsort.size = S\nview.2 = m\nview.3 = f\n"
    "keybar.panels = F1 One|F2 Two|F3 Three\nkeybar.menu = Enter Open|Esc Close\n";

class host_rows_test : public ::testing::Test {
protected:
    host_rows_test() {
        folders_.add_file("C:\\a\\x.txt");
        folders_.add_file("C:\\a\\y.txt");
        folders_.add_folder("C:\\b");
        panels_.read_from(folders_);
        panels_.lay_out(80, 25);
        panels_.left().set_directory("C:\\a");
        panels_.right().set_directory("C:\\b");
        set_texts(texts_of(first_texts));
    }
    ~host_rows_test() override { set_texts(host_texts{}); }

    // The rows as the cache draws them over rows left by an earlier paint,
    // and as drawn afresh; each pair must match, and each step must change
    // what a fresh draw shows (else the step proves nothing).
    void expect_rows_follow(const std::vector<std::pair<std::string, std::function<void()>>>& steps,
                            const std::function<void(emu::screen&, host_rows_cache*)>& draw) {
        host_rows_cache cache;
        std::string before;
        for (const auto& [change, apply] : steps) {
            apply();
            emu::screen cached(width_, 2);
            emu::screen fresh(width_, 2);
            cached.fill(0, 0, width_ - 1, 1, '#', emu::attr::panel);
            fresh.fill(0, 0, width_ - 1, 1, '#', emu::attr::panel);
            draw(cached, &cache);
            draw(fresh, nullptr);
            EXPECT_EQ(cached.dump() + cached.dump_attributes(), fresh.dump() + fresh.dump_attributes())
                << "after " << change;
            EXPECT_NE(fresh.dump() + fresh.dump_attributes(), before) << change << " changed nothing";
            before = fresh.dump() + fresh.dump_attributes();
        }
    }

    emu::memory_folders folders_;
    emu::panel_pair panels_;
    int width_ = 80;
    size_t faults_ = 0;
};

TEST_F(host_rows_test, status_names_each_sort_and_view_mode_by_its_own_text) {
    host_texts t;
    t.parse(
        "status = [{sort}{reversed}|{mode} {mode_name}]\nstatus.reversed = -\n"
        "sort.unsorted = U\nsort.name = N\nsort.extension = E\nsort.time = T\nsort.size = S\n"
        "sort.other = ?\nview.1 = b\nview.2 = m\nview.3 = f\nview.4 = w\nview.other = o\n");
    set_texts(t);
    emu::screen display(80, 25);
    auto status = [&] {
        draw_status(display, 0, panels_, 0);
        std::string row = display.row(0);
        return row.substr(row.find('[') + 1, row.find(']') - row.find('[') - 1);
    };
    const std::pair<int32_t, const char*> sorts[] = {{emu::sort_modes::unsorted, "U"},
                                                     {emu::sort_modes::by_name, "N"},
                                                     {emu::sort_modes::by_extension, "E"},
                                                     {emu::sort_modes::by_write_time, "T"},
                                                     {emu::sort_modes::by_size, "S"}};
    panels_.active().view_mode = 2;
    for (const auto& [mode, text] : sorts) {
        panels_.active().set_sort_mode(mode);
        EXPECT_EQ(status(), std::string(text) + "|2 m") << "sort mode " << mode;
    }
    const std::pair<int32_t, const char*> views[] = {
        {1, "1 b"}, {3, "3 f"}, {4, "4 w"}, {0, "0 o"}, {9, "9 o"}};
    for (const auto& [mode, text] : views) {
        panels_.active().view_mode = mode;
        EXPECT_EQ(status(), std::string("S|") + text) << "view mode " << mode;
    }
}

TEST_F(host_rows_test, status_row_follows_folder_modes_selection_faults_width_and_texts) {
    emu::panel_model& left = panels_.left();
    expect_rows_follow(
        {{"the first paint", [] {}},
         {"a selection", [&] { left.set_selected(1, true); }},
         {"a second selected item", [&] { left.set_selected(2, true); }},
         {"a sort mode", [&] { left.set_sort_mode(emu::sort_modes::by_size); }},
         {"the reversed order", [&] { left.set_reversed(true); }},
         {"a view mode", [&] { left.view_mode = 3; }},
         {"host faults", [&] { faults_ = 2; }},
         {"a folder change", [&] { left.set_directory("C:\\b"); }},
         {"the other panel active", [&] { panels_.switch_active(); }},
         {"a narrower screen", [&] { width_ = 30; }},
         {"other texts", [&] { set_texts(texts_of("status = <{folder}>\nstatus.faults = F{count}\n")); }}},
        [&](emu::screen& display, host_rows_cache* cache) {
            cache ? cache->draw_status(display, 1, panels_, faults_)
                  : draw_status(display, 1, panels_, faults_);
        });
}

TEST_F(host_rows_test, key_bar_follows_what_has_the_keyboard_the_width_and_the_texts) {
    key_bar shown = key_bar::panels;
    expect_rows_follow({{"the first paint", [] {}},
                        {"the menu open", [&] { shown = key_bar::menu; }},
                        {"the menu closed", [&] { shown = key_bar::panels; }},
                        {"a narrower screen", [&] { width_ = 16; }},
                        {"other texts", [&] { set_texts(texts_of("keybar.panels = F9 Nine\n")); }},
                        {"the menu again", [&] { shown = key_bar::menu; }}},
                       [&](emu::screen& display, host_rows_cache* cache) {
                           cache ? cache->draw_key_bar(display, 1, shown) : draw_key_bar(display, 1, shown);
                       });
}

}  // namespace
}  // namespace tolvik::tools
