// The interactive host's own rows and help in every shipped language, drawn
// as the host draws them on the smallest screen it works on and on the usual
// one. Every key bar keeps the way to keep and the way back (the pairs whose
// English key is Enter, Esc, the Ctrl release or F10) and shows only whole
// pairs; English shows every pair at 80 columns. The status row keeps its
// counts and cuts no word (a shortened part ends in "..."). The help, scrolled
// through, shows every word of its lines whole and in order.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <sstream>

#include "e2e_languages/language_set.h"
#include "folders.h"
#include "host_boxes.h"
#include "host_rows.h"
#include "panels.h"

namespace tolvik::test {
namespace {

struct screen_size {
    int width;
    int height;
};
const screen_size sizes[] = {{68, 15}, {80, 25}};

std::vector<std::string> words_of(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string word; in >> word;) out.push_back(word);
    return out;
}

// Which pairs of `bar` the row shows, read back in the text's order: each
// pair whole with its label or its short label, or not at all. False when
// the row holds anything else (a pair cut short, a stray word).
bool read_bar(const std::string& row, const std::vector<tools::key_bar_pair>& bar, std::vector<bool>& shown) {
    shown.assign(bar.size(), false);
    size_t at = 0;
    auto take = [&](const std::string& text) {
        if (row.compare(at, text.size(), text) != 0) return false;
        size_t end = at + text.size();
        if (end != row.size() && row[end] != ' ') return false;
        at = std::min(end + 1, row.size());
        return true;
    };
    for (size_t i = 0; i < bar.size() && at < row.size(); ++i) {
        const tools::key_bar_pair& pair = bar[i];
        shown[i] = take(pair.key + (pair.label.empty() ? "" : " " + pair.label)) ||
                   take(pair.key + (pair.short_label.empty() ? "" : " " + pair.short_label));
    }
    return at >= row.size();
}

// A pair no bar may lose, by its English key.
bool must_stay(const tools::key_bar_pair& english) {
    static const std::set<std::string> keys = {"Enter", "Esc", "Release", "Space", "F10"};
    return keys.count(english.key) > 0;
}

class host_texts_fit : public ::testing::TestWithParam<language_files> {
protected:
    void SetUp() override {
        ASSERT_TRUE(english_.load(english().host_texts.string()));
        own_ = english_;
        ASSERT_TRUE(own_.load(GetParam().host_texts.string()));
        tools::set_texts(own_);
    }
    void TearDown() override { tools::set_texts({}); }

    // The row of a key bar drawn in `texts` on a screen of `size`; the
    // language's own texts are in use again afterwards.
    std::string bar_row(const tools::host_texts& texts, tools::key_bar bar, screen_size size) {
        tools::set_texts(texts);
        emu::screen display(size.width, size.height);
        tools::draw_key_bar(display, size.height - 1, bar);
        tools::set_texts(own_);
        return display.row(size.height - 1);
    }

    tools::host_texts english_;
    tools::host_texts own_;
};

TEST_P(host_texts_fit, key_bars_keep_the_ways_to_keep_and_back_and_show_whole_pairs) {
    for (const screen_size& size : sizes) {
        for (size_t which = 0; which < tools::key_bar_count; ++which) {
            auto bar_kind = static_cast<tools::key_bar>(which);
            std::string name = tools::key_bar_name(bar_kind);
            std::vector<tools::key_bar_pair> bar = tools::key_bar_pairs(tools::texts().get(name));
            std::vector<tools::key_bar_pair> english_bar = tools::key_bar_pairs(english_.get(name));
            ASSERT_EQ(bar.size(), english_bar.size()) << name;
            ASSERT_EQ(tools::order_of(bar_kind).importance.size(), bar.size())
                << name << ": order_of (host_rows.cpp) ranks each pair by its English key";
            std::string row = bar_row(own_, bar_kind, size);
            SCOPED_TRACE(name + " at " + std::to_string(size.width) + ": \"" + row + '"');
            std::vector<bool> shown;
            EXPECT_TRUE(read_bar(row, bar, shown)) << "the row is no run of whole pairs";
            // The panels' bar keeps every pair English keeps at that size
            // (short forms first, not the sort key dropped).
            std::vector<bool> english_shown(bar.size(), false);
            if (bar_kind == tools::key_bar::panels)
                read_bar(bar_row(english_, bar_kind, size), english_bar, english_shown);
            for (size_t i = 0; i < bar.size(); ++i) {
                EXPECT_TRUE(shown[i] || !english_shown[i])
                    << "lost \"" << pair_text(bar[i]) << "\", which English keeps";
                if (must_stay(english_bar[i])) {
                    EXPECT_TRUE(shown[i]) << "lost \"" << pair_text(bar[i]) << '"';
                }
                if (GetParam().code == "en" && size.width >= 80) {
                    EXPECT_TRUE(shown[i]) << "English at 80 columns lost \"" << pair_text(bar[i]) << '"';
                }
            }
        }
    }
}

TEST_P(host_texts_fit, status_row_keeps_its_counts_and_cuts_no_word) {
    emu::memory_folders tree;
    const std::string folder = "C:\\photos from the summer holidays\\2025\\the long walk along the coast";
    tree.add_folder(folder);
    tree.add_file(folder + "\\beach.jpg");
    for (const screen_size& size : sizes) {
        emu::panel_pair panels;
        panels.read_from(tree);
        panels.lay_out(size.width, size.height);
        emu::panel_model& panel = panels.active();
        ASSERT_TRUE(panel.set_directory(folder));
        ASSERT_TRUE(panel.select_name("beach.jpg", true));
        for (int32_t sort :
             {emu::sort_modes::by_name, emu::sort_modes::by_extension, emu::sort_modes::by_write_time,
              emu::sort_modes::by_size, emu::sort_modes::unsorted})
            for (bool reversed : {false, true})
                for (int32_t mode = 1; mode <= 4; ++mode) {
                    panel.set_sort_mode(sort);
                    panel.set_reversed(reversed);
                    panel.view_mode = mode;
                    emu::screen display(size.width, size.height);
                    tools::draw_status(display, size.height - 2, panels, 0);
                    std::string row = display.row(size.height - 2);
                    SCOPED_TRACE(std::to_string(size.width) + " columns: \"" + row + '"');
                    std::string counts =
                        tools::fill(tools::texts().get("status.counts"), {{"selected", "1"}});
                    ASSERT_GE(row.size(), counts.size());
                    EXPECT_EQ(row.substr(row.size() - counts.size()), counts) << "the counts are lost";
                    // Every word is one of the whole row's, or ends where the
                    // row was shortened.
                    emu::screen wide(1000, 2);
                    tools::draw_status(wide, 0, panels, 0);
                    std::vector<std::string> whole = words_of(wide.row(0));
                    for (const std::string& word : words_of(row))
                        EXPECT_TRUE(std::find(whole.begin(), whole.end(), word) != whole.end() ||
                                    word.find("...") != std::string::npos)
                            << "cut word \"" << word << '"';
                }
    }
}

TEST_P(host_texts_fit, help_shows_every_word_whole_when_scrolled_through) {
    std::vector<std::string> wanted;
    for (const std::string& line : tools::texts().lines("help"))
        for (const std::string& word : words_of(line)) wanted.push_back(word);
    ASSERT_FALSE(wanted.empty());
    for (const screen_size& size : sizes) {
        SCOPED_TRACE(std::to_string(size.width) + "x" + std::to_string(size.height));
        emu::screen display(size.width, size.height);
        display.set_bottom_rows(2);
        emu::text_box box = tools::help_box(size.width);
        int32_t count = static_cast<int32_t>(box.lines.size());
        int32_t visible = emu::visible_lines(display, box);
        // Each line shown, by its place in the box: the text between the
        // box's side borders.
        std::map<int32_t, std::string> lines;
        for (int32_t first = 0; first < count; first += visible) {
            display.clear();
            emu::draw_text_box(display, box, first);
            int32_t shown_first = std::min(first, std::max(count - visible, 0));
            int32_t line = shown_first;
            for (int32_t y = 0; y < display.box_height() && line < count; ++y) {
                std::string row = display.row(y);
                size_t left = row.find('|');
                size_t right = row.rfind('|');
                if (left == std::string::npos || right == left) continue;
                lines[line++] = row.substr(left + 1, right - left - 1);
            }
        }
        ASSERT_EQ(static_cast<int32_t>(lines.size()), count) << "lines never shown";
        std::vector<std::string> seen;
        for (const auto& [at, text] : lines)
            for (const std::string& word : words_of(text)) seen.push_back(word);
        EXPECT_EQ(seen, wanted) << "a word is cut or lost";
    }
}

TOLVIK_EACH_LANGUAGE(host_texts_fit);

}  // namespace
}  // namespace tolvik::test
