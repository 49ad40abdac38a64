// The dialog's line buffer: one owned block of host list item records.
//
// Invariant: `block` holds `count` records, or is null with `count` 0. The
// block is owned here; the list record handed to the host only refers to it.
#pragma once

#include <cstdint>

#include "host/dialog_items.h"

namespace tolvik {

class line_buffer {
public:
    line_buffer() noexcept = default;
    ~line_buffer();
    line_buffer(const line_buffer&) = delete;
    line_buffer& operator=(const line_buffer&) = delete;

    // Frees the old block and takes a new, uninitialised one for n records.
    // Returns false, leaving count 0 and no block, when memory runs out (or
    // n is negative).
    bool resize_lines(int32_t n) noexcept;

    int32_t count = 0;
    list_item* block = nullptr;
};

}  // namespace tolvik
