// A temporary folder tree that tests map as drive C:, so that Windows paths
// such as "C:\docs" name real folders on both targets: on Linux through
// winshim's drive mapping, under wine through the real drive of the folder.
// Or, made with test_tree::in_memory, the same tree held in memory for a host
// that uses it (host::use_folders(tree.memory())): no disk access at all.
#pragma once

#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <string>
#include <system_error>

#include "emulator/folders.h"

#if !defined(_WIN32)
#include "winshim.h"
#endif

namespace tolvik::test {

class test_tree {
public:
    struct in_memory_tag {};
    static constexpr in_memory_tag in_memory{};

    explicit test_tree(in_memory_tag) : memory_(std::make_unique<emu::memory_folders>()) {
        memory_->add_folder(windows());
    }
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
        if (memory_) return;
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
        std::string path = memory_ ? std::string("C:") : root_.string();
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

    void folder(const std::string& relative) {
        if (memory_)
            memory_->add_folder(windows(relative));
        else
            std::filesystem::create_directories(root_ / relative);
    }
    void file(const std::string& relative, const std::string& text = "x") {
        if (memory_) return memory_->add_file(windows(relative), text.size());
        std::filesystem::create_directories((root_ / relative).parent_path());
        std::ofstream(root_ / relative) << text;
    }
    void remove(const std::string& relative) {
        if (memory_) return memory_->remove(windows(relative));
        std::error_code ignored;
        std::filesystem::remove_all(root_ / relative, ignored);
    }

    // The tree in memory, or null for one on disk.
    emu::memory_folders* memory() { return memory_.get(); }

private:
    std::filesystem::path root_;  // on disk only
    std::unique_ptr<emu::memory_folders> memory_;
};

}  // namespace tolvik::test
