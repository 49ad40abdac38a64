// The interactive host's texts in every language on an 80x25 screen. Its key
// bars are "Key Label" pairs; a pair that does not fit whole in the row is
// left out with every pair after it, so a bar may lose pairs at its end, but
// never the pair that gets the user out (Esc or F10). Its help and welcome
// boxes are their lines with a frame of 8 columns and 4 rows, whole on the
// screen.
#include <gtest/gtest.h>

#include "e2e_languages/language_set.h"

namespace tolvik::test {
namespace {

constexpr int screen_width = 80;
constexpr int screen_height = 25;

// How many pairs of the bar the row shows, one blank between key and label
// and one between pairs.
size_t pairs_shown(const std::vector<tools::key_bar_pair>& bar, int width) {
    int x = 0;
    size_t shown = 0;
    for (const tools::key_bar_pair& pair : bar) {
        int pair_width = static_cast<int>(pair.key.size() + 1 + pair.label.size());
        if (x + pair_width > width) break;
        x += pair_width + 1;
        ++shown;
    }
    return shown;
}

// The first pair whose English key leaves (Esc, or F10 in the panels).
size_t exit_pair(const std::vector<tools::key_bar_pair>& english_bar) {
    for (size_t i = 0; i < english_bar.size(); ++i)
        if (english_bar[i].key == "Esc" || english_bar[i].key == "F10") return i;
    return 0;
}

class host_texts_fit : public ::testing::TestWithParam<language_files> {
protected:
    // The language's texts over English, as the host reads them.
    std::map<std::string, std::vector<std::string>> texts() {
        return host_texts_of({english().host_texts, GetParam().host_texts});
    }
};

TEST_P(host_texts_fit, key_bars_keep_the_way_out_within_80_columns) {
    auto english_texts = host_texts_of({english().host_texts});
    auto all = texts();
    int bars = 0;
    for (const auto& [name, english_lines] : english_texts) {
        if (name.rfind("keybar.", 0) != 0) continue;
        ++bars;
        SCOPED_TRACE(name + " = " + all[name][0]);
        std::vector<tools::key_bar_pair> bar = tools::key_bar_pairs(all[name][0]);
        std::vector<tools::key_bar_pair> english_bar = tools::key_bar_pairs(english_lines[0]);
        ASSERT_EQ(bar.size(), english_bar.size());
        for (const tools::key_bar_pair& pair : bar) {
            // A blank at the pair's start leaves no key; one at its end, or
            // none at all, no label.
            EXPECT_FALSE(pair.key.empty()) << "pair \"" << pair_text(pair) << "\" has no key";
            EXPECT_FALSE(pair.label.empty() || pair.label.back() == ' ')
                << "pair \"" << pair_text(pair) << "\" has no label or ends in a blank";
        }
        size_t shown = pairs_shown(bar, screen_width);
        size_t needed = exit_pair(english_bar) + 1;
        EXPECT_GE(shown, needed) << "80 columns show " << shown << " pairs; the way out is pair " << needed;
    }
    EXPECT_GT(bars, 0);
}

TEST_P(host_texts_fit, help_and_welcome_boxes_fit_80x25) {
    auto all = texts();
    for (const char* box : {"help", "welcome"}) {
        SCOPED_TRACE(box);
        const std::vector<std::string>& lines = all[box];
        ASSERT_FALSE(lines.empty());
        const std::vector<std::string>& titles = all[std::string(box) + ".title"];
        ASSERT_EQ(titles.size(), 1u);
        size_t inner = titles[0].size() + 2;
        for (const std::string& line : lines) {
            EXPECT_LE(static_cast<int>(line.size()) + 8, screen_width) << "too wide: \"" << line << '"';
            inner = std::max(inner, line.size());
        }
        EXPECT_LE(static_cast<int>(inner) + 8, screen_width);
        EXPECT_LE(static_cast<int>(lines.size()) + 4, screen_height) << lines.size() << " lines";
    }
}

INSTANTIATE_TEST_SUITE_P(shipped, host_texts_fit, ::testing::ValuesIn(shipped_languages()), language_name{});

}  // namespace
}  // namespace tolvik::test
