// The built interactive host, run on key scripts over a temporary tree: the
// plugin menu opens the list, Ctrl mode commits when Ctrl is let go, the
// editing keys reach the plugin, the language is chosen, and the host exits
// with status 0 without host faults.
#include "host_run.h"

namespace tolvik::tools {
namespace {

TEST_F(host_script, menu_opens_the_list_and_f10_quits_with_status_0) {
    host_run r = run("F11 dump Enter dump Esc dump F10");
    ASSERT_EQ(r.status, 0) << r.errors;
    ASSERT_EQ(r.screens.size(), 3u);
    EXPECT_NE(r.screens[0].find("tolvik: panel views"), std::string::npos) << "the menu entry:\n"
                                                                           << r.screens[0];
    EXPECT_NE(r.screens[1].find("Panel views"), std::string::npos) << r.screens[1];
    EXPECT_NE(r.screens[1].find("< C:\\left"), std::string::npos) << "the active panel's view:\n"
                                                                  << r.screens[1];
    EXPECT_NE(r.screens[1].find("> C:\\right"), std::string::npos) << r.screens[1];
    EXPECT_EQ(r.screens[2].find("Panel views"), std::string::npos) << "Esc closes the list:\n"
                                                                   << r.screens[2];
    EXPECT_EQ(r.errors, "") << "expected no host faults";
}

TEST_F(host_script, ctrl_mode_stand_in_commits_when_ctrl_is_let_go) {
    // A third view (drive C:'s root) kept with Enter; then the list in Ctrl
    // mode: the move shows the next view (C:\left) at once, and Space lets go
    // of Ctrl, which commits it.
    host_run r = run("F11 Enter C-S-F3 Enter dump F12 Down dump Space dump F10");
    ASSERT_EQ(r.status, 0) << r.errors;
    ASSERT_EQ(r.screens.size(), 3u);
    EXPECT_EQ(left_title(r.screens[0]), "C:\\") << "Enter kept the new view:\n" << r.screens[0];
    EXPECT_NE(r.screens[1].find("Ctrl held"), std::string::npos) << "the key bar says Ctrl is held";
    EXPECT_NE(r.screens[1].find("Panel views"), std::string::npos) << r.screens[1];
    EXPECT_EQ(left_title(r.screens[1]), "C:\\left") << "the move previews the view:\n" << r.screens[1];
    EXPECT_EQ(r.screens[2].find("Panel views"), std::string::npos) << "letting go of Ctrl closes the list";
    EXPECT_EQ(left_title(r.screens[2]), "C:\\left") << "the view under the cursor was kept";
    EXPECT_NE(r.screens[2].find("F11 Plugins"), std::string::npos) << "back in the panels:\n" << r.screens[2];
    EXPECT_EQ(r.errors, "");
}

TEST_F(host_script, delete_removes_a_view_and_the_language_is_chosen) {
    host_run r = run("F11 Enter C-S-F3 dump Del dump Esc F10", "--lang de");
    ASSERT_EQ(r.status, 0) << r.errors;
    ASSERT_GE(r.screens.size(), 2u);
    EXPECT_NE(r.screens[0].find("Panelansichten"), std::string::npos) << r.screens[0];
    EXPECT_NE(r.screens[0].find("3."), std::string::npos) << "the new view 3:\n" << r.screens[0];
    EXPECT_EQ(r.screens[1].find("3."), std::string::npos) << "Del removed view 3:\n" << r.screens[1];
    EXPECT_EQ(r.errors, "");
}

TEST_F(host_script, panel_types_and_view_modes_draw_differently) {
    host_run r = run("dump 3 dump 1 dump t dump q dump i dump p dump F10");
    ASSERT_EQ(r.status, 0) << r.errors;
    ASSERT_EQ(r.screens.size(), 7u);
    for (size_t a = 0; a + 1 < 7; ++a)
        EXPECT_NE(r.screens[a], r.screens[a + 1]) << "screens " << a << " and " << a + 1 << " are the same";
    EXPECT_NE(r.screens[1].find("mode: 3 full"), std::string::npos);
    EXPECT_NE(r.screens[3].find("Tree"), std::string::npos);
    EXPECT_NE(r.screens[6].find("[ Plugin panel ]"), std::string::npos);
}

TEST_F(host_script, quick_view_shows_the_start_of_the_file_under_the_other_panels_cursor) {
    tree_.file("right/song.txt", "first line\r\nsecond line\n");
    host_run r = run("Tab End Tab q dump Tab Home Tab dump F10");
    ASSERT_EQ(r.status, 0) << r.errors;
    ASSERT_EQ(r.screens.size(), 2u);
    std::vector<std::string> rows = rows_of(r.screens[0]);
    EXPECT_EQ(rows[1].find("|song.txt  "), 0u) << "the file's name on top:\n" << r.screens[0];
    EXPECT_EQ(rows[3].find("|first line  "), 0u) << "its lines, without the carriage return";
    EXPECT_EQ(rows[4].find("|second line  "), 0u) << r.screens[0];
    EXPECT_EQ(r.screens[1].find("first line"), std::string::npos) << "the cursor left the file:\n"
                                                                  << r.screens[1];
    EXPECT_NE(rows_of(r.screens[1])[3].find("Parent folder"), std::string::npos) << r.screens[1];
}

TEST_F(host_script, refused_move_on_a_plugin_panel_shows_the_warning_box) {
    host_run r = run("p F11 Enter C-S-F3 dump Esc Esc F10");
    ASSERT_EQ(r.status, 0) << r.errors;
    ASSERT_GE(r.screens.size(), 1u);
    EXPECT_NE(r.screens[0].find("Cannot create a view"), std::string::npos) << r.screens[0];
    EXPECT_NE(r.screens[0].find("plugin panel"), std::string::npos) << r.screens[0];
}

TEST_F(host_script, resize_with_the_list_open_lays_out_everything_again) {
    // Large, then back to the default: each time the panels span the new
    // width, the list is centred again and the key bar is whole.
    host_run r = run("F11 Enter resize 120x30 dump resize 80x25 dump Esc F10");
    ASSERT_EQ(r.status, 0) << r.errors;
    ASSERT_EQ(r.screens.size(), 2u);
    const int widths[] = {120, 80};
    const size_t heights[] = {30, 25};
    for (size_t i = 0; i < 2; ++i) {
        const std::string& screen = r.screens[i];
        std::vector<std::string> rows = rows_of(screen);
        ASSERT_EQ(rows.size(), heights[i]) << screen;
        EXPECT_EQ(rows[0].size(), static_cast<size_t>(widths[i])) << "the panels' top border:\n" << screen;
        EXPECT_EQ(rows[0].back(), '+') << "the right panel's corner at the new edge:\n" << screen;
        std::string top = row_with(screen, "Panel views");
        size_t left = top.find("+=");
        size_t right = top.rfind("=+");
        ASSERT_NE(left, std::string::npos) << screen;
        // The box sits at the dialog's margin of 2: the dialog is centred.
        size_t dialog_left = left - 2;
        size_t dialog_right = right + 1 + 2;
        EXPECT_LE(dialog_left + dialog_right + 1, static_cast<size_t>(widths[i]) + 1) << screen;
        EXPECT_GE(dialog_left + dialog_right + 1, static_cast<size_t>(widths[i]) - 1) << "off-centre:\n"
                                                                                      << screen;
        EXPECT_NE(rows.back().find("F1 Help"), std::string::npos) << "the key bar:\n" << screen;
    }
    EXPECT_NE(rows_of(r.screens[0]).back().find("C-R Retest"), std::string::npos)
        << "the whole key bar at 120";
}

TEST_F(host_script, too_small_screen_shows_only_the_message_and_keys_wait_for_the_size) {
    host_run r = run("dump F11 Enter resize 80x25 dump Esc resize 60x16 dump F10", "--size 40x12");
    ASSERT_EQ(r.status, 0) << r.errors;
    ASSERT_EQ(r.screens.size(), 3u);
    EXPECT_NE(r.screens[0].find("too small"), std::string::npos) << r.screens[0];
    EXPECT_NE(r.screens[0].find("68x15"), std::string::npos) << "the size it needs:\n" << r.screens[0];
    EXPECT_EQ(r.screens[0].find("C:\\"), std::string::npos) << "nothing else is drawn:\n" << r.screens[0];
    EXPECT_EQ(rows_of(r.screens[0]).size(), 12u) << "drawn at the size it has";
    EXPECT_NE(r.screens[1].find("Panel views"), std::string::npos)
        << "F11 and Enter waited for the size and then opened the list:\n"
        << r.screens[1];
    EXPECT_NE(r.screens[2].find("too small"), std::string::npos) << r.screens[2];
    EXPECT_EQ(r.screens[2].find("Panel views"), std::string::npos) << "no dialog while too small";

    host_run never = run("F11 Enter dump", "--size 40x12");
    EXPECT_EQ(never.status, 4) << "keys that never ran: " << never.errors;
    EXPECT_NE(never.errors.find("2 key(s) never ran"), std::string::npos) << never.errors;

    // Keys that never ran with a dialog open: both are said, status 4; the
    // screen printed at the end is the one the user saw.
    host_run both = run("F11 Enter resize 40x12 Down");
    EXPECT_EQ(both.status, 4) << both.errors;
    EXPECT_NE(both.errors.find("'Panel views' was open"), std::string::npos) << both.errors;
    EXPECT_NE(both.errors.find("1 key(s) never ran"), std::string::npos) << both.errors;
    ASSERT_EQ(both.screens.size(), 1u);
    EXPECT_NE(both.screens[0].find("Screen too small"), std::string::npos) << both.screens[0];
    EXPECT_EQ(both.screens[0].find("Panel views"), std::string::npos) << "no squeezed list";
}

TEST_F(host_script, names_show_in_the_languages_code_page_and_only_those_it_holds_are_reached) {
    const std::string unicode =
        "\xC3\x9Cn\xC3\xAF"
        "c\xC3\xB6"
        "d\xC3\xA9 dir";  // U-umlaut n i-diaeresis...
    const std::string privet = "\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82";  // Cyrillic
    tree_.folder("left/docs/" + unicode);
    tree_.folder("left/docs/" + privet);
    tree_.file("left/docs/caf\xC3\xA9.txt");
    const struct {
        const char* lang;
        std::vector<std::string> shown;  // in the panel, as UTF-8
        std::string reached;             // the folder the code page holds
    } cases[] = {
        {"de", {unicode, "??????", "caf\xC3\xA9.txt"}, unicode},  // code page 850
        {"ru", {"?n?c?d? dir", privet, "caf?.txt"}, privet},      // code page 866
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lang);
        // Into docs; Enter on the folder the page cannot hold (sorted first,
        // '?' before any letter), then on the other one; the list, a move
        // away and back (the view applied again) and Ctrl+R.
        host_run r = run("Down Enter Down Enter dump Down Enter dump F11 Enter Down Up C-R dump Esc F10",
                         std::string("--lang ") + c.lang);
        ASSERT_EQ(r.status, 0) << r.errors;
        ASSERT_EQ(r.screens.size(), 3u);
        for (const std::string& name : c.shown)
            EXPECT_NE(r.screens[0].find("| " + name), std::string::npos) << name << "\n" << r.screens[0];
        EXPECT_EQ(left_title(r.screens[0]), "C:\\left\\docs") << "a '?' names nothing:\n" << r.screens[0];
        const std::string reached = "C:\\left\\docs\\" + c.reached;
        EXPECT_NE(rows_of(r.screens[1])[0].find(" " + reached + " "), std::string::npos) << "entered:\n"
                                                                                         << r.screens[1];
        EXPECT_NE(rows_of(r.screens[2])[0].find(" " + reached + " "), std::string::npos)
            << "applied again through command 16:\n"
            << r.screens[2];
        EXPECT_NE(row_with(r.screens[2], "2. ").find("< " + reached), std::string::npos)
            << "captured, and its folder found by GetFileAttributesA ('.'):\n"
            << r.screens[2];
        EXPECT_EQ(r.errors, "");
    }
}

TEST_F(host_script, a_list_that_cannot_be_seen_takes_no_keys_but_f10) {
    // Shrunk with the list open: Del waits (it would delete view 3); F10
    // goes through and closes the list.
    host_run r = run("F11 Enter C-S-F3 resize 50x14 Del F10 resize 80x25 dump F10");
    ASSERT_EQ(r.status, 0) << r.errors;
    ASSERT_EQ(r.screens.size(), 1u);
    EXPECT_EQ(r.screens[0].find("Panel views"), std::string::npos) << "F10 closed the list:\n"
                                                                   << r.screens[0];
    host_run again = run("F11 Enter C-S-F3 resize 50x14 Del resize 80x25 dump Esc F10");
    ASSERT_EQ(again.status, 0) << again.errors;
    ASSERT_EQ(again.screens.size(), 1u);
    EXPECT_EQ(again.screens[0].find("3. file panel"), std::string::npos)
        << "Del reached the list once it could be seen:\n"
        << again.screens[0];
}

TEST_F(host_script, unknown_key_word_stops_the_run_before_it_starts) {
    host_run r = run("F11 dump Enter Dwn Esc");
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.screens.empty()) << "nothing ran";
    EXPECT_NE(r.errors.find("'Dwn'"), std::string::npos) << r.errors;
}

TEST_F(host_script, what_keeps_the_host_from_starting_is_named_and_exits_1) {
    // A plugin path with no library, and a library without the plugin's
    // exports (winshim's, built beside the host).
    host_run none = run("F10", "--plugin '" + (root_ / "none.so").string() + "'");
    EXPECT_EQ(none.status, 1);
    EXPECT_NE(none.errors.find("tolvik_host: cannot load " + (root_ / "none.so").string()), std::string::npos)
        << none.errors;
    fs::path winshim = fs::path(TOLVIK_HOST_PATH).parent_path().parent_path() / "winshim" / "libwinshim.so";
    ASSERT_TRUE(fs::exists(winshim)) << winshim;
    host_run not_plugin = run("F10", "--plugin '" + winshim.string() + "'");
    EXPECT_EQ(not_plugin.status, 1);
    EXPECT_NE(not_plugin.errors.find(winshim.string() + ": missing export GetMinFarVersion, SetStartupInfo"),
              std::string::npos)
        << not_plugin.errors;

    tree_.file("bad.lng", "\"no header\"\n");
    host_run bad_language = run("F10", "--lang '" + (root_ / "bad.lng").string() + "'");
    EXPECT_EQ(bad_language.status, 1);
    EXPECT_NE(bad_language.errors.find("cannot read the language file " + (root_ / "bad.lng").string()),
              std::string::npos)
        << bad_language.errors;

    // A folder whose name the language's code page cannot hold is one the
    // host cannot reach.
    tree_.folder("\xD0\x9F\xD1\x80\xD0\xB8");  // Pri, in Cyrillic
    host_run unreachable = run_arguments("--keys F10", "\xD0\x9F\xD1\x80\xD0\xB8");
    EXPECT_EQ(unreachable.status, 1);
    EXPECT_NE(unreachable.errors.find("has a name code page"), std::string::npos) << unreachable.errors;

    // Without a key script the host needs a terminal.
    host_run no_terminal = run_arguments("<'" + (root_ / "left" / "notes.txt").string() + "'");
    EXPECT_EQ(no_terminal.status, 1);
    EXPECT_NE(no_terminal.errors.find("standard input and output must be a terminal (or use --keys)"),
              std::string::npos)
        << no_terminal.errors;
    EXPECT_TRUE(no_terminal.screens.empty()) << "nothing was drawn";
}

TEST_F(host_script, input_ending_inside_a_dialog_exits_3_naming_it) {
    host_run r = run("F11 Enter C-S-F3");
    EXPECT_EQ(r.status, 3);
    EXPECT_NE(r.errors.find("'Panel views'"), std::string::npos) << r.errors;
    host_run menu = run("F11");
    EXPECT_EQ(menu.status, 0) << "the host's own menu is no dialog: " << menu.errors;
}

TEST_F(host_script, dumps_mark_the_list_cursor_line_left_of_the_box) {
    host_run r = run("F11 Enter C-S-F3 dump Down dump Esc F10");
    ASSERT_EQ(r.status, 0) << r.errors;
    ASSERT_EQ(r.screens.size(), 2u);
    std::string new_view = row_with(r.screens[0], "3. file panel");
    EXPECT_NE(new_view.find(">|3. file panel"), std::string::npos) << r.screens[0];
    std::string other = row_with(r.screens[0], "2. file panel");
    EXPECT_EQ(other.find('>'), other.find("> C:")) << "only the cursor line is marked: " << other;
    EXPECT_NE(row_with(r.screens[1], "2. file panel").find(">|2. file panel"), std::string::npos)
        << r.screens[1];
}

TEST_F(host_script, host_texts_follow_the_language) {
    host_run en = run("dump F11 Enter dump Esc F10");
    ASSERT_EQ(en.status, 0) << en.errors;
    ASSERT_EQ(en.screens.size(), 2u);
    std::string list_bar = rows_of(en.screens[1]).back();
    EXPECT_NE(list_bar.find("Del Delete"), std::string::npos) << list_bar;
    EXPECT_EQ(list_bar.find("Del Del "), std::string::npos) << list_bar;
    host_run de = run("dump F11 dump Enter dump F1 dump Esc Esc F10", "--lang de");
    ASSERT_EQ(de.status, 0) << de.errors;
    ASSERT_EQ(de.screens.size(), 4u);
    EXPECT_NE(rows_of(de.screens[0]).back().find("F1 Hilfe"), std::string::npos) << de.screens[0];
    EXPECT_NE(de.screens[0].find("Sortierung: Name"), std::string::npos) << "the status row:\n"
                                                                         << de.screens[0];
    EXPECT_NE(de.screens[1].find("Pluginbefehle"), std::string::npos) << de.screens[1];
    EXPECT_NE(rows_of(de.screens[2]).back().find("Enter Behalten"), std::string::npos) << de.screens[2];
    EXPECT_NE(de.screens[3].find("= Die Ansichtsliste ="), std::string::npos) << "the help's German title";
}

TEST_F(host_script, help_viewer_shows_the_topic_title) {
    host_run r = run("F11 Enter F1 dump Esc Esc F1 dump F10");
    ASSERT_EQ(r.status, 0) << r.errors;
    ASSERT_EQ(r.screens.size(), 2u);
    EXPECT_NE(r.screens[0].find("= The view list ="), std::string::npos) << r.screens[0];
    EXPECT_EQ(r.screens[0].find("Panel_list"), std::string::npos) << "not the raw topic name";
    EXPECT_EQ(r.screens[0].find("# The view list"), std::string::npos) << "the title line is no text line";
    EXPECT_NE(r.screens[1].find("= tolvik host keys ="), std::string::npos) << r.screens[1];
}

TEST_F(host_script, welcome_box_closes_on_any_key_and_the_key_does_nothing_else) {
    host_run r = run("dump Down dump F10", "--welcome");
    ASSERT_EQ(r.status, 0) << r.errors;
    ASSERT_EQ(r.screens.size(), 2u);
    EXPECT_NE(r.screens[0].find("Welcome to the tolvik demo"), std::string::npos) << r.screens[0];
    EXPECT_NE(r.screens[0].find("Drive C: is the folder " + root_.string().substr(0, 20)), std::string::npos)
        << "the root it was given:\n"
        << r.screens[0];
    EXPECT_EQ(r.screens[1].find("Welcome"), std::string::npos) << r.screens[1];
    EXPECT_NE(row_with(r.screens[1], "|..").find("Up"), std::string::npos)
        << "the panel cursor stayed on '..':\n"
        << r.screens[1];
}

TEST_F(host_script, mouse_wheel_moves_the_panel_cursor) {
    host_run r = run("WheelDown dump WheelDown WheelUp dump F10");
    ASSERT_EQ(r.status, 0) << r.errors;
    ASSERT_EQ(r.screens.size(), 2u);
    std::vector<std::string> rows = rows_of(r.screens[0]);
    // The footer (two rows above the bottom border) names the cursor item.
    EXPECT_EQ(rows[rows.size() - 4].find("|docs"), 0u) << r.screens[0];
    EXPECT_EQ(rows_of(r.screens[1])[rows.size() - 4].find("|docs"), 0u) << r.screens[1];
}

}  // namespace
}  // namespace tolvik::tools
