// Numbers the host and the plugin agree on: panel commands, dialog messages,
// notifications, message numbers, key codes. The emulated host shares this
// header, so a wrong number here would pass every test of behaviour and fail
// every real host: tests/plugin/host_values_test.cpp pins each of them, and
// every other number of the host's headers, against the host's documentation.
#pragma once

#include <cstdint>

namespace tolvik {

// Panel control commands (always sent with the panel handle no_panel).
enum panel_command : int32_t {
    cmd_get_active_info = 1,
    cmd_get_passive_info = 2,
    cmd_redraw = 5,
    cmd_set_selection = 10,
    cmd_set_view_mode = 12,
    cmd_set_directory = 16,
    cmd_set_sort_mode = 19,
    cmd_set_sort_order = 21,
};

// Dialog messages the plugin sends.
enum dialog_message : int32_t {
    dm_close = 1,
    dm_enable_redraw = 3,
    dm_move = 10,
    dm_set_item = 12,
    dm_redraw = 14,
    dm_list_get_position = 30,
    dm_list_set_position = 31,
    dm_resize = 43,
    dm_list_set = 53,
    dm_list_mouse_reaction = 54,
};

// Notifications the plugin's dialog procedures receive.
enum dialog_notification : int32_t {
    dn_close = 1,
    dn_key = 9,
    dn_idle = 0x1008,
    dn_init = 0x100C,
};

// Message box and dialog flags.
constexpr uint32_t style_warning = 1;

// Message numbers in the plugin's language file.
enum message_id : int32_t {
    msg_too_old_title = 0,
    msg_too_old_text = 1,
    msg_ok = 2,
    msg_menu_entry = 4,
    msg_list_title = 5,
    msg_refused_delete = 6,
    msg_refused_move = 7,
    msg_refused_clone = 8,
    msg_refused_new = 9,
    msg_warning_line = 10,
    msg_warning_format = 11,
    msg_label_file = 12,
    msg_label_plugin = 13,
    msg_label_tree = 14,
    msg_label_information = 15,
    msg_label_quick_view = 16,
    msg_label_other = 17,
};
constexpr int32_t message_count = 18;

// Key codes: the key in the low bits plus modifier bits.
namespace key {
constexpr int32_t ctrl = 0x01000000;
constexpr int32_t shift = 0x04000000;

constexpr int32_t enter = 0x0D;
constexpr int32_t esc = 0x1B;
constexpr int32_t letter_r = 0x52;
constexpr int32_t letter_u = 0x55;
constexpr int32_t tilde = 0x7E;
constexpr int32_t pg_up = 0x121;
constexpr int32_t pg_dn = 0x122;
constexpr int32_t end = 0x123;
constexpr int32_t home = 0x124;
constexpr int32_t up = 0x126;
constexpr int32_t down = 0x128;
constexpr int32_t del = 0x12E;
constexpr int32_t f3 = 0x172;
constexpr int32_t f4 = 0x173;
constexpr int32_t f5 = 0x174;
constexpr int32_t f10 = 0x179;
constexpr int32_t wheel_up = 0x203;
constexpr int32_t wheel_down = 0x204;
constexpr int32_t ctrl_mode_cancel = 0x1006;

constexpr int32_t ctrl_tilde = ctrl | tilde;
constexpr int32_t ctrl_shift_tilde = ctrl | shift | tilde;
constexpr int32_t ctrl_r = ctrl | letter_r;
constexpr int32_t ctrl_u = ctrl | letter_u;

}  // namespace key

// Virtual key of the Control key, for GetAsyncKeyState.
constexpr int virtual_key_control = 0x11;

}  // namespace tolvik
