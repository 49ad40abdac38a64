// The host records as each compiler lays them out at run time: the sizes and
// offsets the plugin relies on. (The headers assert them at compile time too;
// this catches a target whose compiler packs differently without noticing.)
#include <gtest/gtest.h>

#include <cstddef>

#pragma GCC diagnostic ignored "-Waddress-of-packed-member"

#include "host/dialog_items.h"
#include "host/panel_info.h"
#include "host/startup_info.h"

namespace tolvik {
namespace {

// Offset of a member found through a real object, not offsetof. (Only the
// address is taken: a packed member is never bound to a reference.)
#define offset_in(record, member) \
    static_cast<size_t>(reinterpret_cast<const char*>(&(record).member) - reinterpret_cast<const char*>(&(record)))

TEST(host_records, startup_and_function_tables) {
    startup_info s{};
    EXPECT_EQ(sizeof s, 372u);
    EXPECT_EQ(offset_in(s, module_number), 264u);
    EXPECT_EQ(offset_in(s, message_box), 280u);
    EXPECT_EQ(offset_in(s, get_message), 284u);
    EXPECT_EQ(offset_in(s, panel_control), 288u);
    EXPECT_EQ(offset_in(s, functions), 336u);
    EXPECT_EQ(offset_in(s, dialog_ex), 352u);
    EXPECT_EQ(offset_in(s, send_dialog_message), 356u);
    EXPECT_EQ(offset_in(s, default_dialog_proc), 360u);
    standard_functions f{};
    EXPECT_EQ(sizeof f, 228u);
    EXPECT_EQ(offset_in(f, shorten_path), 148u);
    plugin_info p{};
    EXPECT_EQ(sizeof p, 44u);
    EXPECT_EQ(offset_in(p, menu_strings), 20u);
    EXPECT_EQ(offset_in(p, menu_string_count), 24u);
}

TEST(host_records, panel_records) {
    panel_info i{};
    EXPECT_EQ(sizeof i, 496u);
    EXPECT_EQ(offset_in(i, plugin), 4u);
    EXPECT_EQ(offset_in(i, rect.left), 8u);
    EXPECT_EQ(offset_in(i, rect.right), 16u);
    EXPECT_EQ(offset_in(i, items), 24u);
    EXPECT_EQ(offset_in(i, item_count), 28u);
    EXPECT_EQ(offset_in(i, current_item), 40u);
    EXPECT_EQ(offset_in(i, top_item), 44u);
    EXPECT_EQ(offset_in(i, view_mode), 56u);
    EXPECT_EQ(offset_in(i, current_dir), 220u);
    EXPECT_EQ(offset_in(i, sort_mode), 484u);
    EXPECT_EQ(offset_in(i, flags), 488u);
    panel_item it{};
    EXPECT_EQ(sizeof it, 366u);
    EXPECT_EQ(offset_in(it, file_name), 44u);
    EXPECT_EQ(offset_in(it, flags), 326u);
    EXPECT_EQ(offset_in(it, description), 334u);
    EXPECT_EQ(offset_in(it, owner), 338u);
    EXPECT_EQ(offset_in(it, custom_column_data), 342u);
    EXPECT_EQ(offset_in(it, custom_column_count), 346u);
    panel_item array[2];
    EXPECT_EQ(reinterpret_cast<char*>(&array[1]) - reinterpret_cast<char*>(&array[0]), 366);
}

TEST(host_records, dialog_and_list_records) {
    FarDialogItem d{};
    EXPECT_EQ(sizeof d, 548u);
    EXPECT_EQ(offset_in(d, left), 4u);
    EXPECT_EQ(offset_in(d, bottom), 16u);
    EXPECT_EQ(offset_in(d, focus), 20u);
    EXPECT_EQ(offset_in(d, list), 24u);
    EXPECT_EQ(offset_in(d, flags), 28u);
    EXPECT_EQ(offset_in(d, default_button), 32u);
    EXPECT_EQ(offset_in(d, text), 36u);
    list_item l{};
    EXPECT_EQ(sizeof l, 144u);
    EXPECT_EQ(offset_in(l, text), 4u);
    EXPECT_EQ(offset_in(l, reserved), 132u);
    EXPECT_EQ(sizeof(list_record), 8u);
    EXPECT_EQ(sizeof(list_position), 8u);
    EXPECT_EQ(sizeof(panel_redraw), 8u);
    screen_point p{};
    EXPECT_EQ(sizeof p, 4u);
    EXPECT_EQ(offset_in(p, y), 2u);
}

}  // namespace
}  // namespace tolvik
