// When the panels read their folder, and what a read gives: the commands
// that change nothing shown read nothing, the sorts on folded names keep the
// order the host has always had, and a folder on disk lists its entries'
// kinds, sizes and times.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "emulator/folders.h"
#include "emulator/host.h"
#include "emulator/panel_model.h"
#include "fake_plugin.h"
#include "host/constants.h"
#include "panel_names.h"
#include "support/test_tree.h"

namespace tolvik::test {
using namespace emu;
namespace {

// The tree in memory, counting the folder listings asked of it.
class counting_folders : public folder_source {
public:
    bool list(const std::string& path, std::vector<folder_entry>& out) const override {
        ++lists;
        return tree.list(path, out);
    }
    uint32_t attributes(const std::string& path) const override { return tree.attributes(path); }

    memory_folders tree;
    mutable int lists = 0;
};

class panel_reads : public ::testing::Test {
protected:
    panel_reads() {
        folders.tree.add_file("C:\\big\\b.txt", 30);
        folders.tree.add_file("C:\\big\\a.log", 10);
        folders.tree.add_file("C:\\big\\c.dat", 20);
        folders.tree.add_folder("C:\\other");
        h.attach(fake::exports());
        h.use_folders(&folders);
        h.set_startup_info();
        h.panels().left().set_directory("C:\\big");
        h.panels().right().set_directory("C:\\other");
        folders.lists = 0;
    }
    void TearDown() override { EXPECT_TRUE(h.failures().empty()) << h.report(); }

    int32_t send(int32_t command, int32_t value) { return fake::panel(command, &value); }

    counting_folders folders;
    host h;
};

TEST_F(panel_reads, view_and_sort_commands_on_an_unchanged_listing_read_nothing) {
    // A file that appears now shows only once the folder is read again.
    folders.tree.add_file("C:\\big\\new.txt", 1);
    EXPECT_EQ(send(cmd_set_view_mode, 4), 1);
    EXPECT_EQ(send(cmd_set_sort_mode, sort_modes::by_size), 1);
    EXPECT_EQ(send(cmd_set_sort_order, 1), 1);
    EXPECT_EQ(send(cmd_set_sort_mode, sort_modes::by_size), 1) << "the same mode again";
    EXPECT_EQ(send(cmd_set_sort_order, 1), 1) << "the same order again";
    panel_info info{};
    ASSERT_EQ(fake::panel(cmd_get_active_info, &info), 1);
    EXPECT_EQ(folders.lists, 0) << "expected no folder read, got " << folders.lists;
    EXPECT_EQ(names(h.panels().left()), ".. b.txt c.dat a.log")
        << "the sort mode and order take effect on the listing the panel holds";
    EXPECT_EQ(info.view_mode, 4);
    EXPECT_EQ(info.sort_mode, sort_modes::by_size);
    EXPECT_EQ(info.flags & panel_reverse_order, panel_reverse_order);

    ASSERT_EQ(fake::panel(cmd_set_directory, const_cast<char*>("C:\\big")), 1);
    EXPECT_EQ(folders.lists, 1) << "a directory command reads the folder, once";
    EXPECT_EQ(names(h.panels().left()), ".. b.txt c.dat a.log new.txt");
}

TEST_F(panel_reads, the_host_keys_and_refresh_read_only_when_asked) {
    panel_model& panel = h.panels().left();
    panel.set_cursor(panel.find("c.dat"));
    panel.set_sort_mode(sort_modes::unsorted);
    panel.set_reversed(true);
    panel.view_mode = 1;
    EXPECT_EQ(folders.lists, 0);
    EXPECT_EQ(names(panel), ".. c.dat a.log b.txt");
    EXPECT_EQ(panel.items()[static_cast<size_t>(panel.cursor())].name, "c.dat")
        << "the cursor stays on its item";
    folders.tree.remove("C:\\big\\a.log");
    ASSERT_TRUE(panel.refresh());
    EXPECT_EQ(folders.lists, 1);
    EXPECT_EQ(names(panel), ".. c.dat b.txt");
}

// The host's comparison before names were folded once per entry: both names
// folded character by character on every compare, then compared as they
// are, then the listing order.
bool old_name_order(const panel_entry& a, const panel_entry& b) {
    size_t n = std::min(a.name.size(), b.name.size());
    for (size_t i = 0; i < n; ++i) {
        int x = std::tolower(static_cast<unsigned char>(a.name[i]));
        int y = std::tolower(static_cast<unsigned char>(b.name[i]));
        if (x != y) return x < y;
    }
    if (a.name.size() != b.name.size()) return a.name.size() < b.name.size();
    if (a.name != b.name) return a.name < b.name;
    return a.read_order < b.read_order;
}

TEST(panel_sorting, folded_names_sort_as_the_old_comparison_did_on_tricky_names) {
    const std::vector<std::string> tricky{
        "zeta",  "Zeta",   "ZETA",   "_under", "[bracket", "`tick",     "a",         "A",   "a.",   ".hidden",
        "a.b.C", "a.B.c",  "10",     "9",      "~tilde",   "\xE9t\xE9", "\xC9T\xC9", "abc", "ABCD", "ab c",
        "Ab",    "aB.TXT", "ab.txt", "x.Y",    "X.y",      "noext",     "Z.",        "zz",  "Zz.z", "@at"};
    memory_folders tree;
    for (const std::string& name : tricky) tree.add_file("C:\\t\\" + name);
    tree.add_folder("C:\\t\\Dir");
    tree.add_folder("C:\\t\\dir");
    tree.add_folder("C:\\t\\_d");
    panel_model panel;
    panel.read_from(tree);
    ASSERT_TRUE(panel.set_directory("C:\\t"));

    std::vector<panel_entry> expected;
    for (const panel_entry& e : panel.items())
        if (!e.is_directory()) expected.push_back(e);
    std::sort(expected.begin(), expected.end(), old_name_order);
    std::vector<std::string> sorted;
    for (const panel_entry& e : expected) sorted.push_back(e.name);
    EXPECT_EQ(item_names(panel, true), sorted);
    EXPECT_EQ(names(panel).substr(0, 26), ".. _d Dir dir .hidden 10 9")
        << "folders first, '_' before letters, '.' before digits";

    panel.set_sort_mode(sort_modes::by_extension);
    std::vector<std::string> order = item_names(panel, true);
    // No extension first (".hidden" has none), then by folded extension,
    // then by name within one extension.
    auto at = [&](const std::string& name) {
        return std::find(order.begin(), order.end(), name) - order.begin();
    };
    EXPECT_LT(at(".hidden"), at("a.")) << "a dot at the start is no extension; an empty one sorts first";
    EXPECT_LT(at("a.B.c"), at("a.b.C"))
        << "one extension folded: then by name, which folds equal, then as is";
    EXPECT_LT(at("X.y"), at("x.Y"));
    EXPECT_LT(at("aB.TXT"), at("ab.txt"));
    EXPECT_LT(at("ab.txt"), at("x.Y")) << "txt before y";

    panel.set_sort_mode(sort_modes::by_name);
    panel.set_reversed(true);
    std::reverse(sorted.begin(), sorted.end());
    EXPECT_EQ(item_names(panel, true), sorted) << "reverse order reverses the files";
    EXPECT_EQ(names(panel).substr(0, 12), ".. dir Dir _") << "and the folders, below the parent";
}

#if !defined(_WIN32)
// Links are followed (one metadata call per entry, relative to the folder);
// an entry whose target is gone lists as an empty file of time 0.
TEST(panel_disk_reads, links_are_followed_and_a_broken_link_lists_as_an_empty_file) {
    test::test_tree tree;
    tree.file("d/target.txt", "1234567");
    tree.folder("d/sub");
    std::filesystem::create_symlink(tree.native("d/target.txt"), tree.native("d/link.txt"));
    std::filesystem::create_symlink(tree.native("d/sub"), tree.native("d/dirlink"));
    std::filesystem::create_symlink(tree.native("d/gone"), tree.native("d/broken"));
    panel_model panel;
    ASSERT_TRUE(panel.set_directory(tree.windows("d")));
    EXPECT_EQ(names(panel), ".. dirlink sub broken link.txt target.txt");
    const panel_entry& link = panel.items()[static_cast<size_t>(panel.find("link.txt"))];
    EXPECT_EQ(link.size, 7u);
    EXPECT_EQ(link.attributes, attribute_file);
    const panel_entry& broken = panel.items()[static_cast<size_t>(panel.find("broken"))];
    EXPECT_EQ(broken.attributes, attribute_file);
    EXPECT_EQ(broken.size, 0u);
    EXPECT_EQ(broken.write_time, 0u);
}
#endif

// Whole seconds: wine keeps no finer time when setting it.
TEST(panel_disk_reads, write_times_are_windows_file_times) {
    test::test_tree tree;
    tree.file("t/when.txt", "x");
    // 2020-01-01 00:00:01 UTC.
    auto when = std::chrono::sys_seconds(std::chrono::seconds(1577836801));
    std::filesystem::last_write_time(tree.native("t/when.txt"), std::chrono::file_clock::from_sys(when));
    panel_model panel;
    ASSERT_TRUE(panel.set_directory(tree.windows("t")));
    const panel_entry& entry = panel.items()[static_cast<size_t>(panel.find("when.txt"))];
    EXPECT_EQ(entry.write_time, 132223104010000000ull);
    EXPECT_EQ(entry.size, 1u);
}

}  // namespace
}  // namespace tolvik::test
