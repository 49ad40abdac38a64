// Dialog and list records.
//
// FarDialogItem, 548 bytes
//   OFFSET SIZE DESCRIPTION
//   0      4    item type (dialog_item_type)
//   4      16   left, top, right, bottom
//   20     4    has focus
//   24     4    for a list box: its list record
//   28     4    item flags
//   32     4    default button
//   36     512  item text
//
// list_item, 144 bytes: flags at 0 (0x80000 disabled), 128 chars of text at 4,
//   three reserved ints at 132.
// list_record, 8 bytes: item count, item array.
// list_position, 8 bytes: selected line, top line.
// screen_point, 4 bytes: 16-bit X, 16-bit Y.
//
// Sizes and offsets are asserted at the end; the item types and flags are
// pinned in tests/plugin/host_values_test.cpp.
#pragma once

#include <cstddef>
#include <cstdint>

namespace tolvik {

constexpr int item_text_size = 512;
constexpr int list_text_size = 128;

#pragma pack(push, 1)

struct list_item {
    uint32_t flags;             // 0
    char text[list_text_size];  // 4
    uint32_t reserved[3];       // 132
};

struct list_record {
    int32_t count;     // 0
    list_item* items;  // 4
};

struct list_position {
    int32_t select;  // 0
    int32_t top;     // 4
};

struct screen_point {
    int16_t x;  // 0
    int16_t y;  // 2
};

struct FarDialogItem {
    int32_t type;               // 0
    int32_t left;               // 4
    int32_t top;                // 8
    int32_t right;              // 12
    int32_t bottom;             // 16
    int32_t focus;              // 20
    list_record* list;          // 24
    uint32_t flags;             // 28
    int32_t default_button;     // 32
    char text[item_text_size];  // 36
};

#pragma pack(pop)

enum dialog_item_type : int32_t {
    item_text = 0,
    item_double_box = 3,
    item_button = 7,
    item_list_box = 11,
};

// Item flags.
constexpr uint32_t flag_button_centered = 0x00004000;
constexpr uint32_t flag_list_no_box = 0x00040000;
constexpr uint32_t flag_hidden = 0x10000000;
constexpr uint32_t flag_no_focus = 0x40000000;
// List item flags.
constexpr uint32_t list_item_disabled = 0x00080000;

static_assert(sizeof(list_item) == 144);
static_assert(offsetof(list_item, text) == 4);
static_assert(offsetof(list_item, reserved) == 132);
static_assert(sizeof(list_record) == 8);
static_assert(sizeof(list_position) == 8);
static_assert(sizeof(screen_point) == 4);
static_assert(sizeof(FarDialogItem) == 548);
static_assert(offsetof(FarDialogItem, left) == 4);
static_assert(offsetof(FarDialogItem, top) == 8);
static_assert(offsetof(FarDialogItem, right) == 12);
static_assert(offsetof(FarDialogItem, bottom) == 16);
static_assert(offsetof(FarDialogItem, focus) == 20);
static_assert(offsetof(FarDialogItem, list) == 24);
static_assert(offsetof(FarDialogItem, flags) == 28);
static_assert(offsetof(FarDialogItem, default_button) == 32);
static_assert(offsetof(FarDialogItem, text) == 36);

}  // namespace tolvik
