// The host's texts: later files replace earlier ones' texts, marks are
// filled, and lines too wide are wrapped.
#include "host_texts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tolvik::tools {
namespace {

TEST(host_texts, later_files_replace_texts_and_lists_and_marks_are_filled) {
    host_texts t;
    t.parse(
        "// English\nkeybar = F1 Help|F10 Quit\nhelp = one\nhelp =\nhelp =  "
        "two\nonly = here\n");
    t.parse("keybar = F1 Hilfe|F10 Ende\r\nhelp = eins\n");
    EXPECT_EQ(t.get("keybar"), "F1 Hilfe|F10 Ende") << "the later file wins, without its CR";
    EXPECT_EQ(t.lines("help"), (std::vector<std::string>{"eins"})) << "a list is replaced whole";
    EXPECT_EQ(t.get("only"), "here") << "what the later file leaves out stays";
    EXPECT_EQ(t.get("missing"), "<missing>");
    EXPECT_TRUE(t.lines("missing").empty());
    host_texts first;
    first.parse("help = one\nhelp =\nhelp =  two\n");
    EXPECT_EQ(first.lines("help"), (std::vector<std::string>{"one", "", " two"}))
        << "blank and indented lines";
    EXPECT_EQ(fill("{a} and {b}, {a}; {c}", {{"a", "{b}"}, {"b", "x"}}), "x and x, x; {c}");
}

// The shipped help and welcome texts fit the smallest screen, so the host's
// wrapping is held to its contract here.
TEST(host_texts, lines_too_wide_break_at_a_blank_indented_and_long_words_are_cut) {
    const struct {
        std::vector<std::string> lines;
        size_t width;
        std::vector<std::string> wrapped;
    } cases[] = {
        {{"one two three"}, 9, {"one two", "   three"}},
        {{"  a bb cc"}, 6, {"  a bb", "   cc"}},  // indented at most half the width
        {{"abcdefgh ij"}, 4, {"abcd", "  ef", "  gh", "  ij"}},
        {{"wide   ", ""}, 4, {"wide", ""}},
        {{"as it is"}, 1, {"as it is"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lines[0] + " at " + std::to_string(c.width));
        EXPECT_EQ(wrap_lines(c.lines, c.width), c.wrapped);
    }
}

}  // namespace
}  // namespace tolvik::tools
