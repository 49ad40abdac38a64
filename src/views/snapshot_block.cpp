#include "views/snapshot_block.h"

#include <cstdint>
#include <new>

#include "base/memory.h"

namespace tolvik {

snapshot_block* snapshot_block::create(size_t bytes) noexcept {
    if (bytes > SIZE_MAX - sizeof(snapshot_block)) return nullptr;
    void* memory = memory::allocate(sizeof(snapshot_block) + bytes);
    return memory ? new (memory) snapshot_block(bytes) : nullptr;
}

void snapshot_block::release(snapshot_block* block) noexcept {
    if (!block || --block->shares_ > 0) return;
    block->~snapshot_block();
    memory::release(block);
}

bool snapshot_block::overlaps(const void* at, size_t length) const noexcept {
    const auto first = reinterpret_cast<uintptr_t>(this + 1);
    const auto from = reinterpret_cast<uintptr_t>(at);
    return from && from < first + size_ && from + length > first;
}

}  // namespace tolvik
