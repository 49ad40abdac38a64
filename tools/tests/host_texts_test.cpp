// The host's texts: later files replace earlier ones' texts, marks are
// filled, and lines too wide are wrapped. The key bars of every language
// name keys as the key scripts do (C- Ctrl, S- Shift, A- Alt), the view
// list's bar names the same keys in every language, and the host's help
// says what the prefixes mean.
#include "host_texts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <string>
#include <vector>

#include "host_rows.h"
#include "key_decoder.h"

namespace tolvik::tools {
namespace {

namespace fs = std::filesystem;

const char* const key_bars[] = {"keybar.panels",    "keybar.list", "keybar.ctrl_stand_in",
                                "keybar.ctrl_held", "keybar.menu", "keybar.box"};

std::vector<fs::path> host_text_files() {
    std::vector<fs::path> found;
    for (const auto& entry : fs::directory_iterator(fs::path(TOLVIK_LANG_DIR))) {
        const std::string name = entry.path().filename().string();
        if (name.rfind("host_", 0) == 0 && entry.path().extension() == ".txt") found.push_back(entry.path());
    }
    std::sort(found.begin(), found.end());
    return found;
}

// A language's texts over the English ones, as the host loads them.
host_texts texts_of(const fs::path& file) {
    host_texts t;
    EXPECT_TRUE(t.load(std::string(TOLVIK_LANG_DIR) + "/host_en.txt"));
    EXPECT_TRUE(t.load(file.string()));
    return t;
}

// True for a key written with the short prefixes: a letter and '-' first.
bool has_short_prefix(const std::string& key) {
    return key.size() > 2 && std::isalpha(static_cast<unsigned char>(key[0])) && key[1] == '-';
}

// The codes of the keys with short prefixes, in the bar's order.
std::vector<int32_t> prefixed_codes(const std::string& bar) {
    std::vector<int32_t> out;
    for (const key_bar_pair& pair : key_bar_pairs(bar))
        if (has_short_prefix(pair.key)) out.push_back(key_from_name(pair.key));
    return out;
}

TEST(key_bars, every_language_writes_modifiers_as_key_scripts_do_and_its_help_says_what_they_mean) {
    host_texts english = texts_of(fs::path(TOLVIK_LANG_DIR) / "host_en.txt");
    const std::vector<int32_t> list_keys = prefixed_codes(english.get("keybar.list"));
    ASSERT_EQ(list_keys, (std::vector<int32_t>{keys::ctrl | keys::shift | keys::f3, keys::ctrl | keys::f3,
                                               keys::ctrl | keys::shift | keys::f5, keys::ctrl_r}))
        << "the list's editing keys: new, duplicate, renumber, refresh";
    for (const fs::path& file : host_text_files()) {
        SCOPED_TRACE(file.filename().string());
        host_texts t = texts_of(file);
        for (const char* bar : key_bars)
            for (const key_bar_pair& pair : key_bar_pairs(t.get(bar)))
                EXPECT_TRUE(!has_short_prefix(pair.key) || key_from_name(pair.key) != 0)
                    << bar << ": \"" << pair.key << "\" is no key a script can press";
        EXPECT_EQ(prefixed_codes(t.get("keybar.list")), list_keys) << t.get("keybar.list");
        const std::vector<std::string> help = t.lines("help");
        for (const char* prefix : {"C- ", "S- ", "A- "})
            EXPECT_TRUE(
                std::any_of(help.begin(), help.end(),
                            [&](const std::string& line) { return line.find(prefix) != std::string::npos; }))
                << "the help does not say what \"" << prefix << "\" means";
    }
}

TEST(host_texts, later_files_replace_texts_and_lists_and_marks_are_filled) {
    host_texts t;
    t.parse("// English\nkeybar = F1 Help|F10 Quit\nhelp = one\nhelp =\nhelp =  two\nonly = here\n");
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
