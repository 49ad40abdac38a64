// The interactive host's own parts: arguments, drive paths, the frame it
// sends, the plugin menu's reading of the plugin's record, the panel keys.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>

#include "host_rows.h"
#include "host_texts.h"
#include "key_decoder.h"
#include "key_script.h"
#include "options.h"
#include "panel_keys.h"
#include "panel_view.h"
#include "plugin_menu.h"
#include "render.h"
#include "support/test_tree.h"

namespace tolvik::tools {
namespace {

namespace fs = std::filesystem;

using test::test_tree;

options parse(std::initializer_list<const char*> args, bool& ok, std::string& error) {
    std::vector<const char*> argv{"tolvik_host"};
    argv.insert(argv.end(), args);
    options out;
    ok = parse_options(static_cast<int>(argv.size()), argv.data(), TOLVIK_LANG_DIR, "plugin.so", out, error);
    return out;
}

TEST(host_options, folders_language_code_and_help_file) {
    test_tree c;
    c.folder("a");
    c.folder("b");
    bool ok = false;
    std::string error;
    std::string a = c.native("a").string();
    std::string b = c.native("b").string();
    options o =
        parse({"--root", c.native().string().c_str(), "--lang", "de", a.c_str(), b.c_str()}, ok, error);
    ASSERT_TRUE(ok) << error;
    EXPECT_EQ(o.left, a);
    EXPECT_EQ(o.right, b);
    EXPECT_EQ(fs::path(o.language).filename(), "tolvik_de.lng");
    EXPECT_EQ(fs::path(o.help).filename(), "tolvik_de.hlf") << "the help file beside the language file";
    EXPECT_EQ(o.plugin, "plugin.so");
    EXPECT_FALSE(o.script);

    o = parse({"--keys", "F11 Enter", "--size", "100x30", "--left", a.c_str()}, ok, error);
    ASSERT_TRUE(ok) << error;
    EXPECT_TRUE(o.script);
    EXPECT_EQ(o.width, 100);
    EXPECT_EQ(o.height, 30);
    EXPECT_EQ(o.left, a);
    EXPECT_FALSE(o.right.empty()) << "the right panel defaults to the home folder";
}

// HOME set for the scope of a test.
class home_folder {
public:
    explicit home_folder(const std::string& path) {
        const char* old = std::getenv("HOME");
        had_ = old != nullptr;
        if (old) old_ = old;
        setenv("HOME", path.c_str(), 1);
    }
    ~home_folder() {
        if (had_)
            setenv("HOME", old_.c_str(), 1);
        else
            unsetenv("HOME");
    }

private:
    bool had_ = false;
    std::string old_;
};

TEST(host_options, default_folders_outside_the_root_fall_back_to_the_root) {
    test_tree c;
    c.folder("root/photos");
    c.folder("home");
    home_folder home(c.native("home").string());
    std::string root = c.native("root").string();
    std::string photos = c.native("root/photos").string();
    bool ok = false;
    std::string error;
    options o = parse({"--root", root.c_str(), photos.c_str()}, ok, error);
    ASSERT_TRUE(ok) << "the default right panel (home, outside the root) must not stop the start: " << error;
    EXPECT_EQ(o.left, photos);
    EXPECT_EQ(fs::canonical(o.right), fs::canonical(root)) << "the root stands in for the home folder";

    c.folder("root/home");
    std::string inner_home = c.native("root/home").string();
    home_folder inside(inner_home);
    o = parse({"--root", root.c_str(), photos.c_str()}, ok, error);
    ASSERT_TRUE(ok) << error;
    EXPECT_EQ(o.right, inner_home) << "a home inside the root stays";
}

TEST(host_options, messages_name_the_wrong_argument_and_only_what_was_given) {
    test_tree c;
    c.folder("root/photos");
    c.folder("elsewhere");
    home_folder home(c.native("elsewhere").string());
    std::string root = c.native("root").string();
    std::string missing = c.native("root/nothing").string();
    std::string outside = c.native("elsewhere").string();
    struct {
        std::vector<const char*> args;
        std::vector<std::string> said;
        std::string not_said;
    } cases[] = {
        {{"--root", "/nonexistent/tolvik-root"},
         {"--root", "/nonexistent/tolvik-root", "does not exist"},
         "home"},
        {{"--root", root.c_str(), missing.c_str()}, {"left panel", missing, "does not exist"}, outside},
        {{"--root", root.c_str(), "--right", outside.c_str()},
         {"right panel", outside, "outside the root", root},
         "left panel"},
        {{"--lang", "xx", "--root", root.c_str()}, {"--lang xx", "known:", "de", "en"}, TOLVIK_LANG_DIR},
        {{"--size", "99999x99999"}, {"--size 99999x99999", "at most 1000x1000"}, "at least"},
        {{"--size", "10x3"}, {"--size 10x3", "at least 16x4"}, "at most"},
        {{"--root", root.c_str(), "--select", "photos,nothing.jpg", root.c_str()},
         {"--select nothing.jpg", "no such name", root},
         "photos,"},
    };
    for (const auto& each : cases) {
        std::vector<const char*> argv{"tolvik_host"};
        argv.insert(argv.end(), each.args.begin(), each.args.end());
        options out;
        std::string error;
        EXPECT_FALSE(parse_options(static_cast<int>(argv.size()), argv.data(), TOLVIK_LANG_DIR, "plugin.so",
                                   out, error))
            << each.args[1];
        for (const std::string& text : each.said)
            EXPECT_NE(error.find(text), std::string::npos) << "'" << text << "' missing from: " << error;
        EXPECT_EQ(error.find(each.not_said), std::string::npos)
            << "names what the user never gave: " << error;
    }
}

TEST(host_options, language_codes_find_their_files_and_host_texts_beside_them) {
    test_tree c;
    c.file("lang/tolvik_ru.lng");
    c.file("lang/tolvik_ru.hlf");
    c.file("lang/host_ru.txt");
    c.file("lang/host_en.txt");
    c.file("own/tolvik_pl.lng");
    c.file("own/host_pl.txt");
    std::string root = c.native().string();
    std::string lang = c.native("lang").string();
    for (const char* code : {"ru", "pl"}) {
        std::vector<const char*> argv{"tolvik_host", "--root", root.c_str(), "--lang", code};
        std::string file = c.native("own/tolvik_pl.lng").string();
        if (std::string(code) == "pl") argv.back() = file.c_str();
        options out;
        std::string error;
        ASSERT_TRUE(parse_options(static_cast<int>(argv.size()), argv.data(), lang, "plugin.so", out, error))
            << code << ": " << error;
        std::string want = std::string(code) == "ru" ? c.native("lang/tolvik_ru.lng").string()
                                                     : c.native("own/tolvik_pl.lng").string();
        EXPECT_EQ(out.language, want);
        ASSERT_EQ(out.host_texts.size(), 2u) << code;
        EXPECT_EQ(out.host_texts[0], c.native("lang/host_en.txt").string()) << "English under every language";
        EXPECT_EQ(fs::path(out.host_texts[1]),
                  fs::path(want).parent_path() / ("host_" + std::string(code) + ".txt"))
            << "the host's texts beside the language file";
        EXPECT_EQ(out.help, std::string(code) == "ru" ? c.native("lang/tolvik_ru.hlf").string() : "");
    }
}

TEST(host_options, wrong_arguments_are_refused_with_a_reason) {
    const std::initializer_list<const char*> wrong[] = {{"--lang", "xx"},
                                                        {"--bogus"},
                                                        {"--keys", "F10", "--size", "10x3"},
                                                        {"--keys", "F10", "--size", "wide"},
                                                        {"--size", "80x25"},  // a terminal has its own size
                                                        {"a", "b", "c"},
                                                        {"--left"},
                                                        {"--keys", "F11 Frobnicate"},
                                                        {"--keys", "resize"},
                                                        {"--keys", "resize big"}};
    for (const auto& args : wrong) {
        bool ok = true;
        std::string error;
        parse(args, ok, error);
        EXPECT_FALSE(ok) << "accepted " << *args.begin();
        EXPECT_FALSE(error.empty());
    }
}

TEST(host_options, key_scripts_are_read_whole_before_anything_runs) {
    std::vector<script_step> steps;
    std::string error;
    ASSERT_TRUE(parse_key_script("F11 resize 60x16 ctrl-down C-S-F3 ctrl-up idle dump", steps, error))
        << error;
    ASSERT_EQ(steps.size(), 7u);
    EXPECT_EQ(steps[0].code, keys::f(11));
    EXPECT_EQ(steps[1].what, script_step::kind::resize);
    EXPECT_EQ(steps[1].width, 60);
    EXPECT_EQ(steps[1].height, 16);
    EXPECT_EQ(steps[2].what, script_step::kind::ctrl_down);
    EXPECT_EQ(steps[3].code, keys::ctrl | keys::shift | keys::f(3));
    EXPECT_EQ(steps[4].what, script_step::kind::ctrl_up);
    EXPECT_EQ(steps[5].what, script_step::kind::idle);
    EXPECT_EQ(steps[6].what, script_step::kind::dump);

    steps.assign(1, script_step{});
    EXPECT_FALSE(parse_key_script("Enter Dwn Esc", steps, error));
    EXPECT_NE(error.find("'Dwn'"), std::string::npos) << "the error names the word: " << error;
    EXPECT_EQ(steps.size(), 1u) << "nothing is taken from a script with a bad word";
}

TEST(host_options, help_lists_every_key_word_and_option) {
    std::string usage = usage_text();
    for (const std::string& name : key_names())
        EXPECT_TRUE(usage.find(" " + name + " ") != std::string::npos ||
                    usage.find(" " + name + "\n") != std::string::npos)
            << name;
    for (const char* word : {"dump", "ctrl-down", "ctrl-up", "idle", "resize WxH", "--legacy-keys",
                             "--welcome", "C-S-F3", "Exit status", "from 16x4 to 1000x1000"})
        EXPECT_NE(usage.find(word), std::string::npos) << word;
    EXPECT_NE(usage.find("68x15"), std::string::npos) << "the smallest screen";
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

// No order of importance, labels whole: pairs as they stand in the text.
const key_bar_order in_text_order{{}, 0, false};

TEST(host_rows, key_bars_keep_whole_pairs_in_80_and_68_columns) {
    // What is drawn is always the first pairs whole, never a cut word. The
    // shipped languages' bars are checked in tests/e2e_languages.
    const std::vector<std::string> bars = {
        "F1 A very long label that fills much of the row|F2 Another long label "
        "here|F3 Short|F4 And a last one",
        "F1 Help|Enter Keep|Del Delete|C-S-F3 New|C-F3 Copy|C-S-F5 Renumber|Esc"};
    for (int width : {80, 68}) {
        emu::screen display(width, 1);
        for (const std::string& bar : bars) {
            draw_key_bar(display, 0, bar, in_text_order);
            std::string shown = display.row(0);
            std::string whole;
            bool matched = shown.empty();
            for (const key_bar_pair& pair : key_bar_pairs(bar)) {
                whole += (whole.empty() ? "" : " ") + pair.key + (pair.label.empty() ? "" : " " + pair.label);
                if (whole == shown) matched = true;
            }
            EXPECT_TRUE(matched) << "at " << width << " columns '" << shown
                                 << "' is no run of whole pairs of '" << bar << "'";
            EXPECT_FALSE(shown.empty()) << "not even the first pair fits: " << bar;
        }
    }
}

TEST(host_rows, key_bar_leaves_out_pairs_that_do_not_fit_whole) {
    emu::screen display(30, 2);
    draw_key_bar(display, 1, "F1 Help|Enter Keep|Del Delete|C-R Refresh", in_text_order);
    EXPECT_EQ(display.row(1), "F1 Help Enter Keep Del Delete");
    display.resize(28, 2);
    draw_key_bar(display, 1, "F1 Help|Enter Keep|Del Delete|C-R Refresh", in_text_order);
    EXPECT_EQ(display.row(1), "F1 Help Enter Keep") << "never cut mid-word";
    draw_key_bar(display, 1, "", key_bar_order{{0}, 1});
    EXPECT_EQ(display.row(1), "") << "an empty bar";
    std::vector<key_bar_pair> pairs = key_bar_pairs("F1 Help|Esc|C-R Read again");
    ASSERT_EQ(pairs.size(), 3u);
    EXPECT_EQ(pairs[1].key, "Esc");
    EXPECT_EQ(pairs[1].label, "") << "a key alone";
    EXPECT_EQ(pairs[2].key, "C-R");
    EXPECT_EQ(pairs[2].label, "Read again") << "the label runs to the next bar";
}

TEST(host_rows, status_names_each_sort_and_view_mode_by_its_own_text) {
    host_texts t;
    t.parse(
        "status = [{sort}{reversed}|{mode} {mode_name}]\nstatus.reversed = -\n"
        "sort.unsorted = U\nsort.name = N\nsort.extension = E\nsort.time = T\nsort.size = S\n"
        "sort.other = ?\nview.1 = b\nview.2 = m\nview.3 = f\nview.4 = w\nview.other = o\n");
    set_texts(t);
    emu::panel_pair panels;
    panels.lay_out(80, 25);
    emu::screen display(80, 25);
    auto status = [&] {
        draw_status(display, 0, panels, 0);
        std::string row = display.row(0);
        return row.substr(row.find('[') + 1, row.find(']') - row.find('[') - 1);
    };
    const std::pair<int32_t, const char*> sorts[] = {{emu::sort_modes::unsorted, "U"},
                                                     {emu::sort_modes::by_name, "N"},
                                                     {emu::sort_modes::by_extension, "E"},
                                                     {emu::sort_modes::by_write_time, "T"},
                                                     {emu::sort_modes::by_size, "S"}};
    panels.active().view_mode = 2;
    for (const auto& [mode, text] : sorts) {
        panels.active().set_sort_mode(mode);
        EXPECT_EQ(status(), std::string(text) + "|2 m") << "sort mode " << mode;
    }
    const std::pair<int32_t, const char*> views[] = {
        {1, "1 b"}, {3, "3 f"}, {4, "4 w"}, {0, "0 o"}, {9, "9 o"}};
    for (const auto& [mode, text] : views) {
        panels.active().view_mode = mode;
        EXPECT_EQ(status(), std::string("S|") + text) << "view mode " << mode;
    }
    set_texts(host_texts{});
}

TEST(host_code_pages, oem_bytes_become_utf8_and_control_bytes_question_marks) {
    // Letters each language needs, by their known code points.
    struct letter {
        code_page page;
        unsigned char byte;
        char32_t expected;
    };
    const letter letters[] = {
        {code_page::cp850, 0x84, U'\u00E4'},  // a-umlaut
        {code_page::cp850, 0xE1, U'\u00DF'},  // sharp s
        {code_page::cp850, 0xA4, U'\u00F1'},  // n-tilde (es)
        {code_page::cp850, 0x87, U'\u00E7'},  // c-cedilla (fr)
        {code_page::cp852, 0x88, U'\u0142'},  // l-stroke (pl)
        {code_page::cp852, 0xA5, U'\u0105'},  // a-ogonek (pl)
        {code_page::cp852, 0xD8, U'\u011B'},  // e-caron (cs)
        {code_page::cp852, 0xFD, U'\u0159'},  // r-caron (cs)
        {code_page::cp852, 0x85, U'\u016F'},  // u-ring (cs)
        {code_page::cp866, 0x80, U'\u0410'},  // Cyrillic A
        {code_page::cp866, 0xAF, U'\u043F'},  // Cyrillic pe
        {code_page::cp866, 0xE0, U'\u0440'},  // Cyrillic er
        {code_page::cp866, 0xF1, U'\u0451'},  // Cyrillic yo
    };
    for (const letter& l : letters)
        EXPECT_EQ(code_point(l.byte, l.page), l.expected)
            << "byte 0x" << std::hex << int(l.byte) << " of code page " << std::dec << number_of(l.page);
    EXPECT_EQ(to_utf8(0x84, code_page::cp850), "\xC3\xA4");
    EXPECT_EQ(to_utf8(0x80, code_page::cp866), "\xD0\x90") << "two bytes of UTF-8";
    EXPECT_EQ(to_utf8(0xB0, code_page::cp852), "\xE2\x96\x91") << "a shade block: three bytes";
    EXPECT_EQ(to_utf8(std::string_view("Zur\x81"
                                       "ck\n\x1b"),
                      code_page::cp850),
              "Zur\xC3\xBC"
              "ck\n?")
        << "an ESC in a file name must not reach the terminal; line breaks stay";
    EXPECT_EQ(to_utf8(0x7F, code_page::cp850), "?");
}

TEST(host_render, frames_are_utf8_of_the_code_page_in_use) {
    emu::screen display(20, 2);
    display.text(0, 0, "\x80\x81", emu::attr::normal);
    renderer r;
    EXPECT_NE(r.frame(display).find("\xC3\x87\xC3\xBC"), std::string::npos) << "850 by default";
    r.set_code_page(code_page::cp866);
    EXPECT_NE(r.frame(display).find("\xD0\x90\xD0\x91"), std::string::npos) << "a new code page redraws";
}

TEST(host_render, only_changed_rows_are_sent_again) {
    emu::screen display(40, 12);
    display.text(0, 0, "first", emu::attr::normal);
    renderer r;
    std::string full = r.frame(display);
    EXPECT_NE(full.find("first"), std::string::npos);
    EXPECT_EQ(r.frame(display), "") << "an unchanged screen sends nothing";
    display.text(3, 5, "x", emu::attr::warning);
    std::string delta = r.frame(display);
    EXPECT_NE(delta.find("\x1b[6;1H"), std::string::npos) << "expected a move to row 6, got: " << delta;
    EXPECT_EQ(delta.find("first"), std::string::npos) << "row 1 did not change but was sent";
    EXPECT_NE(delta.find(colour_of(emu::attr::warning)), std::string::npos);
    display.resize(50, 12);
    EXPECT_NE(r.frame(display).find("\x1b[2J"), std::string::npos) << "a new size repaints from scratch";
}

TEST(host_plugin_menu, untrusted_plugin_records_give_sane_entries) {
    plugin_info info;
    std::memset(&info, 0, sizeof info);
    EXPECT_TRUE(menu_entries(info).empty()) << "null array";
    const char* texts[] = {"one", nullptr, "three"};
    info.menu_strings = texts;
    info.menu_string_count = -1;
    EXPECT_TRUE(menu_entries(info).empty()) << "negative count";
    info.menu_string_count = 1000000;
    EXPECT_TRUE(menu_entries(info).empty()) << "absurd count";
    info.menu_string_count = 3;
    std::vector<std::string> entries = menu_entries(info);
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[1], "") << "a null entry is shown empty";
    std::string long_text(300, 'x');
    const char* long_entry[] = {long_text.c_str()};
    info.menu_strings = long_entry;
    info.menu_string_count = 1;
    EXPECT_EQ(menu_entries(info)[0].size(), 128u);
}

class panel_keys_test : public ::testing::Test {
protected:
    panel_keys_test() {
        c_.folder("left/sub");
        c_.file("left/a.txt");
        c_.file("left/b.txt");
        c_.folder("right");
        panels_.left().set_directory("C:\\left");
        panels_.right().set_directory("C:\\right");
        panels_.lay_out(80, 25);
    }
    emu::panel_model& left() { return panels_.left(); }

    test_tree c_;
    emu::panel_pair panels_;
};

TEST_F(panel_keys_test, insert_selects_and_moves_and_plus_minus_select_files) {
    // ".." sub a.txt b.txt
    ASSERT_EQ(left().size(), 4u);
    left().set_cursor(2);
    EXPECT_TRUE(handle_panel_key(panels_, keys::ins));
    EXPECT_EQ(left().selected_names(), std::vector<std::string>{"a.txt"});
    EXPECT_EQ(left().cursor(), 3);
    EXPECT_TRUE(handle_panel_key(panels_, '-'));
    EXPECT_TRUE(left().selected_names().empty());
    EXPECT_TRUE(handle_panel_key(panels_, '+'));
    EXPECT_EQ(left().selected_names(), (std::vector<std::string>{"a.txt", "b.txt"}))
        << "folders stay unselected";
}

TEST_F(panel_keys_test, enter_and_ctrl_pgup_walk_folders) {
    left().set_cursor(1);
    EXPECT_TRUE(handle_panel_key(panels_, keys::enter));
    EXPECT_EQ(left().directory(), "C:\\left\\sub");
    EXPECT_TRUE(handle_panel_key(panels_, keys::ctrl | keys::pg_up));
    EXPECT_EQ(left().directory(), "C:\\left");
    EXPECT_EQ(left().items()[static_cast<size_t>(left().cursor())].name, "sub")
        << "the cursor on the folder left";
}

TEST_F(panel_keys_test, modes_types_and_tab) {
    EXPECT_TRUE(handle_panel_key(panels_, 'r'));
    EXPECT_TRUE(left().reversed());
    int32_t before = left().sort_mode();
    EXPECT_TRUE(handle_panel_key(panels_, 's'));
    EXPECT_NE(left().sort_mode(), before);
    EXPECT_TRUE(handle_panel_key(panels_, '1'));
    EXPECT_EQ(geometry_of(left()).columns, 3);
    EXPECT_TRUE(handle_panel_key(panels_, 'v'));
    EXPECT_EQ(left().view_mode, 2);
    EXPECT_EQ(geometry_of(left()).columns, 2);

    EXPECT_TRUE(handle_panel_key(panels_, 'p'));
    EXPECT_EQ(left().plugin, 1);
    EXPECT_FALSE(handle_panel_key(panels_, keys::down)) << "a plugin's panel has no items to walk";
    EXPECT_TRUE(handle_panel_key(panels_, 't'));
    EXPECT_EQ(left().type, panel_tree);
    EXPECT_EQ(left().plugin, 0);
    EXPECT_TRUE(handle_panel_key(panels_, 't'));
    EXPECT_EQ(left().type, panel_file) << "the same key again gives the file panel back";

    EXPECT_TRUE(handle_panel_key(panels_, keys::tab));
    EXPECT_EQ(panels_.active_side(), emu::side::right);
    EXPECT_FALSE(handle_panel_key(panels_, 'z'));
}

TEST_F(panel_keys_test, narrow_panels_drop_columns_and_the_cursor_stays_visible) {
    panels_.lay_out(40, 25);  // panels 20 wide: 18 inner columns
    left().view_mode = 1;
    EXPECT_EQ(geometry_of(left()).columns, 2) << "three columns of 6 cells are no use";
    panels_.lay_out(80, 8);  // 4 rows of items in 2 columns
    left().view_mode = 2;
    left().set_top(0);
    left().set_cursor(3);
    EXPECT_EQ(visible_top(left()), 0);
    panels_.lay_out(80, 7);  // 1 line each column: capacity 2
    EXPECT_EQ(visible_top(left()), 2) << "the cursor item must stay on the panel";
}

}  // namespace
}  // namespace tolvik::tools
