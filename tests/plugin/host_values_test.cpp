// Every number of the host's protocol, written out here once from its
// documentation as literals: the plugin's headers (host/) and the emulator's
// (emulator/host_keys.h) declare them, and the emulated host reads the same
// headers, so a wrong value there passes every other test. Record sizes and
// offsets are asserted beside the records themselves.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "emulator/host_keys.h"
#include "host/constants.h"
#include "host/dialog_items.h"
#include "host/panel_info.h"
#include "host/startup_info.h"
#include "host/windows_values.h"

namespace tolvik::test {
namespace {

// The bytes of a 32-bit value as the host's records hold it (little-endian).
template <typename T>
std::vector<unsigned char> bytes_of(T value) {
    std::vector<unsigned char> out(sizeof value);
    std::memcpy(out.data(), &value, sizeof value);
    return out;
}

// One named number and the value the host documents for it.
struct documented {
    const char* name;
    int64_t declared;
    int64_t expected;
};

void expect_documented(const std::vector<documented>& rows) {
    for (const documented& row : rows)
        EXPECT_EQ(row.declared, row.expected)
            << row.name << ": expected 0x" << std::hex << row.expected << ", got 0x" << row.declared;
}

TEST(host_values, panel_commands_dialog_messages_and_notifications) {
    expect_documented({
        {"cmd_get_active_info", cmd_get_active_info, 1},
        {"cmd_get_passive_info", cmd_get_passive_info, 2},
        {"cmd_redraw", cmd_redraw, 5},
        {"cmd_set_selection", cmd_set_selection, 10},
        {"cmd_set_view_mode", cmd_set_view_mode, 12},
        {"cmd_set_directory", cmd_set_directory, 16},
        {"cmd_set_sort_mode", cmd_set_sort_mode, 19},
        {"cmd_set_sort_order", cmd_set_sort_order, 21},
        {"dm_close", dm_close, 1},
        {"dm_enable_redraw", dm_enable_redraw, 3},
        {"dm_move", dm_move, 10},
        {"dm_set_item", dm_set_item, 12},
        {"dm_redraw", dm_redraw, 14},
        {"dm_list_get_position", dm_list_get_position, 30},
        {"dm_list_set_position", dm_list_set_position, 31},
        {"dm_resize", dm_resize, 43},
        {"dm_list_set", dm_list_set, 53},
        {"dm_list_mouse_reaction", dm_list_mouse_reaction, 54},
        {"dn_close", dn_close, 1},
        {"dn_key", dn_key, 9},
        {"dn_idle", dn_idle, 0x1008},
        {"dn_init", dn_init, 0x100C},
        {"style_warning", style_warning, 1},
    });
}

TEST(host_values, dialog_items) {
    EXPECT_EQ((std::vector<int32_t>{item_text, item_double_box, item_button, item_list_box}),
              (std::vector<int32_t>{0, 3, 7, 11}))
        << "item types";
    EXPECT_EQ(bytes_of(flag_button_centered), (std::vector<unsigned char>{0x00, 0x40, 0x00, 0x00}));
    EXPECT_EQ(bytes_of(flag_list_no_box), (std::vector<unsigned char>{0x00, 0x00, 0x04, 0x00}));
    EXPECT_EQ(bytes_of(flag_hidden), (std::vector<unsigned char>{0x00, 0x00, 0x00, 0x10}));
    EXPECT_EQ(bytes_of(flag_no_focus), (std::vector<unsigned char>{0x00, 0x00, 0x00, 0x40}));
    EXPECT_EQ(bytes_of(list_item_disabled), (std::vector<unsigned char>{0x00, 0x00, 0x08, 0x00}))
        << "a list line's disabled flag";
    EXPECT_EQ(item_text_size, 512);
    EXPECT_EQ(list_text_size, 128);
    EXPECT_EQ(sizeof(FarDialogItem), 548u);
    EXPECT_EQ(sizeof(list_item), 144u);
}

TEST(host_values, panels_and_records) {
    EXPECT_EQ((std::vector<int32_t>{panel_file, panel_tree, panel_quick_view, panel_information}),
              (std::vector<int32_t>{0, 1, 2, 3}))
        << "panel types";
    EXPECT_EQ(bytes_of(item_selected), (std::vector<unsigned char>{0x00, 0x00, 0x00, 0x40}));
    EXPECT_EQ(panel_reverse_order, 4u);
    EXPECT_EQ(max_path, 260);
    EXPECT_EQ((std::vector<size_t>{sizeof(panel_item), sizeof(panel_info), startup_info_size,
                                   standard_functions_size, plugin_info_size}),
              (std::vector<size_t>{366, 496, 372, 228, 44}));
}

TEST(host_values, message_numbers) {
    EXPECT_EQ((std::vector<int32_t>{msg_too_old_title, msg_too_old_text, msg_ok, msg_menu_entry,
                                    msg_list_title, msg_refused_delete, msg_refused_move, msg_refused_clone,
                                    msg_refused_new, msg_warning_line, msg_warning_format, msg_label_file,
                                    msg_label_plugin, msg_label_tree, msg_label_information,
                                    msg_label_quick_view, msg_label_other, message_count}),
              (std::vector<int32_t>{0, 1, 2, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18}));
}

TEST(host_values, keys_and_windows_values) {
    expect_documented({
        {"key::ctrl", key::ctrl, 0x01000000},
        {"key::shift", key::shift, 0x04000000},
        {"key::tab", key::tab, 0x09},
        {"key::enter", key::enter, 0x0D},
        {"key::esc", key::esc, 0x1B},
        {"key::space", key::space, 0x20},
        {"key::letter_r", key::letter_r, 0x52},
        {"key::letter_u", key::letter_u, 0x55},
        {"key::tilde", key::tilde, 0x7E},
        {"key::pg_up", key::pg_up, 0x121},
        {"key::pg_dn", key::pg_dn, 0x122},
        {"key::end", key::end, 0x123},
        {"key::home", key::home, 0x124},
        {"key::left", key::left, 0x125},
        {"key::up", key::up, 0x126},
        {"key::right", key::right, 0x127},
        {"key::down", key::down, 0x128},
        {"key::ins", key::ins, 0x12D},
        {"key::del", key::del, 0x12E},
        {"key::f1", key::f1, 0x170},
        {"key::f3", key::f3, 0x172},
        {"key::f4", key::f4, 0x173},
        {"key::f5", key::f5, 0x174},
        {"key::f10", key::f10, 0x179},
        {"key::wheel_up", key::wheel_up, 0x203},
        {"key::wheel_down", key::wheel_down, 0x204},
        {"key::ctrl_mode_cancel", key::ctrl_mode_cancel, 0x1006},
        {"key::ctrl_tilde", key::ctrl_tilde, 0x0100007E},
        {"key::ctrl_shift_tilde", key::ctrl_shift_tilde, 0x0500007E},
        {"key::ctrl_r", key::ctrl_r, 0x01000052},
        {"key::ctrl_u", key::ctrl_u, 0x01000055},
        {"virtual_key_control", virtual_key_control, 0x11},
        {"file_attribute_directory", file_attribute_directory, 0x10},
        {"file_attribute_archive", file_attribute_archive, 0x20},
        {"file_attribute_normal", file_attribute_normal, 0x80},
        {"invalid_file_attributes", invalid_file_attributes, 0xFFFFFFFF},
        {"key_state_held", key_state_held, 0x8000},
    });
}

}  // namespace
}  // namespace tolvik::test
