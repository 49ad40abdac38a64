// A temporary folder tree at the root of a drive, so that Windows paths such
// as "C:\docs" name real folders on both targets. On Linux the tree is a
// fresh folder that winshim maps as drive C:. Under wine it is the whole of
// drive TOLVIK_TEST_DRIVE, which the tests' wine set-up maps in the prefix
// (dosdevices) to a folder of the build: paths then read "T:\docs", as long
// as on Linux. At most one tree on disk lives at a time in a test program.
// Or, made with test_tree::in_memory, the same tree held in memory at C: for
// a host that uses it (host::use_folders(tree.memory())): no disk access at
// all.
#pragma once

#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <stdexcept>
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
#if defined(_WIN32)
    test_tree() : root_(std::string(1, TOLVIK_TEST_DRIVE[0]) + ":\\") {
        std::error_code error;
        if (!std::filesystem::is_directory(root_, error))
            throw std::runtime_error("drive " + root_.string() +
                                     " is not mapped: run the tests with ctest --preset win32");
        empty();
    }
    ~test_tree() {
        if (!memory_) empty();
    }
#else
    test_tree() {
        std::random_device seed;
        auto base = std::filesystem::temp_directory_path();
        root_ = base / ("tolvik-" + std::to_string(seed()) + "-" + std::to_string(seed()));
        std::filesystem::create_directories(root_);
        winshim_map_drive('C', root_.string().c_str());
    }
    ~test_tree() {
        if (memory_) return;
        std::error_code ignored;
        std::filesystem::remove_all(root_, ignored);
        winshim_map_drive('C', "/");
    }
#endif
    test_tree(const test_tree&) = delete;
    test_tree& operator=(const test_tree&) = delete;

    // The tree's drive letter: 'C' on Linux and in memory, TOLVIK_TEST_DRIVE
    // on disk under wine.
    char drive() const {
#if defined(_WIN32)
        return memory_ ? 'C' : TOLVIK_TEST_DRIVE[0];
#else
        return 'C';
#endif
    }

    // The Windows path of a folder below the root: windows("docs") is
    // "C:\docs" on Linux, "T:\docs" on disk under wine.
    std::string windows(const std::string& relative = "") const {
        std::string tail = relative;
        for (char& c : tail)
            if (c == '/') c = '\\';
        return std::string(1, drive()) + ":\\" + tail;
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

#if defined(_WIN32)
    // The drive's folder belongs to the tests: what a test left is removed.
    void empty() {
        std::error_code ignored;
        for (const auto& entry : std::filesystem::directory_iterator(root_, ignored))
            std::filesystem::remove_all(entry.path(), ignored);
    }
#endif
};

}  // namespace tolvik::test
