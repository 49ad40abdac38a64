// The rest of the host's numbers and record sizes, written out from its
// documentation as literals. The emulated host reads the same headers as the
// plugin, so a wrong value there passes every other test: the list line's
// disabled flag, a dialog item's type or flag, a panel type, a message number.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "host/constants.h"
#include "host/dialog_items.h"
#include "host/panel_info.h"
#include "host/startup_info.h"

namespace tolvik::test {
namespace {

// The bytes of a 32-bit value as the host's records hold it (little-endian).
template <typename T>
std::vector<unsigned char> bytes_of(T value) {
    std::vector<unsigned char> out(sizeof value);
    std::memcpy(out.data(), &value, sizeof value);
    return out;
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

TEST(host_values, message_numbers_and_keys) {
    EXPECT_EQ((std::vector<int32_t>{msg_too_old_title, msg_too_old_text, msg_ok, msg_menu_entry,
                                    msg_list_title, msg_refused_delete, msg_refused_move, msg_refused_clone,
                                    msg_refused_new, msg_warning_line, msg_warning_format, message_count}),
              (std::vector<int32_t>{0, 1, 2, 4, 5, 6, 7, 8, 9, 10, 11, 18}));
    EXPECT_EQ((std::vector<int32_t>{key::ctrl_tilde, key::ctrl_shift_tilde}),
              (std::vector<int32_t>{0x0100007E, 0x0500007E}));
}

}  // namespace
}  // namespace tolvik::test
