// Panel control commands as the plugin sends them through the startup record.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "emulator/host.h"
#include "fake_plugin.h"
#include "host/constants.h"
#include "support/test_tree.h"

namespace tolvik::test {
using namespace emu;
namespace {

class panel_commands : public ::testing::Test {
protected:
    panel_commands() {
        tree.file("left/one.txt");
        tree.file("left/two.txt");
        tree.file("left/three.txt");
        tree.folder("right/sub");
        h.attach(fake::exports());
        h.set_startup_info();
        h.panels().left().set_directory(tree.windows("left"));
        h.panels().right().set_directory(tree.windows("right"));
    }
    void TearDown() override { EXPECT_TRUE(h.failures().empty()) << h.report(); }

    panel_info poisoned() {
        panel_info info;
        std::memset(&info, 0x5C, sizeof info);
        return info;
    }

    test::test_tree tree;
    host h;
};

TEST_F(panel_commands, commands_1_and_2_fill_the_whole_record_from_each_panel) {
    panel_info active = poisoned();
    ASSERT_EQ(fake::panel(cmd_get_active_info, &active), 1);
    EXPECT_EQ(std::string(active.current_dir), tree.windows("left"));
    EXPECT_EQ(active.panel_type, panel_file);
    EXPECT_EQ(active.plugin, 0);
    EXPECT_EQ(active.rect.left, 0);
    EXPECT_EQ(active.rect.right, 39);
    ASSERT_EQ(active.item_count, 4);
    EXPECT_STREQ(active.items[0].file_name, "..");
    EXPECT_STREQ(active.items[1].file_name, "one.txt");
    EXPECT_EQ(active.items[1].description, nullptr);
    EXPECT_EQ(active.sort_mode, sort_modes::by_name);
    EXPECT_EQ(active.flags, 0u);
    const auto* bytes = reinterpret_cast<const unsigned char*>(&active);
    for (size_t at : {32u, 36u, 48u, 52u, 60u, 219u, 480u, 492u})
        EXPECT_EQ(bytes[at], 0) << "byte " << at << " was left as the caller passed it";
    for (size_t at = 220 + tree.windows("left").size(); at < 480; ++at)
        ASSERT_EQ(bytes[at], 0) << "directory tail byte " << at;

    EXPECT_EQ(h.panels().handed_out(), active.items);

    panel_info passive = poisoned();
    ASSERT_EQ(fake::panel(cmd_get_passive_info, &passive), 1);
    EXPECT_NE(h.panels().handed_out(), active.items) << "each command replaces the host-owned item array";
    EXPECT_EQ(h.panels().handouts(), 2);
    EXPECT_EQ(std::string(passive.current_dir), tree.windows("right"));
    EXPECT_EQ(passive.rect.left, 40);
    EXPECT_EQ(passive.rect.right, 79);
    EXPECT_EQ(h.log().panel_commands(), (std::vector<int32_t>{1, 2}));
}

TEST_F(panel_commands, command_10_takes_the_selection_by_index_from_the_last_command_1) {
    panel_info info{};
    fake::panel(cmd_get_active_info, &info);
    info.items[1].flags |= item_selected;  // one.txt
    info.items[2].flags |= item_selected;  // three.txt
    info.items[0].flags |= item_selected;  // "..": never selected
    ASSERT_EQ(fake::panel(cmd_set_selection, &info), 1);
    EXPECT_EQ(h.panels().left().selected_names(), (std::vector<std::string>{"one.txt", "three.txt"}));
    EXPECT_EQ(h.log().last(service::panel_control)->values, (std::vector<int32_t>{0, 1, 2}));

    // An array the host did not hand out (a plugin's own copy) is refused.
    std::vector<panel_item> copy(info.items, info.items + info.item_count);
    for (panel_item& item : copy) item.flags = 0;
    info.items = copy.data();
    EXPECT_EQ(fake::panel(cmd_set_selection, &info), 0);
    ASSERT_EQ(h.failures().size(), 1u) << h.report();
    EXPECT_EQ(h.panels().left().selected_names().size(), 2u) << "the selection stays";
    h.clear_failures();
}

TEST_F(panel_commands, command_16_moves_the_active_panel_only_to_an_existing_directory) {
    std::string target = tree.windows("right\\sub");
    EXPECT_EQ(fake::panel(cmd_set_directory, target.data()), 1);
    EXPECT_EQ(h.panels().left().directory(), target);
    EXPECT_EQ(h.log().last(service::panel_control)->texts, std::vector<std::string>{target});
    std::string missing = tree.windows("nowhere");
    EXPECT_EQ(fake::panel(cmd_set_directory, missing.data()), 0);
    EXPECT_EQ(h.panels().left().directory(), target);
    EXPECT_EQ(h.panels().right().directory(), tree.windows("right")) << "the passive panel stays";
    h.barred().bar(tree.windows("right"));
    std::string barred = tree.windows("right");
    EXPECT_EQ(fake::panel(cmd_set_directory, barred.data()), 0) << "a barred folder cannot be entered";
    EXPECT_EQ(h.panels().left().directory(), target);
    EXPECT_EQ(h.barred().attributes(barred), attribute_directory) << "it still tests as a folder";
    panel_info info{};
    fake::panel(cmd_get_active_info, &info);
    EXPECT_EQ(info.item_count, 1) << "command 1 reports the new directory's items";
}

TEST_F(panel_commands, modes_order_and_redraw_act_on_the_active_panel) {
    h.panels().set_active(side::right);
    int32_t mode = 5, sort = sort_modes::by_size, reverse = 1;
    fake::panel(cmd_set_view_mode, &mode);
    fake::panel(cmd_set_sort_mode, &sort);
    fake::panel(cmd_set_sort_order, &reverse);
    EXPECT_EQ(h.panels().right().view_mode, 5);
    EXPECT_EQ(h.panels().right().sort_mode(), sort_modes::by_size);
    EXPECT_TRUE(h.panels().right().reversed());
    EXPECT_EQ(h.panels().left().view_mode, 2) << "the passive panel keeps its mode";
    EXPECT_EQ(h.log().last(service::panel_control)->values, std::vector<int32_t>{1});

    h.panels().set_active(side::left);
    panel_redraw redraw{2, 1};
    fake::panel(cmd_redraw, &redraw);
    EXPECT_EQ(h.panels().left().cursor(), 2);
    EXPECT_EQ(h.panels().left().top(), 1);
    EXPECT_EQ(h.log().last(service::panel_control)->values, (std::vector<int32_t>{2, 1}));
    fake::panel(cmd_redraw, nullptr);
    EXPECT_EQ(h.panels().left().cursor(), 2) << "null keeps the cursor";
    redraw = {100, -4};
    fake::panel(cmd_redraw, &redraw);
    EXPECT_EQ(h.panels().left().cursor(), 3) << "clamped to the last item";
    EXPECT_EQ(h.panels().left().top(), 0);

    // A host that refuses a mode answers 0 and keeps its own.
    h.panels().set_active(side::right);
    h.panels().refused_commands = {cmd_set_view_mode, cmd_set_sort_mode, cmd_set_sort_order};
    mode = 1, sort = sort_modes::by_name, reverse = 0;
    EXPECT_EQ(fake::panel(cmd_set_view_mode, &mode), 0);
    EXPECT_EQ(fake::panel(cmd_set_sort_mode, &sort), 0);
    EXPECT_EQ(fake::panel(cmd_set_sort_order, &reverse), 0);
    EXPECT_EQ(h.panels().right().view_mode, 5);
    EXPECT_EQ(h.panels().right().sort_mode(), sort_modes::by_size);
    EXPECT_TRUE(h.panels().right().reversed());
}

TEST_F(panel_commands, bad_commands_parameters_and_handles_are_host_failures) {
    EXPECT_EQ(fake::panel(7, nullptr), 0);
    EXPECT_EQ(fake::panel(cmd_get_active_info, nullptr), 0);
    EXPECT_EQ(fake::panel(cmd_set_directory, nullptr), 0);
    int32_t mode = 1;
    fake::record->panel_control(nullptr, cmd_set_view_mode, &mode);
    EXPECT_EQ(h.failures().size(), 4u) << h.report();
    h.clear_failures();
}

TEST_F(panel_commands, tamper_hook_changes_the_record_after_filling) {
    h.panels().tamper = [](panel_info& info) {
        info.items = nullptr;
        info.item_count = 3;
        std::memset(info.current_dir, 'x', sizeof info.current_dir);
    };
    panel_info info{};
    fake::panel(cmd_get_active_info, &info);
    EXPECT_EQ(info.items, nullptr);
    EXPECT_EQ(info.current_dir[259], 'x') << "the directory is left unterminated";
    EXPECT_EQ(fake::panel(cmd_set_selection, &info), 0);
    EXPECT_TRUE(h.failures().empty()) << "a tampered record sent back is not the plugin's fault";
}

TEST_F(panel_commands, descriptions_owners_and_custom_columns_reach_the_items) {
    panel_model& left = h.panels().left();
    left.set_description("two.txt", "second");
    left.set_owner("two.txt", "bob");
    left.set_custom_columns("two.txt", {"c1", "c2"});
    panel_info info{};
    fake::panel(cmd_get_active_info, &info);
    const panel_item& two = info.items[left.find("two.txt")];
    ASSERT_NE(two.description, nullptr);
    EXPECT_STREQ(two.description, "second");
    ASSERT_NE(two.owner, nullptr);
    EXPECT_STREQ(two.owner, "bob");
    ASSERT_EQ(two.custom_column_count, 2);
    EXPECT_STREQ(two.custom_column_data[1], "c2");
    EXPECT_EQ(info.items[1].owner, nullptr) << "one.txt has no owner set";
}

}  // namespace
}  // namespace tolvik::test
