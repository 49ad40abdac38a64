// The built interactive host at its smallest size and at 80x25: boxes stay
// above the status row and the key bar with their frames whole, the help
// scrolls and says where it is, the key bar shows the keys of what has the
// keyboard; a script that ends inside a dialog; text in each language's code
// page printed as UTF-8; mouse clicks and the wheel.
#include <regex>

#include "host_run.h"

namespace tolvik::tools {
namespace {

struct size {
    int width;
    int height;
    std::string arg() const { return "--size " + std::to_string(width) + "x" + std::to_string(height); }
};
const size sizes[] = {{68, 15}, {80, 25}};

class host_screens : public host_script {
protected:
    // A language of our own in the tree: the English messages under another
    // ".Language=" name, with the menu entry and the list title replaced,
    // and a help topic of 30 numbered lines. Returns its path.
    std::string language(const std::string& code, const std::string& name, const std::string& title,
                         const std::string& host_texts = "") {
        fs::create_directories(root_ / "lang");
        std::string text = emu::read_text_file(std::string(TOLVIK_LANG_DIR) + "/tolvik_en.lng").value_or("");
        auto replace = [&](const std::string& from, const std::string& to) {
            size_t at = text.find(from);
            ASSERT_NE(at, std::string::npos) << from;
            text.replace(at, from.size(), to);
        };
        replace(".Language=English,English", ".Language=" + name + "," + name);
        replace("\"tolvik: panel views\"", "\"tolvik: " + title + "\"");
        replace("\"Panel views\"", "\"" + title + "\"");
        fs::path file = root_ / "lang" / ("tolvik_" + code + ".lng");
        std::ofstream(file, std::ios::binary) << text;
        std::ofstream help(root_ / "lang" / ("tolvik_" + code + ".hlf"), std::ios::binary);
        help << ".Language=" << name << "," << name << "\n\n@Panel_list\n# Numbered\n";
        for (int i = 1; i <= 30; ++i) help << "help line " << i << "\n";
        if (!host_texts.empty())
            std::ofstream(root_ / "lang" / ("host_" + code + ".txt"), std::ios::binary) << host_texts;
        return file.string();
    }

    // The rows of the box whose top border holds `title`: its frame must be
    // whole (corners, borders on every row between) and end above the status
    // row. Returns the index of its bottom border, -1 when it is not whole.
    static int whole_frame(const std::string& screen, const std::string& title, int height) {
        std::vector<std::string> rows = rows_of(screen);
        for (size_t top = 0; top < rows.size(); ++top) {
            if (rows[top].find(title) == std::string::npos) continue;
            size_t left = rows[top].find("+=");
            size_t right = rows[top].rfind("=+");
            if (left == std::string::npos || right == std::string::npos) return -1;
            ++right;
            for (size_t y = top + 1; y < rows.size(); ++y) {
                const std::string& row = rows[y];
                if (row.size() <= right) return -1;
                if (row[left] == '+' && row[right] == '+')
                    return static_cast<int>(y) < height - 2 ? static_cast<int>(y) : -1;
                if (row[left] != '|' || row[right] != '|') return -1;
            }
        }
        return -1;
    }

    // The status row and the key bar are the host's: the folder and sort on
    // the one, `keys` at the start of the other.
    static void host_rows_intact(const std::string& screen, int height, const std::string& keys) {
        std::vector<std::string> rows = rows_of(screen);
        ASSERT_EQ(rows.size(), static_cast<size_t>(height)) << screen;
        EXPECT_EQ(rows[rows.size() - 2].find(" C:\\"), 0u) << "the status row:\n" << screen;
        EXPECT_NE(rows[rows.size() - 2].find("sort:"), std::string::npos) << screen;
        EXPECT_EQ(rows.back().find(keys), 0u) << "the key bar:\n" << screen;
    }

    // "X,Y", column and row of the first cell showing `text`, as a click
    // takes it; "" when no cell does.
    static std::string cell_of(const std::string& screen, const std::string& text) {
        std::vector<std::string> rows = rows_of(screen);
        for (size_t y = 0; y < rows.size(); ++y)
            if (size_t x = rows[y].find(text); x != std::string::npos)
                return std::to_string(x) + "," + std::to_string(y);
        return "";
    }
};

// The last line of a shipped language folder's `file` that starts with
// `prefix`, without the prefix.
std::string last_line(const std::string& file, const std::string& prefix) {
    std::string text = emu::read_text_file(std::string(TOLVIK_LANG_DIR) + "/" + file).value_or("");
    std::string last;
    for (std::string_view line : emu::split_lines(text)) {
        line = emu::trim_right(line);
        if (!line.empty() && line.substr(0, prefix.size()) == prefix) last = line.substr(prefix.size());
    }
    return last;
}

TEST_F(host_screens, boxes_stay_above_the_host_rows_with_their_frames_whole) {
    for (const size& s : sizes) {
        SCOPED_TRACE(s.arg());
        // The plugin's list, its warning box, its help; the host's help and
        // welcome box.
        host_run list = run_ok("F11 Enter dump Esc p F11 Enter C-S-F3 dump Esc Esc p F10", 2, s.arg());
        EXPECT_GT(whole_frame(list.screens[0], "= Panel views =", s.height), 0) << list.screens[0];
        host_rows_intact(list.screens[0], s.height, "F1 Help Enter Keep");
        EXPECT_GT(whole_frame(list.screens[1], "= Cannot create a view =", s.height), 0) << list.screens[1];
        host_rows_intact(list.screens[1], s.height, "Enter OK Esc Close");

        host_run help =
            run_ok("F11 Enter F1 dump End dump Esc Esc F1 dump End dump F10 F1 Esc F10", 4, s.arg());
        for (size_t i = 0; i < 4; ++i) {
            const char* title = i < 2 ? "= The view list =" : "= tolvik host keys =";
            EXPECT_GT(whole_frame(help.screens[i], title, s.height), 0) << help.screens[i];
            host_rows_intact(help.screens[i], s.height, "Up/Down Scroll");
        }
        EXPECT_TRUE(lacks(help.screens[0], "Panel_list")) << "the topic's title, not its name";
        EXPECT_TRUE(lacks(help.screens[0], "# The view list")) << "the title line is no text line";
        EXPECT_TRUE(shows(help.screens[1], last_line("tolvik_en.hlf", "")))
            << "the plugin's help to its last line";
        EXPECT_TRUE(shows(help.screens[1], "[ OK ]")) << "and its button";
        EXPECT_TRUE(shows(help.screens[3], last_line("host_en.txt", "help = ")))
            << "the host's help to its last line";

        host_run welcome = run_ok("dump End dump x dump F10", 3, s.arg() + " --welcome");
        EXPECT_GT(whole_frame(welcome.screens[0], "= Welcome to the tolvik demo =", s.height), 0)
            << welcome.screens[0];
        EXPECT_TRUE(shows(welcome.screens[0], "Drive C: is the folder " + root_.string().substr(0, 20)));
        host_rows_intact(welcome.screens[0], s.height, s.height < 25 ? "Up/Down Scroll" : "Any key Close");
        bool fits = s.height >= 25;
        EXPECT_EQ(welcome.screens[1].find("Welcome") == std::string::npos, fits)
            << "End closes a box that shows all its lines, and scrolls one that does not:\n"
            << welcome.screens[1];
        if (!fits) {
            EXPECT_TRUE(shows(welcome.screens[1], "Any key closes this box."));
        }
        EXPECT_TRUE(lacks(welcome.screens[2], "Welcome")) << "another key closes it";
        EXPECT_TRUE(shows(row_with(welcome.screens[2], "|.."), "Up"))
            << "the keys the box took did nothing else:\n"
            << welcome.screens[2];
    }
}

TEST_F(host_screens, help_viewer_scrolls_and_shows_where_it_is) {
    std::string lang = language("xx", "English", "Panel views");
    std::regex where(" (\\d+)-(\\d+)/30 ");
    for (const size& s : sizes) {
        SCOPED_TRACE(s.arg());
        host_run r = run_ok(
            "F11 Enter F1 dump Down dump PgDn dump End dump PgUp dump Home dump WheelDown dump "
            "WheelUp dump Esc Esc F10",
            8, s.arg() + " --lang '" + lang + "'");
        // Lines shown: the box area (height - 2) less its borders and button.
        int shown = s.height - 2 - 3;
        int last = 30 - shown + 1;
        int firsts[] = {1, 2, std::min(2 + shown - 1, last), last, std::max(last - (shown - 1), 1), 1, 2, 1};
        for (size_t i = 0; i < 8; ++i) {
            std::smatch m;
            ASSERT_TRUE(std::regex_search(r.screens[i], m, where)) << "screen " << i << ":\n" << r.screens[i];
            EXPECT_EQ(std::stoi(m[1]), firsts[i]) << "screen " << i << ":\n" << r.screens[i];
            EXPECT_EQ(std::stoi(m[2]), firsts[i] + shown - 1);
            EXPECT_TRUE(shows(r.screens[i], "help line " + std::to_string(firsts[i]) + " "));
            EXPECT_GT(whole_frame(r.screens[i], "= Numbered =", s.height), 0) << r.screens[i];
        }
    }
}

TEST_F(host_screens, a_script_ending_inside_a_dialog_dumps_it_and_names_it_once) {
    std::string lang = language("xx", "English", "Panel views");
    host_run list = run("F11 Enter C-S-F3");
    EXPECT_EQ(list.status, 3);
    ASSERT_EQ(list.screens.size(), 1u);
    EXPECT_TRUE(shows(list.screens[0], "= Panel views =")) << "the screen as the input left it";
    EXPECT_TRUE(shows(list.screens[0], "3. file panel"));
    EXPECT_TRUE(lacks(list.screens[0], "host faults"));
    EXPECT_EQ(list.errors, "tolvik_host: the input ended while 'Panel views' was open\n") << "said once";

    host_run help = run("F11 Enter F1", "--lang '" + lang + "'");
    EXPECT_EQ(help.status, 3);
    ASSERT_EQ(help.screens.size(), 1u);
    EXPECT_TRUE(shows(help.screens[0], "help line 1 "));
    EXPECT_EQ(help.errors, "tolvik_host: the input ended while 'Numbered' was open\n")
        << "the innermost box is named";

    host_run dumped = run("F11 dump Enter");
    EXPECT_EQ(dumped.status, 3);
    EXPECT_EQ(dumped.screens.size(), 1u) << "a script with a dump of its own gets no other";
    run_ok("F11", 1);  // the host's own menu is no dialog
}

TEST_F(host_screens, every_language_prints_utf8_in_its_code_page) {
    struct case_ {
        const char* code;
        const char* name;
        std::string title;     // in the language's code page
        std::string expected;  // UTF-8
    } cases[] = {
        {"ru", "Russian", "\x82\xA8\xA4\xEB \xAF\xA0\xAD\xA5\xAB\xA5\xA9",
         "\xD0\x92\xD0\xB8\xD0\xB4\xD1\x8B \xD0\xBF\xD0\xB0\xD0\xBD\xD0\xB5\xD0\xBB\xD0\xB5\xD0\xB9"},
        {"pl", "Polish",
         "Widoki paneli \xABr\xA2"
         "d\x88owych",
         "Widoki paneli \xC5\xBAr\xC3\xB3"
         "d\xC5\x82owych"},
        {"cs", "Czech", "Pohledy panel\x85", "Pohledy panel\xC5\xAF"},
        {"es", "Spanish", "Vistas del a\xA4o", "Vistas del a\xC3\xB1o"},
        {"fr", "French", "Vues du r\x82pertoire", "Vues du r\xC3\xA9pertoire"},
    };
    for (const case_& c : cases) {
        SCOPED_TRACE(c.code);
        std::string lang = language(c.code, c.name, c.title, "keybar.list = F1 " + c.title + "|Esc Back\n");
        host_run r = run("F11 dump Enter dump Esc F11 Enter", "--lang '" + lang + "'");
        EXPECT_EQ(r.status, 3);
        ASSERT_EQ(r.screens.size(), 2u);
        EXPECT_TRUE(shows(r.screens[0], "tolvik: " + c.expected)) << "the menu";
        EXPECT_TRUE(shows(r.screens[1], "= " + c.expected + " =")) << "the list";
        EXPECT_EQ(rows_of(r.screens[1]).back().find("F1 " + c.expected), 0u)
            << "the host's texts beside the language file:\n"
            << r.screens[1];
        EXPECT_TRUE(lacks(r.screens[1], c.title)) << "no raw code page bytes";
        EXPECT_EQ(r.errors, "tolvik_host: the input ended while '" + c.expected + "' was open\n");
    }
}

TEST_F(host_screens, clicks_and_the_wheel_move_the_panel_cursor_and_clicks_open_items) {
    host_run r =
        run_ok("click 3,2 dump double-click 3,2 dump click 45,2 dump WheelDown dump WheelUp dump F10", 5);
    // The footer (two rows above the bottom border) names the cursor item.
    const size_t footer = rows_of(r.screens[0]).size() - 4;
    EXPECT_EQ(rows_of(r.screens[0])[footer].find("|docs"), 0u) << "the clicked item:\n" << r.screens[0];
    EXPECT_EQ(left_title(r.screens[1]), "C:\\left\\docs") << "a double click opens it:\n" << r.screens[1];
    EXPECT_EQ(rows_of(r.screens[2])[footer + 2].find(" C:\\right"), 0u)
        << "a click in the other panel makes it active:\n"
        << r.screens[2];
    EXPECT_EQ(rows_of(r.screens[2])[footer].find("|music"), 40u) << r.screens[2];
    EXPECT_EQ(rows_of(r.screens[3])[footer].find("|song.txt"), 40u) << "wheel down:\n" << r.screens[3];
    EXPECT_EQ(rows_of(r.screens[4])[footer].find("|music"), 40u) << "wheel up:\n" << r.screens[4];
}

TEST_F(host_screens, clicks_walk_the_list_with_its_preview_and_press_buttons) {
    // F10 closes the menu.
    host_run first = run_ok("F11 dump F10 F11 Enter C-S-F3 dump Esc F10", 2);
    std::string entry = cell_of(first.screens[0], "tolvik: panel views");
    std::string view_2 = cell_of(first.screens[1], "2. file panel");
    std::string view_1 = cell_of(first.screens[1], "1. file panel");

    host_run r = run_ok(
        "F11 click " + entry + " C-S-F3 dump click " + view_2 + " dump click " + view_1 + " dump Esc F10", 3);
    EXPECT_TRUE(shows(r.screens[0], "3. file panel")) << "a click on the menu entry opens the list";
    EXPECT_TRUE(shows(row_with(r.screens[1], "2. file panel"), ">|2."))
        << "the list's cursor on the clicked line";
    EXPECT_EQ(left_title(r.screens[1]), "C:\\left") << "the preview follows:\n" << r.screens[1];
    EXPECT_EQ(r.screens[2], r.screens[1]) << "the other panel's greyed line takes no cursor";

    host_run keep = run_ok("F11 Enter C-S-F3 double-click " + view_2 + " dump F10", 1);
    EXPECT_TRUE(lacks(keep.screens[0], "Panel views")) << "a double click keeps the view";
    EXPECT_EQ(left_title(keep.screens[0]), "C:\\left");

    // A new view refused on a plugin's panel: the warning box.
    host_run warning = run_ok("p F11 Enter C-S-F3 dump Esc Esc F10", 1);
    EXPECT_TRUE(shows(warning.screens[0], "Cannot create a view"));
    EXPECT_TRUE(shows(warning.screens[0], "plugin panel"));
    std::string ok = cell_of(warning.screens[0], "[ OK ]");
    host_run pressed = run_ok("p F11 Enter C-S-F3 click " + ok + " dump F1 dump click 0,0 dump Esc F10", 3);
    EXPECT_TRUE(lacks(pressed.screens[0], "Cannot create")) << "the click pressed OK";
    EXPECT_TRUE(shows(pressed.screens[0], "Panel views")) << "the list stays";
    EXPECT_TRUE(shows(pressed.screens[2], "The view list")) << "a click beside a button does nothing";
    std::string help_ok = cell_of(pressed.screens[1], "[ OK ]");
    host_run help = run_ok("p F11 Enter C-S-F3 Esc F1 click " + help_ok + " dump Esc F10", 1);
    EXPECT_TRUE(lacks(help.screens[0], "The view list")) << "the help's OK closes it";
}

}  // namespace
}  // namespace tolvik::tools
