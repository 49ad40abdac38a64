// Runs the built interactive host on a key script over a temporary tree:
// its exit status, the screens it printed and what it wrote to stderr.
#pragma once

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "emulator/text_file.h"
#include "support/test_tree.h"

namespace tolvik::tools {

namespace fs = std::filesystem;

struct host_run {
    int status = -1;
    std::vector<std::string> screens;  // one per "dump" (the last screen when there is none)
    std::string errors;
};

class host_script : public ::testing::Test {
protected:
    host_script() : root_(tree_.native()) {
        tree_.folder("left/docs");
        tree_.folder("right/music");
        tree_.file("left/notes.txt", "notes\n");
        tree_.file("right/song.txt", "la\n");
    }

    host_run run(const std::string& keys, const std::string& extra = "") {
        return run_arguments(extra + " --keys '" + keys + "'");
    }

    // run() of a script that must exit with status 0, without host faults,
    // after `dumps` screens; else the test stops there (GoogleTest reports
    // the exception as a failure).
    host_run run_ok(const std::string& keys, size_t dumps, const std::string& extra = "") {
        host_run r = run(keys, extra);
        if (r.status == 0 && r.errors.empty() && r.screens.size() == dumps) return r;
        throw std::runtime_error("'" + keys + "': status " + std::to_string(r.status) + ", " +
                                 std::to_string(r.screens.size()) + " screens, stderr: " + r.errors);
    }

    // The host on two folders of the tree (by default "left" and "right")
    // with `arguments` (a shell's words) before them.
    host_run run_arguments(const std::string& arguments, const std::string& left = "left",
                           const std::string& right = "right") {
        host_run out;
        fs::path errors = root_ / "stderr.txt";
        std::string command = std::string("'") + TOLVIK_HOST_PATH + "' --root '" + root_.string() + "' " +
                              arguments + " '" + (root_ / left).string() + "' '" + (root_ / right).string() +
                              "' 2>'" + errors.string() + "'";
        // Through the shell for its quoting and redirection, on the test's own paths.
        FILE* pipe = popen(command.c_str(), "r");  // NOLINT(cert-env33-c)
        if (!pipe) return out;
        std::string text;
        char buffer[4096];
        while (size_t n = fread(buffer, 1, sizeof buffer, pipe)) text.append(buffer, n);
        int status = pclose(pipe);
        out.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        size_t start = 0;
        for (size_t end; (end = text.find("----\n", start)) != std::string::npos; start = end + 5)
            out.screens.push_back(text.substr(start, end - start));
        out.errors = emu::read_text_file(errors.string()).value_or("");
        return out;
    }

    // The title in the top border of the left panel.
    static std::string left_title(const std::string& screen) {
        std::string first = screen.substr(0, screen.find('\n'));
        size_t open = first.find(" C:");
        return open == std::string::npos ? "" : first.substr(open + 1, first.find(' ', open + 1) - open - 1);
    }

    static std::vector<std::string> rows_of(const std::string& screen) {
        std::vector<std::string> out;
        std::istringstream rows(screen);
        for (std::string row; std::getline(rows, row);) out.push_back(row);
        return out;
    }
    // The first row of a screen that holds `text`, or "".
    static std::string row_with(const std::string& screen, const std::string& text) {
        for (const std::string& row : rows_of(screen))
            if (row.find(text) != std::string::npos) return row;
        return "";
    }

    // Whether `screen` shows `text` (shows) or not (lacks), with the screen
    // in the message of a failure.
    static ::testing::AssertionResult shows(const std::string& screen, const std::string& text) {
        if (screen.find(text) != std::string::npos) return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "no '" << text << "' on:\n" << screen;
    }
    static ::testing::AssertionResult lacks(const std::string& screen, const std::string& text) {
        if (screen.find(text) == std::string::npos) return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "'" << text << "' on:\n" << screen;
    }

    test::test_tree tree_;
    fs::path root_;  // the tree's folder, which the host takes as its root
};

}  // namespace tolvik::tools
