// The built interactive host, run on key scripts over a temporary tree: the
// plugin menu opens the list, Ctrl mode commits when Ctrl is let go, the
// editing keys reach the plugin, the language is chosen, and the host exits
// with status 0 without host faults.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace tolvik::tools {
namespace {

namespace fs = std::filesystem;

struct host_run {
    int status = -1;
    std::vector<std::string> screens;  // one per "dump" (the last screen when there is none)
    std::string errors;
};

class host_script : public ::testing::Test {
protected:
    host_script() {
        std::random_device seed;
        root_ = fs::temp_directory_path() / ("tolvik-script-" + std::to_string(seed()));
        for (const char* folder : {"left/docs", "right/music"}) fs::create_directories(root_ / folder);
        std::ofstream(root_ / "left" / "notes.txt") << "notes\n";
        std::ofstream(root_ / "right" / "song.txt") << "la\n";
    }
    ~host_script() override {
        std::error_code ignored;
        fs::remove_all(root_, ignored);
    }

    host_run run(const std::string& keys, const std::string& extra = "") {
        host_run out;
        fs::path errors = root_ / "stderr.txt";
        std::string command = std::string("'") + TOLVIK_HOST_PATH + "' --root '" + root_.string() + "' " +
                              extra + " --keys '" + keys + "' '" + (root_ / "left").string() + "' '" +
                              (root_ / "right").string() + "' 2>'" + errors.string() + "'";
        FILE* pipe = popen(command.c_str(), "r");
        if (!pipe) return out;
        std::string text;
        char buffer[4096];
        while (size_t n = fread(buffer, 1, sizeof buffer, pipe)) text.append(buffer, n);
        int status = pclose(pipe);
        out.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        size_t start = 0;
        for (size_t end; (end = text.find("----\n", start)) != std::string::npos; start = end + 5)
            out.screens.push_back(text.substr(start, end - start));
        std::ifstream e(errors);
        std::stringstream s;
        s << e.rdbuf();
        out.errors = s.str();
        return out;
    }

    // The title in the top border of the left panel.
    static std::string left_title(const std::string& screen) {
        std::string first = screen.substr(0, screen.find('\n'));
        size_t open = first.find(" C:");
        return open == std::string::npos ? "" : first.substr(open + 1, first.find(' ', open + 1) - open - 1);
    }

    fs::path root_;
};

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
    EXPECT_NE(r.screens[1].find("view: 3 full"), std::string::npos);
    EXPECT_NE(r.screens[3].find("Tree"), std::string::npos);
    EXPECT_NE(r.screens[6].find("[ Plugin panel ]"), std::string::npos);
}

TEST_F(host_script, refused_move_on_a_plugin_panel_shows_the_warning_box) {
    host_run r = run("p F11 Enter C-S-F3 dump Esc Esc F10");
    ASSERT_EQ(r.status, 0) << r.errors;
    ASSERT_GE(r.screens.size(), 1u);
    EXPECT_NE(r.screens[0].find("Cannot create a view"), std::string::npos) << r.screens[0];
    EXPECT_NE(r.screens[0].find("plugin panel"), std::string::npos) << r.screens[0];
}

}  // namespace
}  // namespace tolvik::tools
