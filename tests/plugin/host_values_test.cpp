// Every number of the host's protocol, written out here once from its
// documentation as literals: the plugin's headers (host/) and the emulator's
// (emulator/host_keys.h) declare them, and the emulated host reads the same
// headers, so a wrong value there passes every other test. Record sizes,
// offsets and the text fields' sizes are asserted beside the records.
#include <gtest/gtest.h>

#include <cstdint>

#include "emulator/host_keys.h"
#include "host/constants.h"
#include "host/dialog_items.h"
#include "host/panel_info.h"
#include "host/windows_values.h"

namespace tolvik::test {
namespace {

// One named number and the value the host documents for it.
struct documented {
    const char* name;
    int64_t declared;
    int64_t expected;
};
#define TOLVIK_DOCUMENTED(name, value) \
    { #name, name, value }

TEST(host_values, are_the_documented_ones) {
    const documented rows[] = {
        TOLVIK_DOCUMENTED(cmd_get_active_info, 0x01),
        TOLVIK_DOCUMENTED(cmd_get_passive_info, 0x02),
        TOLVIK_DOCUMENTED(cmd_redraw, 0x05),
        TOLVIK_DOCUMENTED(cmd_set_selection, 0x0A),
        TOLVIK_DOCUMENTED(cmd_set_view_mode, 0x0C),
        TOLVIK_DOCUMENTED(cmd_set_directory, 0x10),
        TOLVIK_DOCUMENTED(cmd_set_sort_mode, 0x13),
        TOLVIK_DOCUMENTED(cmd_set_sort_order, 0x15),
        TOLVIK_DOCUMENTED(dm_close, 0x01),
        TOLVIK_DOCUMENTED(dm_enable_redraw, 0x03),
        TOLVIK_DOCUMENTED(dm_move, 0x0A),
        TOLVIK_DOCUMENTED(dm_set_item, 0x0C),
        TOLVIK_DOCUMENTED(dm_redraw, 0x0E),
        TOLVIK_DOCUMENTED(dm_list_get_position, 0x1E),
        TOLVIK_DOCUMENTED(dm_list_set_position, 0x1F),
        TOLVIK_DOCUMENTED(dm_resize, 0x2B),
        TOLVIK_DOCUMENTED(dm_list_set, 0x35),
        TOLVIK_DOCUMENTED(dm_list_mouse_reaction, 0x36),
        TOLVIK_DOCUMENTED(dn_close, 0x01),
        TOLVIK_DOCUMENTED(dn_key, 0x09),
        TOLVIK_DOCUMENTED(dn_idle, 0x1008),
        TOLVIK_DOCUMENTED(dn_init, 0x100C),
        TOLVIK_DOCUMENTED(style_warning, 0x01),
        TOLVIK_DOCUMENTED(item_text, 0x00),
        TOLVIK_DOCUMENTED(item_double_box, 0x03),
        TOLVIK_DOCUMENTED(item_button, 0x07),
        TOLVIK_DOCUMENTED(item_list_box, 0x0B),
        TOLVIK_DOCUMENTED(flag_button_centered, 0x00004000),
        TOLVIK_DOCUMENTED(flag_list_no_box, 0x00040000),
        TOLVIK_DOCUMENTED(flag_hidden, 0x10000000),
        TOLVIK_DOCUMENTED(flag_no_focus, 0x40000000),
        TOLVIK_DOCUMENTED(list_item_disabled, 0x00080000),
        TOLVIK_DOCUMENTED(panel_file, 0x00),
        TOLVIK_DOCUMENTED(panel_tree, 0x01),
        TOLVIK_DOCUMENTED(panel_quick_view, 0x02),
        TOLVIK_DOCUMENTED(panel_information, 0x03),
        TOLVIK_DOCUMENTED(item_selected, 0x40000000),
        TOLVIK_DOCUMENTED(panel_reverse_order, 0x04),
        TOLVIK_DOCUMENTED(msg_too_old_title, 0x00),
        TOLVIK_DOCUMENTED(msg_too_old_text, 0x01),
        TOLVIK_DOCUMENTED(msg_ok, 0x02),
        TOLVIK_DOCUMENTED(msg_menu_entry, 0x04),
        TOLVIK_DOCUMENTED(msg_list_title, 0x05),
        TOLVIK_DOCUMENTED(msg_refused_delete, 0x06),
        TOLVIK_DOCUMENTED(msg_refused_move, 0x07),
        TOLVIK_DOCUMENTED(msg_refused_clone, 0x08),
        TOLVIK_DOCUMENTED(msg_refused_new, 0x09),
        TOLVIK_DOCUMENTED(msg_warning_line, 0x0A),
        TOLVIK_DOCUMENTED(msg_warning_format, 0x0B),
        TOLVIK_DOCUMENTED(msg_label_file, 0x0C),
        TOLVIK_DOCUMENTED(msg_label_plugin, 0x0D),
        TOLVIK_DOCUMENTED(msg_label_tree, 0x0E),
        TOLVIK_DOCUMENTED(msg_label_information, 0x0F),
        TOLVIK_DOCUMENTED(msg_label_quick_view, 0x10),
        TOLVIK_DOCUMENTED(msg_label_other, 0x11),
        TOLVIK_DOCUMENTED(message_count, 0x12),
        TOLVIK_DOCUMENTED(key::ctrl, 0x01000000),
        TOLVIK_DOCUMENTED(key::shift, 0x04000000),
        TOLVIK_DOCUMENTED(key::tab, 0x09),
        TOLVIK_DOCUMENTED(key::enter, 0x0D),
        TOLVIK_DOCUMENTED(key::esc, 0x1B),
        TOLVIK_DOCUMENTED(key::space, 0x20),
        TOLVIK_DOCUMENTED(key::letter_r, 0x52),
        TOLVIK_DOCUMENTED(key::letter_u, 0x55),
        TOLVIK_DOCUMENTED(key::tilde, 0x7E),
        TOLVIK_DOCUMENTED(key::pg_up, 0x121),
        TOLVIK_DOCUMENTED(key::pg_dn, 0x122),
        TOLVIK_DOCUMENTED(key::end, 0x123),
        TOLVIK_DOCUMENTED(key::home, 0x124),
        TOLVIK_DOCUMENTED(key::left, 0x125),
        TOLVIK_DOCUMENTED(key::up, 0x126),
        TOLVIK_DOCUMENTED(key::right, 0x127),
        TOLVIK_DOCUMENTED(key::down, 0x128),
        TOLVIK_DOCUMENTED(key::ins, 0x12D),
        TOLVIK_DOCUMENTED(key::del, 0x12E),
        TOLVIK_DOCUMENTED(key::f1, 0x170),
        TOLVIK_DOCUMENTED(key::f3, 0x172),
        TOLVIK_DOCUMENTED(key::f4, 0x173),
        TOLVIK_DOCUMENTED(key::f5, 0x174),
        TOLVIK_DOCUMENTED(key::f10, 0x179),
        TOLVIK_DOCUMENTED(key::wheel_up, 0x203),
        TOLVIK_DOCUMENTED(key::wheel_down, 0x204),
        TOLVIK_DOCUMENTED(key::ctrl_mode_cancel, 0x1006),
        TOLVIK_DOCUMENTED(key::ctrl_tilde, 0x0100007E),
        TOLVIK_DOCUMENTED(key::ctrl_shift_tilde, 0x0500007E),
        TOLVIK_DOCUMENTED(key::ctrl_r, 0x01000052),
        TOLVIK_DOCUMENTED(key::ctrl_u, 0x01000055),
        TOLVIK_DOCUMENTED(virtual_key_control, 0x11),
        TOLVIK_DOCUMENTED(file_attribute_directory, 0x10),
        TOLVIK_DOCUMENTED(file_attribute_archive, 0x20),
        TOLVIK_DOCUMENTED(file_attribute_normal, 0x80),
        TOLVIK_DOCUMENTED(invalid_file_attributes, 0xFFFFFFFF),
        TOLVIK_DOCUMENTED(key_state_held, 0x8000),
    };
    for (const documented& row : rows)
        EXPECT_EQ(row.declared, row.expected)
            << row.name << ": expected 0x" << std::hex << row.expected << ", got 0x" << row.declared;
}

}  // namespace
}  // namespace tolvik::test
