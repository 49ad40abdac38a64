// The built interactive host, run on key scripts over a temporary tree: the
// plugin menu opens the list, Ctrl mode commits when Ctrl is let go, the
// editing keys reach the plugin, the language is chosen, and the host exits
// with status 0 without host faults.
#include "host_run.h"

namespace tolvik::tools {
namespace {

TEST_F(host_script, menu_opens_the_list_which_marks_its_cursor_line_and_esc_closes_it) {
    host_run r = run_ok("F11 dump Enter dump C-S-F3 dump Down dump Esc dump F10", 5);
    EXPECT_TRUE(shows(r.screens[0], "tolvik: panel views")) << "the menu entry";
    EXPECT_TRUE(shows(r.screens[1], "Panel views"));
    EXPECT_TRUE(shows(r.screens[1], "< C:\\left")) << "the active panel's view";
    EXPECT_TRUE(shows(r.screens[1], "> C:\\right"));
    EXPECT_TRUE(shows(rows_of(r.screens[1]).back(), "Del Delete")) << "the list's key bar";
    EXPECT_TRUE(lacks(rows_of(r.screens[1]).back(), "Del Del "));
    // The dump marks the cursor line left of the box.
    EXPECT_TRUE(shows(row_with(r.screens[2], "3. file panel"), ">|3. file panel")) << r.screens[2];
    std::string other = row_with(r.screens[2], "2. file panel");
    EXPECT_EQ(other.find('>'), other.find("> C:")) << "only the cursor line is marked: " << other;
    EXPECT_TRUE(shows(row_with(r.screens[3], "2. file panel"), ">|2. file panel")) << r.screens[3];
    EXPECT_TRUE(lacks(r.screens[4], "Panel views")) << "Esc closes the list";
}

TEST_F(host_script, ctrl_mode_stand_in_commits_when_ctrl_is_let_go) {
    // A third view (drive C:'s root) kept with Enter; then the list in Ctrl
    // mode: the move shows the next view (C:\left) at once, and Space lets go
    // of Ctrl, which commits it.
    host_run r = run_ok("F11 Enter C-S-F3 Enter dump F12 Down dump Space dump F10", 3);
    EXPECT_EQ(left_title(r.screens[0]), "C:\\") << "Enter kept the new view:\n" << r.screens[0];
    EXPECT_TRUE(shows(r.screens[1], "Ctrl held")) << "the key bar says Ctrl is held";
    EXPECT_TRUE(shows(r.screens[1], "Panel views"));
    EXPECT_EQ(left_title(r.screens[1]), "C:\\left") << "the move previews the view:\n" << r.screens[1];
    EXPECT_TRUE(lacks(r.screens[2], "Panel views")) << "letting go of Ctrl closes the list";
    EXPECT_EQ(left_title(r.screens[2]), "C:\\left") << "the view under the cursor was kept";
    EXPECT_TRUE(shows(r.screens[2], "F11 Plugins")) << "back in the panels";
}

TEST_F(host_script, panel_types_and_view_modes_draw_differently) {
    host_run r = run_ok("dump 3 dump 1 dump t dump q dump i dump p dump F10", 7);
    for (size_t a = 0; a + 1 < 7; ++a)
        EXPECT_NE(r.screens[a], r.screens[a + 1]) << "screens " << a << " and " << a + 1 << " are the same";
    EXPECT_TRUE(shows(r.screens[1], "mode: 3 full"));
    EXPECT_TRUE(shows(r.screens[3], "Tree"));
    EXPECT_TRUE(shows(r.screens[6], "[ Plugin panel ]"));
}

TEST_F(host_script, quick_view_shows_the_start_of_the_file_under_the_other_panels_cursor) {
    tree_.file("right/song.txt", "first line\r\nsecond line\n");
    host_run r = run_ok("Tab End Tab q dump Tab Home Tab dump F10", 2);
    std::vector<std::string> rows = rows_of(r.screens[0]);
    EXPECT_EQ(rows[1].find("|song.txt  "), 0u) << "the file's name on top:\n" << r.screens[0];
    EXPECT_EQ(rows[3].find("|first line  "), 0u) << "its lines, without the carriage return";
    EXPECT_EQ(rows[4].find("|second line  "), 0u) << r.screens[0];
    EXPECT_TRUE(lacks(r.screens[1], "first line")) << "the cursor left the file";
    EXPECT_TRUE(shows(rows_of(r.screens[1])[3], "Parent folder")) << r.screens[1];
}

TEST_F(host_script, resize_with_the_list_open_lays_out_everything_again) {
    // Large, then back to the default: each time the panels span the new
    // width, the list is centred again and the key bar is whole.
    host_run r = run_ok("F11 Enter resize 120x30 dump resize 80x25 dump Esc F10", 2);
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
        // The box sits at the dialog's margin of 2; the dialog is centred:
        // as many columns left of it as right of it, give or take one.
        EXPECT_NEAR(left - 2.0, widths[i] - 1.0 - (right + 3.0), 1) << "off-centre:\n" << screen;
        EXPECT_TRUE(shows(rows.back(), "F1 Help")) << "the key bar:\n" << screen;
    }
    EXPECT_TRUE(shows(rows_of(r.screens[0]).back(), "C-R Retest")) << "the whole key bar at 120";
}

TEST_F(host_script, too_small_screen_shows_only_the_message_and_keys_wait_for_the_size) {
    host_run r = run_ok("dump F11 Enter resize 80x25 dump Esc resize 60x16 dump F10", 3, "--size 40x12");
    EXPECT_TRUE(shows(r.screens[0], "too small"));
    EXPECT_TRUE(shows(r.screens[0], "68x15")) << "the size it needs";
    EXPECT_TRUE(lacks(r.screens[0], "C:\\")) << "nothing else is drawn";
    EXPECT_EQ(rows_of(r.screens[0]).size(), 12u) << "drawn at the size it has";
    EXPECT_TRUE(shows(r.screens[1], "Panel views")) << "F11 and Enter waited for the size";
    EXPECT_TRUE(shows(r.screens[2], "too small"));
    EXPECT_TRUE(lacks(r.screens[2], "Panel views")) << "no dialog while too small";

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
    EXPECT_TRUE(shows(both.screens[0], "Screen too small"));
    EXPECT_TRUE(lacks(both.screens[0], "Panel views")) << "no squeezed list";
}

TEST_F(host_script, names_show_in_the_languages_code_page_and_only_those_it_holds_are_reached) {
    const std::string unicode = "\xC3\x9Cn\xC3\xAFv\xC3\xB6r\xC3\xA9 dir";  // U-umlaut n i-diaeresis v...
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
        {"ru", {"?n?v?r? dir", privet, "caf?.txt"}, privet},      // code page 866
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lang);
        // Into docs; Enter on the folder the page cannot hold (sorted first,
        // '?' before any letter), then on the other one; the list, a move
        // away and back (the view applied again) and Ctrl+R.
        host_run r = run_ok("Down Enter Down Enter dump Down Enter dump F11 Enter Down Up C-R dump Esc F10",
                            3, std::string("--lang ") + c.lang);
        for (const std::string& name : c.shown) EXPECT_TRUE(shows(r.screens[0], "| " + name));
        EXPECT_EQ(left_title(r.screens[0]), "C:\\left\\docs") << "a '?' names nothing:\n" << r.screens[0];
        const std::string reached = "C:\\left\\docs\\" + c.reached;
        EXPECT_TRUE(shows(rows_of(r.screens[1])[0], " " + reached + " ")) << "entered";
        EXPECT_TRUE(shows(rows_of(r.screens[2])[0], " " + reached + " ")) << "applied again (command 16)";
        EXPECT_TRUE(shows(row_with(r.screens[2], "2. "), "< " + reached))
            << "captured, its folder found by GetFileAttributesA ('.'):\n"
            << r.screens[2];
    }
}

TEST_F(host_script, a_list_that_cannot_be_seen_takes_no_keys_but_f10) {
    // Shrunk with the list open: Del waits (it would delete view 3); F10
    // goes through and closes the list.
    host_run r = run_ok("F11 Enter C-S-F3 resize 50x14 Del F10 resize 80x25 dump F10", 1);
    EXPECT_TRUE(lacks(r.screens[0], "Panel views")) << "F10 closed the list";
    host_run again = run_ok("F11 Enter C-S-F3 resize 50x14 Del resize 80x25 dump Esc F10", 1);
    EXPECT_TRUE(lacks(again.screens[0], "3. file panel")) << "Del reached the list once it could be seen";
}

TEST_F(host_script, what_keeps_the_host_from_starting_is_named_and_nothing_is_drawn) {
    const std::string none = (root_ / "none.so").string();
    // A library without the plugin's exports: winshim's, built beside the host.
    const std::string winshim =
        (fs::path(TOLVIK_HOST_PATH).parent_path().parent_path() / "winshim" / "libwinshim.so").string();
    const std::string bad_language = (root_ / "bad.lng").string();
    tree_.file("bad.lng", "\"no header\"\n");
    const std::string cyrillic = "\xD0\x9F\xD1\x80\xD0\xB8";  // Pri
    tree_.folder(cyrillic);
    const struct {
        std::string arguments;  // a shell's words
        std::string left = "left";
        int status = 1;
        std::string error;
    } cases[] = {
        {.arguments = "--keys F10 --plugin '" + none + "'", .error = "tolvik_host: cannot load " + none},
        {.arguments = "--keys F10 --plugin '" + winshim + "'",
         .error = winshim + ": missing export GetMinFarVersion, SetStartupInfo"},
        {.arguments = "--keys F10 --lang '" + bad_language + "'",
         .error = "cannot read the language file " + bad_language},
        // A folder whose name the language's code page cannot hold is one
        // the host cannot reach.
        {.arguments = "--keys F10", .left = cyrillic, .error = "has a name code page"},
        {.arguments = "<'" + (root_ / "left" / "notes.txt").string() + "'",
         .error = "standard input and output must be a terminal (or use --keys)"},
        // The script is read whole before anything runs.
        {.arguments = "--keys 'F11 dump Enter Dwn Esc'", .status = 2, .error = "'Dwn'"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments);
        host_run r = run_arguments(c.arguments, c.left);
        EXPECT_EQ(r.status, c.status);
        EXPECT_NE(r.errors.find(c.error), std::string::npos) << r.errors;
        EXPECT_TRUE(r.screens.empty()) << "nothing was drawn";
    }
}

TEST_F(host_script, the_language_chosen_names_the_plugins_and_the_hosts_texts) {
    // The panels, the menu, the list, its help; the panels in full mode.
    host_run de = run_ok("dump F11 dump Enter dump F1 dump Esc Esc 3 dump F10", 5, "--lang de");
    EXPECT_TRUE(shows(rows_of(de.screens[0]).back(), "F1 Hilfe")) << de.screens[0];
    EXPECT_TRUE(shows(de.screens[0], "Sortierung: Name")) << "the status row";
    EXPECT_TRUE(shows(de.screens[1], "Pluginbefehle"));
    EXPECT_TRUE(shows(de.screens[2], "Panelansichten")) << "the plugin's own language file";
    EXPECT_TRUE(shows(rows_of(de.screens[2]).back(), "Enter Behalten")) << de.screens[2];
    EXPECT_TRUE(shows(de.screens[2],
                      "Esc Zur\xC3\xBC"
                      "ck"));
    EXPECT_TRUE(lacks(de.screens[2], "Zur\x81")) << "no code page 850 bytes";
    EXPECT_TRUE(shows(de.screens[3], "= Die Ansichtsliste =")) << "the help's German title";
    EXPECT_TRUE(shows(row_with(de.screens[4], "|.."), "Hoch")) << de.screens[4];
    EXPECT_TRUE(shows(row_with(de.screens[4], "| docs"), "Ordner")) << de.screens[4];
    EXPECT_TRUE(lacks(de.screens[4], "Folder"));
}

}  // namespace
}  // namespace tolvik::tools
