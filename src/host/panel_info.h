// Panel records the host fills (commands 1 and 2) and reads back (10, 5).
//
// panel_info, 496 bytes
//   OFFSET SIZE DESCRIPTION
//   0      4    panel type: 0 file panel, 1 tree, 2 quick view, 3 information
//   4      4    1 when a plugin supplies the panel's contents
//   8      16   screen rectangle: left, top, right, bottom
//   24     4    item array (host-owned)          28  4  item count
//   32     8    (selected items, unused)
//   40     4    index of the current item        44  4  index of the top item
//   48     8    (unused)
//   56     4    view mode
//   60     160  (column descriptions, unused)
//   220    260  current directory, NUL-terminated when the host is well behaved
//   480    4    (unused)
//   484    4    sort mode
//   488    4    flags; 4 = reverse sort order
//   492    4    (reserved)
//
// panel_item, 366 bytes
//   0      318  file data block, copied unchanged
//   0      4      attributes
//   4      24     creation, access and write times (3 x 8 bytes)
//   28     8      size (high, low)
//   44     260    file name
//   304    14     short name
//   318    8    packed size (high, low)
//   326    4    flags; 0x40000000 = selected
//   330    4    (number of links)
//   334    4    description or null              338  4  owner or null
//   342    4    custom column texts or null       346  4  their count
//   350    16   (user data, checksum, reserved)
//
// panel_redraw, 8 bytes: current item, top item.
//
// Sizes and offsets are asserted at the end; the panel types and flags are
// pinned in tests/plugin/host_values_test.cpp.
#pragma once

#include <cstddef>
#include <cstdint>

#include "host/windows_values.h"

namespace tolvik {

constexpr int max_path = 260;

#pragma pack(push, 1)

struct panel_item {
    uint32_t attributes;          // 0
    uint32_t times[6];            // 4
    uint32_t size_high;           // 28
    uint32_t size_low;            // 32
    uint32_t reserved_36[2];      // 36
    char file_name[max_path];     // 44
    char short_name[14];          // 304
    uint32_t packed_size_high;    // 318
    uint32_t packed_size_low;     // 322
    uint32_t flags;               // 326
    uint32_t links;               // 330
    char* description;            // 334
    char* owner;                  // 338
    char** custom_column_data;    // 342
    int32_t custom_column_count;  // 346
    uint32_t reserved_350[4];     // 350
};

struct panel_rect {
    int32_t left, top, right, bottom;
};

struct panel_info {
    int32_t panel_type;          // 0
    int32_t plugin;              // 4
    panel_rect rect;             // 8
    panel_item* items;           // 24
    int32_t item_count;          // 28
    uint32_t reserved_32[2];     // 32
    int32_t current_item;        // 40
    int32_t top_item;            // 44
    uint32_t reserved_48[2];     // 48
    int32_t view_mode;           // 56
    char column_info[160];       // 60
    char current_dir[max_path];  // 220
    uint32_t reserved_480;       // 480
    int32_t sort_mode;           // 484
    uint32_t flags;              // 488
    uint32_t reserved_492;       // 492
};

struct panel_redraw {
    int32_t current_item;
    int32_t top_item;
};

#pragma pack(pop)

constexpr uint32_t item_selected = 0x40000000;
constexpr uint32_t panel_reverse_order = 4;

enum panel_type : int32_t {
    panel_file = 0,
    panel_tree = 1,
    panel_quick_view = 2,
    panel_information = 3,
};

static_assert(sizeof(panel_item) == 366);
static_assert(offsetof(panel_item, file_name) == 44);
static_assert(offsetof(panel_item, flags) == 326);
static_assert(offsetof(panel_item, description) == 334);
static_assert(offsetof(panel_item, owner) == 338);
static_assert(offsetof(panel_item, custom_column_data) == 342);
static_assert(offsetof(panel_item, custom_column_count) == 346);

static_assert(sizeof(panel_info) == 496);
static_assert(offsetof(panel_info, plugin) == 4);
static_assert(offsetof(panel_info, rect) == 8);
static_assert(offsetof(panel_info, rect) + offsetof(panel_rect, right) == 16);
static_assert(offsetof(panel_info, items) == 24);
static_assert(offsetof(panel_info, item_count) == 28);
static_assert(offsetof(panel_info, current_item) == 40);
static_assert(offsetof(panel_info, top_item) == 44);
static_assert(offsetof(panel_info, view_mode) == 56);
static_assert(offsetof(panel_info, current_dir) == 220);
static_assert(offsetof(panel_info, sort_mode) == 484);
static_assert(offsetof(panel_info, flags) == 488);

static_assert(sizeof(panel_redraw) == 8);

}  // namespace tolvik
