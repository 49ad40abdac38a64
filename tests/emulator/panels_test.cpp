// Panels over a real directory tree: listing, sorting, moving around.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "emulator/panel_model.h"
#include "emulator/win_path.h"
#include "panel_names.h"
#include "support/test_tree.h"

namespace tolvik::test {
using namespace emu;
namespace {

class panel_listing : public ::testing::Test {
protected:
    panel_listing() {
        tree.folder("top/zeta");
        tree.folder("top/Alpha");
        tree.file("top/b.txt", "12345");
        tree.file("top/a.log", "1");
        tree.file("top/C.dat", "123");
        auto now = std::filesystem::file_time_type::clock::now();
        std::filesystem::last_write_time(tree.native("top/b.txt"), now - std::chrono::hours(3));
        std::filesystem::last_write_time(tree.native("top/a.log"), now - std::chrono::hours(1));
        std::filesystem::last_write_time(tree.native("top/C.dat"), now - std::chrono::hours(2));
    }
    test::test_tree tree;
    panel_model panel;
};

TEST_F(panel_listing, lists_parent_then_directories_then_files_with_attributes_and_sizes) {
    ASSERT_TRUE(panel.set_directory(tree.windows("top")));
    EXPECT_EQ(panel.directory(), tree.windows("top"));
    EXPECT_EQ(names(panel), ".. Alpha zeta a.log b.txt C.dat");
    EXPECT_EQ(panel.items()[0].attributes, attribute_directory);
    EXPECT_EQ(panel.items()[1].attributes, attribute_directory);
    const panel_entry& b = panel.items()[static_cast<size_t>(panel.find("b.txt"))];
    EXPECT_EQ(b.attributes, attribute_file);
    EXPECT_EQ(b.size, 5u);
    ASSERT_TRUE(panel.set_directory(tree.windows()));
    EXPECT_EQ(names(panel), "top") << "a drive root has no parent entry";
}

TEST_F(panel_listing, sort_modes_keep_directories_first_the_parent_on_top_and_the_cursor_on_its_item) {
    ASSERT_TRUE(panel.set_directory(tree.windows("top")));
    panel.set_cursor(panel.find("b.txt"));
    panel.select_name("a.log", true);
    EXPECT_FALSE(panel.select_name("..", true)) << "the parent entry is never selected";
    panel.set_sort_mode(sort_modes::by_size);
    EXPECT_EQ(names(panel), ".. Alpha zeta a.log C.dat b.txt");
    panel.set_sort_mode(sort_modes::by_extension);
    EXPECT_EQ(names(panel), ".. Alpha zeta C.dat a.log b.txt");
    // Folder times are not settable everywhere: only the files are compared.
    panel.set_sort_mode(sort_modes::by_write_time);
    EXPECT_EQ(names(panel, true), "b.txt C.dat a.log");
    panel.set_reversed(true);
    EXPECT_EQ(names(panel, true), "a.log C.dat b.txt");
    EXPECT_EQ(panel.items()[0].name, "..");
    EXPECT_TRUE(panel.items()[1].is_directory() && panel.items()[2].is_directory());
    panel.set_sort_mode(sort_modes::by_name);
    EXPECT_EQ(names(panel), ".. zeta Alpha C.dat b.txt a.log");
    EXPECT_EQ(panel.sort_mode(), sort_modes::by_name);
    EXPECT_TRUE(panel.reversed());
    EXPECT_EQ(panel.items()[static_cast<size_t>(panel.cursor())].name, "b.txt")
        << "the cursor stays on its item";
    EXPECT_EQ(panel.selected_names(), std::vector<std::string>{"a.log"}) << "and so does the selection";
    panel.set_sort_mode(99);
    EXPECT_EQ(panel.sort_mode(), 99) << "an unknown mode is kept and reported back";
    EXPECT_EQ(names(panel), ".. zeta Alpha C.dat b.txt a.log") << "and sorts by name";
}

TEST_F(panel_listing, relative_paths_entering_and_a_missing_directory_that_leaves_the_panel_alone) {
    ASSERT_TRUE(panel.set_directory(tree.windows("top")));
    size_t before = panel.size();
    EXPECT_FALSE(panel.set_directory(tree.windows("nowhere")));
    EXPECT_FALSE(panel.set_directory(tree.windows("top\\b.txt"))) << "a file is no directory";
    EXPECT_FALSE(panel.set_directory("")) << "an empty path resolves to nothing";
    EXPECT_EQ(panel.directory(), tree.windows("top"));
    EXPECT_EQ(panel.size(), before);

    ASSERT_TRUE(panel.set_directory("zeta"));
    EXPECT_EQ(panel.directory(), tree.windows("top\\zeta"));
    EXPECT_EQ(names(panel), "..");
    ASSERT_TRUE(panel.enter()) << "the cursor is on ..";
    EXPECT_EQ(panel.directory(), tree.windows("top"));
    EXPECT_EQ(panel.items()[static_cast<size_t>(panel.cursor())].name, "zeta")
        << "the cursor is on the folder left";
    panel.set_cursor(panel.find("b.txt"));
    EXPECT_FALSE(panel.enter()) << "a file cannot be entered";
}

TEST_F(panel_listing, refresh_sees_new_files_and_keeps_selection_by_name) {
    ASSERT_TRUE(panel.set_directory(tree.windows("top")));
    panel.select_name("C.dat", true);
    tree.file("top/new.txt");
    tree.remove("top/a.log");
    ASSERT_TRUE(panel.refresh());
    EXPECT_EQ(names(panel), ".. Alpha zeta b.txt C.dat new.txt");
    EXPECT_EQ(panel.selected_names(), std::vector<std::string>{"C.dat"});
    tree.remove("top");
    EXPECT_FALSE(panel.refresh()) << "a directory that is gone cannot be re-read";
    EXPECT_EQ(panel.size(), 6u) << "the panel keeps its items";
}

TEST_F(panel_listing, cursor_moves_are_clamped_and_keep_the_cursor_visible) {
    ASSERT_TRUE(panel.set_directory(tree.windows("top")));
    panel.rect = panel_rect{0, 0, 39, 6};  // 3 visible lines
    ASSERT_EQ(panel.visible_lines(), 3);
    panel.move_cursor(4);
    EXPECT_EQ(panel.cursor(), 4);
    EXPECT_EQ(panel.top(), 2);
    panel.move_cursor(100);
    EXPECT_EQ(panel.cursor(), 5);
    panel.move_cursor(-100);
    EXPECT_EQ(panel.cursor(), 0);
    EXPECT_EQ(panel.top(), 0);
    panel.set_cursor(-3);
    EXPECT_EQ(panel.cursor(), 0);
    panel.set_top(1000);
    EXPECT_EQ(panel.top(), 5);
}

TEST(win_path, resolves_relative_parts_and_keeps_the_drive_case) {
    EXPECT_EQ(win_path::resolve("C:\\a\\b\\..\\.\\c\\\\"), "C:\\a\\c");
    EXPECT_EQ(win_path::resolve("c:/x/y"), "c:\\x\\y");
    EXPECT_EQ(win_path::resolve("..\\..\\..", "C:\\a\\b"), "C:\\");
    EXPECT_EQ(win_path::resolve("sub", "D:\\"), "D:\\sub");
    EXPECT_EQ(win_path::resolve("sub"), "") << "relative with no base";
    EXPECT_EQ(win_path::resolve("C:dir\\x"), "C:\\dir\\x") << "drive-relative counts from the root";
    EXPECT_EQ(win_path::resolve("C:\\..\\..\\x\\..\\y"), "C:\\y") << "no part above the root";
    EXPECT_EQ(win_path::resolve("../c/./d", "C:/a//b\\"), "C:\\a\\c\\d") << "the base is resolved too";
    EXPECT_EQ(win_path::resolve("..", "C:\\ab\\c"), "C:\\ab") << "the last part goes whole";
    EXPECT_TRUE(win_path::is_root("C:\\"));
    EXPECT_FALSE(win_path::is_root("C:\\a"));
    EXPECT_EQ(win_path::parent("C:\\a\\b"), "C:\\a");
    EXPECT_EQ(win_path::parent("C:\\a"), "C:\\");
    EXPECT_EQ(win_path::leaf("C:\\a\\b"), "b");
}

TEST(win_path, from_native_names_an_existing_folder_by_its_drive_path) {
    test::test_tree tree;
    tree.folder("docs/sub");
    EXPECT_EQ(win_path::from_native(tree.native("docs/sub").string()), tree.windows("docs\\sub"));
    EXPECT_EQ(win_path::from_native(tree.native().string()), tree.windows());
    EXPECT_EQ(win_path::from_native(tree.native("docs/../docs").string()), tree.windows("docs"));
    EXPECT_EQ(win_path::from_native(tree.native("missing").string()), "") << "only existing folders";
#if !defined(_WIN32)
    EXPECT_EQ(win_path::from_native("/"), "") << "a folder outside the folder of C: has no drive path";
    winshim_map_drive('C', "/");
    std::string expected = "C:\\" + std::filesystem::canonical(tree.native("docs")).relative_path().string();
    for (char& c : expected)
        if (c == '/') c = '\\';
    EXPECT_EQ(win_path::from_native(tree.native("docs").string()), expected)
        << "with C: at / every folder is on C:";
#endif
}

}  // namespace
}  // namespace tolvik::test
