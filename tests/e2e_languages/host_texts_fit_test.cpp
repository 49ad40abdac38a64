// The interactive host's texts in every language on an 80x25 screen. Its key
// bars are "Key Label" pairs; a pair that does not fit whole in the row is
// left out with every pair after it, so a bar may lose pairs at its end, but
// never the pair that gets the user out (Esc or F10). Its help and welcome
// boxes are their lines with a frame of 8 columns and 4 rows, whole on the
// screen.
#include <gtest/gtest.h>

#include <sstream>

#include "e2e_languages/language_set.h"

namespace tolvik::test {
namespace {

constexpr int screen_width = 80;
constexpr int screen_height = 25;

std::vector<std::string> pairs(const std::string& bar) {
    std::vector<std::string> out;
    std::stringstream in(bar);
    std::string pair;
    while (std::getline(in, pair, '|')) out.push_back(pair);
    return out;
}

// How many pairs of the bar the row shows, one blank between pairs.
size_t pairs_shown(const std::vector<std::string>& bar, int width) {
    int x = 0;
    size_t shown = 0;
    for (const std::string& pair : bar) {
        if (x + static_cast<int>(pair.size()) > width) break;
        x += static_cast<int>(pair.size()) + 1;
        ++shown;
    }
    return shown;
}

// The first pair whose English key leaves (Esc, or F10 in the panels).
size_t exit_pair(const std::vector<std::string>& english_bar) {
    for (size_t i = 0; i < english_bar.size(); ++i) {
        std::string key = english_bar[i].substr(0, english_bar[i].find(' '));
        if (key == "Esc" || key == "F10") return i;
    }
    return 0;
}

class host_texts_fit : public ::testing::TestWithParam<language_files> {
protected:
    // The language's texts over English, as the host reads them.
    std::map<std::string, std::vector<std::string>> texts() {
        auto all = parse_host_texts(read_bytes(english().host_texts));
        for (auto& [name, lines] : parse_host_texts(read_bytes(GetParam().host_texts))) all[name] = lines;
        return all;
    }
};

TEST_P(host_texts_fit, key_bars_keep_the_way_out_within_80_columns) {
    auto english_texts = parse_host_texts(read_bytes(english().host_texts));
    auto all = texts();
    int bars = 0;
    for (const auto& [name, english_lines] : english_texts) {
        if (name.rfind("keybar.", 0) != 0) continue;
        ++bars;
        SCOPED_TRACE(name + " = " + all[name][0]);
        std::vector<std::string> bar = pairs(all[name][0]);
        std::vector<std::string> english_bar = pairs(english_lines[0]);
        ASSERT_EQ(bar.size(), english_bar.size());
        for (const std::string& pair : bar) {
            EXPECT_FALSE(pair.empty() || pair.front() == ' ' || pair.back() == ' ')
                << "pair \"" << pair << '"';
            EXPECT_NE(pair.find(' '), std::string::npos) << "pair \"" << pair << "\" has no label";
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
