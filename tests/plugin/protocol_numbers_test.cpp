// The numbers the host defines, written out here from its documentation and
// not from the plugin's header: the emulated host shares that header, so a
// wrong number there would pass every other test and fail every real host.
#include <gtest/gtest.h>

#include <vector>

#include "host/constants.h"
#include "host/file_attributes.h"

namespace tolvik::test {
namespace {

TEST(protocol_numbers, are_the_hosts) {
    EXPECT_EQ(
        (std::vector<int32_t>{cmd_get_active_info, cmd_get_passive_info, cmd_redraw, cmd_set_selection,
                              cmd_set_view_mode, cmd_set_directory, cmd_set_sort_mode, cmd_set_sort_order}),
        (std::vector<int32_t>{1, 2, 5, 10, 12, 16, 19, 21}))
        << "panel commands";
    EXPECT_EQ((std::vector<int32_t>{dm_close, dm_enable_redraw, dm_move, dm_set_item, dm_redraw,
                                    dm_list_get_position, dm_list_set_position, dm_resize, dm_list_set,
                                    dm_list_mouse_reaction}),
              (std::vector<int32_t>{1, 3, 10, 12, 14, 30, 31, 43, 53, 54}))
        << "dialog messages";
    EXPECT_EQ((std::vector<int32_t>{dn_close, dn_key, dn_idle, dn_init}),
              (std::vector<int32_t>{1, 9, 0x1008, 0x100C}))
        << "notifications";
    EXPECT_EQ(style_warning, 1u);
    EXPECT_EQ(file_attribute_directory, 0x10u);
    EXPECT_EQ(file_attribute_archive, 0x20u);
    EXPECT_EQ(file_attribute_normal, 0x80u);
    EXPECT_EQ(invalid_file_attributes, 0xFFFFFFFFu);
    EXPECT_EQ(virtual_key_control, 0x11);
    EXPECT_EQ((std::vector<int32_t>{key::ctrl,     key::shift,      key::enter,
                                    key::esc,      key::tilde,      key::letter_r,
                                    key::letter_u, key::pg_up,      key::pg_dn,
                                    key::end,      key::home,       key::up,
                                    key::down,     key::del,        key::f3,
                                    key::f4,       key::f5,         key::f10,
                                    key::wheel_up, key::wheel_down, key::ctrl_mode_cancel}),
              (std::vector<int32_t>{0x01000000, 0x04000000, 0x0D,  0x1B,  0x7E,  0x52,  0x55,
                                    0x121,      0x122,      0x123, 0x124, 0x126, 0x128, 0x12E,
                                    0x172,      0x173,      0x174, 0x179, 0x203, 0x204, 0x1006}))
        << "key codes";
}

}  // namespace
}  // namespace tolvik::test
