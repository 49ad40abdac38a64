// Applying a snapshot: the host's command sequences and the selection rules,
// as the emulated host sees them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "base/memory.h"
#include "emulator/call_log.h"
#include "records.h"
#include "view_fixture.h"

namespace tolvik::test {
namespace {

using emu::service::panel_control;
using strings = std::vector<std::string>;

class applying : public view_fixture {
protected:
    std::vector<emu::call_entry> panel_calls() { return host.log().calls_to(panel_control); }
};

TEST_F(applying, valid_view_restores_directory_modes_selection_and_position) {
    for (const char* name : {"a.txt", "b.txt", "c.txt", "d.txt"}) tree.file(std::string("left/") + name);
    start_without_registry();
    emu::panel_model& panel = host.panels().active();
    panel.set_directory(tree.windows("left"));
    panel.view_mode = 3;
    panel.set_sort_mode(emu::sort_modes::by_size);
    panel.set_reversed(true);
    panel.select_name("b.txt", true);
    panel.select_name("d.txt", true);
    panel.set_cursor(3);
    panel.set_top(1);
    file_panel_view* v = adopt(capture_active_panel());

    panel.set_directory(tree.windows("right"));
    panel.view_mode = 1;
    panel.set_sort_mode(emu::sort_modes::by_name);
    panel.set_reversed(false);
    host.log().clear();
    v->apply();

    EXPECT_EQ(commands(), (std::vector<int32_t>{16, 12, 19, 21, 1, 10, 5, 21})) << host.report();
    auto calls = panel_calls();
    ASSERT_EQ(calls.size(), 8u);
    EXPECT_EQ(calls[0].texts, strings{tree.windows("left")});
    EXPECT_EQ(calls[1].values, std::vector<int32_t>{3});
    EXPECT_EQ(calls[2].values, std::vector<int32_t>{emu::sort_modes::by_size});
    EXPECT_EQ(calls[3].values, std::vector<int32_t>{1});
    EXPECT_EQ(calls[6].values, (std::vector<int32_t>{3, 1})) << "expected the stored cursor and top line";
    EXPECT_EQ(calls[7].values, std::vector<int32_t>{1});
    EXPECT_EQ(panel.directory(), tree.windows("left"));
    strings selected = panel.selected_names();
    std::sort(selected.begin(), selected.end());  // listed in reverse order
    EXPECT_EQ(selected, (strings{"b.txt", "d.txt"}));
    EXPECT_EQ(panel.view_mode, 3);
    EXPECT_TRUE(panel.reversed());
}

// A folder that is gone, or that is there but the host cannot enter (it
// answers 0 to command 16 and its panel stays in "right", which holds an
// a.txt too): the view goes to the fallback, without its selection.
TEST_F(applying, a_view_whose_folder_cannot_be_shown_goes_to_the_fallback_without_selection) {
    tree.file("right/a.txt");
    start_without_registry();
    const struct {
        const char* what;
        bool barred;
        std::vector<int32_t> commands;
    } losses[] = {
        {"gone", false, {16, 12, 19, 21, 5, 21}},
        {"barred", true, {16, 12, 19, 21, 1, 16, 12, 19, 21, 5, 21}},
    };
    for (const auto& l : losses) {
        SCOPED_TRACE(l.what);
        tree.file("lost/a.txt");
        host.panels().active().set_directory(tree.windows("lost"));
        host.panels().active().select_name("a.txt", true);
        file_panel_view* v = adopt(capture_active_panel());
        host.panels().active().set_directory(tree.windows("right"));
        if (l.barred)
            host.barred().bar(tree.windows("lost"));
        else
            tree.remove("lost");
        v->refresh_validity();
        ASSERT_EQ(v->is_valid(), l.barred) << "a barred folder still tests as a folder";
        host.log().clear();
        v->apply();

        EXPECT_EQ(commands(), l.commands) << host.report();
        auto calls = panel_calls();
        ASSERT_EQ(calls.size(), l.commands.size());
        EXPECT_EQ(calls[calls.size() - 6].texts, strings{"C:\\"});
        EXPECT_TRUE(calls[calls.size() - 2].values.empty()) << "expected command 5 with null";
        EXPECT_TRUE(host.panels().active().selected_names().empty());
        EXPECT_FALSE(v->is_valid());
        host.barred().free_all();
    }
}

// The host never lists two items of one name; a tampered record does.
TEST_F(applying, selection_marks_only_the_first_of_two_equal_names) {
    tree.file("dup/x.txt");
    tree.file("dup/y.txt");
    start_without_registry();
    record_builder record(tree.windows("dup"));
    record.item("x.txt", true);
    file_panel_view* v = adopt(file_panel_view::create(record.info()));
    host.panels().tamper = [](panel_info& info) {
        ASSERT_EQ(info.item_count, 3);  // "..", x.txt, y.txt
        std::strcpy(info.items[2].file_name, "x.txt");
    };
    for (long fail : {0L, 1L}) {  // with the name index, and without its memory
        host.log().clear();
        memory::fail_allocation(fail);
        v->apply();
        memory::fail_allocation(0);
        auto calls = panel_calls();
        ASSERT_EQ(calls.size(), 8u);
        EXPECT_EQ(calls[5].values, std::vector<int32_t>{1}) << "failing allocation " << fail;
    }
}

// Regression: the index and the linear search must agree on every name.
// Names match byte for byte: F5.DAT does not select f5.dat.
TEST_F(applying, index_and_linear_search_select_the_same_items) {
    std::vector<std::string> expected;
    record_builder record(tree.windows("many"));
    for (int i = 0; i < 300; ++i) {
        std::string name = "f" + std::to_string(i) + ".dat";
        tree.file("many/" + name);
        const bool selected = i % 3 == 0;
        record.item(name, selected);
        if (selected) expected.push_back(name);
        if (i % 7 == 0) record.item("missing" + std::to_string(i), true);
        if (i % 5 == 0) record.item("F" + std::to_string(i) + ".DAT", true);
    }
    start_without_registry();
    file_panel_view* v = adopt(file_panel_view::create(record.info()));
    for (long fail : {0L, 1L}) {
        host.panels().active().set_directory(tree.windows("right"));
        memory::fail_allocation(fail);
        v->apply();
        memory::fail_allocation(0);
        strings got = host.panels().active().selected_names();
        std::sort(got.begin(), got.end());
        strings want = expected;
        std::sort(want.begin(), want.end());
        EXPECT_EQ(got, want) << "failing allocation " << fail;
    }
}

}  // namespace
}  // namespace tolvik::test
