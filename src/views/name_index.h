// An index from file name to the first item carrying it, over a host item
// array, so that restoring a selection costs time linear in items plus names.
// Names are read within their 260 characters; an empty name is never indexed
// and never found.
#pragma once

#include <cstddef>
#include <cstdint>

#include "host/panel_info.h"

namespace tolvik {

class name_index {
public:
    // Indexes `items[0..count)`; the items must outlive the index. When the
    // table cannot be allocated the index falls back to a linear scan, so
    // first_match answers the same either way.
    name_index(const panel_item* items, int32_t count) noexcept;
    ~name_index();
    name_index(const name_index&) = delete;
    name_index& operator=(const name_index&) = delete;

    // Index of the first item whose name equals `name` byte for byte, or -1.
    int32_t first_match(const char* name) const noexcept;

private:
    const panel_item* items_;
    int32_t count_;
    int32_t* table_ = nullptr;  // item index + 1 per slot, 0 = empty
    uint32_t mask_ = 0;         // table size - 1 (a power of two)
};

}  // namespace tolvik
