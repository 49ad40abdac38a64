// A temporary folder tree that tests map as drive C:, so that Windows paths
// such as "C:\docs" name real folders on both targets: on Linux through
// winshim's drive mapping, under wine through the real drive of the folder.
#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <system_error>

#if !defined(_WIN32)
#include "winshim.h"
#endif

namespace tolvik::test {

class test_tree {
public:
    test_tree() {
        std::random_device seed;
        auto base = std::filesystem::temp_directory_path();
        root_ = base / ("tolvik-" + std::to_string(seed()) + "-" + std::to_string(seed()));
        std::filesystem::create_directories(root_);
#if !defined(_WIN32)
        winshim_map_drive('C', root_.string().c_str());
#endif
    }
    ~test_tree() {
        std::error_code ignored;
        std::filesystem::remove_all(root_, ignored);
#if !defined(_WIN32)
        winshim_map_drive('C', "/");
#endif
    }
    test_tree(const test_tree&) = delete;
    test_tree& operator=(const test_tree&) = delete;

    // The Windows path of a folder below the root: windows("docs") is
    // "C:\docs" on Linux; under wine the root's own Windows path.
    std::string windows(const std::string& relative = "") const {
#if defined(_WIN32)
        std::string path = root_.string();
#else
        std::string path = "C:";
#endif
        std::string tail = relative;
        for (char& c : tail)
            if (c == '/') c = '\\';
        if (tail.empty()) return path + "\\";
        return path + "\\" + tail;
    }

    std::filesystem::path native(const std::string& relative = "") const { return root_ / relative; }

    void folder(const std::string& relative) { std::filesystem::create_directories(root_ / relative); }
    void file(const std::string& relative, const std::string& text = "x") {
        std::filesystem::create_directories((root_ / relative).parent_path());
        std::ofstream(root_ / relative) << text;
    }
    void remove(const std::string& relative) {
        std::error_code ignored;
        std::filesystem::remove_all(root_ / relative, ignored);
    }

private:
    std::filesystem::path root_;
};

}  // namespace tolvik::test
