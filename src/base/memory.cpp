#include "base/memory.h"

#include <cstdlib>

namespace tolvik::memory {
namespace {

long countdown = 0;  // > 0: allocations left until the injected failure
bool keep_failing = false;
bool delivered = false;
long made = 0;
long live = 0;

bool injected_failure() noexcept {
    if (countdown <= 0) return false;
    if (countdown > 1) {
        --countdown;
        return false;
    }
    delivered = true;
    if (!keep_failing) countdown = 0;
    return true;
}

}  // namespace

void* allocate(size_t bytes) noexcept {
    if (injected_failure()) return nullptr;
    void* block = std::malloc(bytes ? bytes : 1);
    if (block) {
        ++made;
        ++live;
    }
    return block;
}

void release(void* block) noexcept {
    if (!block) return;
    --live;
    std::free(block);
}

void fail_allocation(long n, bool sticky) noexcept {
    countdown = n > 0 ? n : 0;
    keep_failing = sticky;
    delivered = false;
}

bool failure_delivered() noexcept { return delivered; }
long allocation_count() noexcept { return made; }
long live_blocks() noexcept { return live; }

}  // namespace tolvik::memory
