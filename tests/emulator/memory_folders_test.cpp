// The folder tree in memory: what it lists and answers, and a host that uses
// it for its panels and for the plugin's GetFileAttributesA.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/windows_calls.h"
#include "emulator/folders.h"
#include "emulator/host.h"
#include "emulator/panel_model.h"
#include "panel_names.h"
#include "support/test_tree.h"

namespace tolvik::emu {
namespace {

std::string listing(const folder_source& source, const std::string& path) {
    std::vector<folder_entry> entries{{"poison", 0xDEAD, 7, 7}};
    if (!source.list(path, entries)) return "(no folder)";
    std::string out;
    for (const folder_entry& e : entries)
        out += (out.empty() ? "" : " ") + e.name + (e.attributes == attribute_directory ? "/" : "");
    return out;
}

using test::names;

TEST(memory_folders, lists_in_the_order_added_and_creates_missing_parents) {
    memory_folders tree;
    tree.add_file("C:\\top\\b.txt", 5);
    tree.add_folder("C:\\top\\sub\\deep");
    tree.add_file("C:/top/a.log");
    EXPECT_EQ(listing(tree, "C:\\"), "top/");
    EXPECT_EQ(listing(tree, "C:\\top"), "b.txt sub/ a.log");
    EXPECT_EQ(listing(tree, "C:\\top\\sub"), "deep/");
    EXPECT_EQ(listing(tree, "C:\\top\\b.txt"), "(no folder)") << "a file is not listed as a folder";
    EXPECT_EQ(listing(tree, "D:\\"), "(no folder)");
    EXPECT_EQ(tree.attributes("C:\\top"), attribute_directory);
    EXPECT_EQ(tree.attributes("C:\\"), attribute_directory);
    EXPECT_EQ(tree.attributes("C:\\top\\b.txt"), attribute_file);
    EXPECT_EQ(tree.attributes("C:\\top\\c.txt"), attributes_missing);
    EXPECT_EQ(tree.attributes("C:\\TOP"), attributes_missing) << "names compare exactly, as winshim's do";
    EXPECT_EQ(tree.add_folder("relative"), "") << "only drive paths";
}

TEST(memory_folders, remove_takes_the_folder_and_everything_below_but_not_its_neighbours) {
    memory_folders tree;
    tree.add_folder("C:\\a\\x");
    tree.add_folder("C:\\a x");  // sorts between "C:\a" and "C:\a\x"
    tree.add_folder("C:\\ab");
    tree.add_file("C:\\a\\x\\f.txt");
    uint64_t before = tree.changes();
    tree.remove("C:\\a");
    EXPECT_GT(tree.changes(), before);
    EXPECT_EQ(listing(tree, "C:\\"), "a x/ ab/");
    EXPECT_EQ(tree.attributes("C:\\a\\x"), attributes_missing);
    EXPECT_EQ(tree.attributes("C:\\a\\x\\f.txt"), attributes_missing);
    tree.remove("C:\\");
    EXPECT_EQ(tree.attributes("C:\\"), attribute_directory) << "a root stays";
    tree.add_folder("C:\\a\\x");
    EXPECT_EQ(listing(tree, "C:\\a\\x"), "") << "a folder made again is empty";
}

TEST(memory_folders, adding_again_replaces_the_file_or_folder_of_that_name) {
    memory_folders tree;
    tree.add_file("C:\\d\\one.txt", 1);
    tree.add_file("C:\\d\\two.txt", 2);
    tree.add_file("C:\\d\\one.txt", 9);
    EXPECT_EQ(listing(tree, "C:\\d"), "two.txt one.txt") << "once, listed where it was added last";
    std::vector<folder_entry> entries;
    ASSERT_TRUE(tree.list("C:\\d", entries));
    EXPECT_EQ(entries[1].size, 9u);
    tree.add_file("C:\\d\\sub\\deep\\f.txt");
    tree.add_folder("C:\\d sub");
    tree.add_file("C:\\d\\sub");
    EXPECT_EQ(listing(tree, "C:\\d"), "two.txt one.txt sub") << "the folder became a file";
    EXPECT_EQ(tree.attributes("C:\\d\\sub\\deep\\f.txt"), attributes_missing) << "with nothing below it";
    EXPECT_EQ(listing(tree, "C:\\"), "d/ d sub/") << "a neighbour that sorts between stays";
    tree.add_folder("C:\\d\\two.txt");
    EXPECT_EQ(listing(tree, "C:\\d"), "two.txt/ one.txt sub") << "the file became a folder in its place";
}

TEST(memory_folders, a_panel_lists_and_sorts_it_as_it_does_the_disk) {
    test::test_tree disk;
    test::test_tree memory(test::test_tree::in_memory);
    for (test::test_tree* tree : {&disk, &memory}) {
        tree->folder("top/zeta");
        tree->folder("top/Alpha");
        tree->file("top/b.txt", "12345");
        tree->file("top/a.log", "1");
    }
    panel_model from_disk;
    panel_model from_memory;
    from_memory.read_from(*memory.memory());
    ASSERT_TRUE(from_disk.set_directory(disk.windows("top")));
    ASSERT_TRUE(from_memory.set_directory("C:\\top"));
    EXPECT_EQ(names(from_memory), names(from_disk));
    from_memory.set_sort_mode(sort_modes::by_size);
    EXPECT_EQ(names(from_memory), ".. Alpha zeta a.log b.txt");
    memory.remove("top/zeta");
    ASSERT_TRUE(from_memory.refresh());
    EXPECT_EQ(names(from_memory), ".. Alpha a.log b.txt");
    EXPECT_FALSE(from_memory.set_directory("C:\\top\\zeta")) << "a removed folder";
}

TEST(memory_folders, a_host_answers_the_plugins_file_attributes_from_it_while_it_uses_it) {
    test::test_tree memory(test::test_tree::in_memory);
    memory.folder("only/in/memory");
    memory.file("only/f.txt");
    {
        host h;
        h.redirect_own_imports();
        h.use_folders(memory.memory());
        EXPECT_EQ(file_attributes("C:\\only\\in\\memory"), attribute_directory);
        EXPECT_EQ(file_attributes("C:\\only\\in\\memory\\"), attribute_directory);
        EXPECT_EQ(file_attributes("C:\\only\\f.txt"), attribute_file);
        EXPECT_EQ(file_attributes("C:\\only\\g.txt"), invalid_file_attributes);
        EXPECT_EQ(file_attributes("only"), invalid_file_attributes) << "a relative path";
        ASSERT_TRUE(h.panels().left().set_directory("C:\\only"));
        EXPECT_EQ(names(h.panels().left()), ".. in f.txt");
    }
    EXPECT_EQ(file_attributes("C:\\only\\in\\memory"), invalid_file_attributes)
        << "the disk again once the host is gone";
}

}  // namespace
}  // namespace tolvik::emu
