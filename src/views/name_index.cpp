#include "views/name_index.h"

#include <cstring>

#include "base/memory.h"
#include "host/text_field.h"

namespace tolvik {
namespace {

uint32_t hash_name(const char* name, size_t length) noexcept {
    uint32_t hash = 2166136261u;  // FNV-1a
    for (size_t i = 0; i < length; ++i) {
        hash ^= static_cast<unsigned char>(name[i]);
        hash *= 16777619u;
    }
    return hash;
}

bool same_name(const panel_item& item, const char* name, size_t length) noexcept {
    return field_length(item.file_name, max_path) == length && std::memcmp(item.file_name, name, length) == 0;
}

}  // namespace

name_index::name_index(const panel_item* items, int32_t count) noexcept
    : items_(items), count_(items && count > 0 ? count : 0) {
    // Beyond this the table's byte size would not fit 32 bits: scan instead.
    constexpr int32_t largest_hashed = 1 << 24;
    if (count_ == 0 || count_ > largest_hashed) return;
    uint32_t size = 16;
    while (size < static_cast<uint32_t>(count_) * 2u) size <<= 1;
    table_ = static_cast<int32_t*>(memory::allocate(size * sizeof(int32_t)));
    if (!table_) return;
    std::memset(table_, 0, size * sizeof(int32_t));
    mask_ = size - 1;
    for (int32_t i = 0; i < count_; ++i) {
        const char* name = items_[i].file_name;
        const size_t length = field_length(name, max_path);
        if (length == 0) continue;
        for (uint32_t slot = hash_name(name, length) & mask_;; slot = (slot + 1) & mask_) {
            if (table_[slot] == 0) {
                table_[slot] = i + 1;
                break;
            }
            if (same_name(items_[table_[slot] - 1], name, length)) break;  // keep the first
        }
    }
}

name_index::~name_index() { memory::release(table_); }

int32_t name_index::first_match(const char* name) const noexcept {
    const size_t length = field_length(name, max_path);
    if (length == 0) return -1;
    if (!table_) {
        for (int32_t i = 0; i < count_; ++i)
            if (same_name(items_[i], name, length)) return i;
        return -1;
    }
    for (uint32_t slot = hash_name(name, length) & mask_; table_[slot] != 0; slot = (slot + 1) & mask_) {
        if (same_name(items_[table_[slot] - 1], name, length)) return table_[slot] - 1;
    }
    return -1;
}

}  // namespace tolvik
