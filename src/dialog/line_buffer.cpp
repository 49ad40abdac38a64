#include "dialog/line_buffer.h"

#include <cstddef>

#include "base/memory.h"

namespace tolvik {

line_buffer::~line_buffer() { memory::release(block); }

bool line_buffer::resize_lines(int32_t n) noexcept {
    memory::release(block);
    block = nullptr;
    count = 0;
    if (n < 0 || static_cast<size_t>(n) > SIZE_MAX / sizeof(list_item)) return false;
    block = static_cast<list_item*>(memory::allocate(static_cast<size_t>(n) * sizeof(list_item)));
    if (!block) return false;
    count = n;
    return true;
}

}  // namespace tolvik
