// Every allocation the plugin makes goes through here, so that running out of
// memory is an ordinary null result (never an exception) and so that tests can
// make the Nth allocation fail.
#pragma once

#include <cstddef>
#include <new>
#include <utility>

namespace tolvik::memory {

// Returns a block of at least `bytes` bytes, or null when memory runs out or an
// injected failure is due. Zero bytes still gives a distinct block.
void* allocate(size_t bytes) noexcept;

// Frees a block from allocate; null is ignored.
void release(void* block) noexcept;

// Constructs a T in a new block; null when the block cannot be obtained.
// T's constructor must not throw.
template <class T, class... Args>
T* create(Args&&... args) noexcept {
    void* block = allocate(sizeof(T));
    return block ? new (block) T(std::forward<Args>(args)...) : nullptr;
}

// Destroys and frees what create made; null is ignored.
template <class T>
void destroy(T* object) noexcept {
    if (object) {
        object->~T();
        release(object);
    }
}

// Test hooks. fail_allocation(n): the nth allocation from now fails (1 = the
// next one), and so does every later one while `sticky` is set; 0 disarms.
void fail_allocation(long n, bool sticky = false) noexcept;
// True once an armed failure has been delivered.
bool failure_delivered() noexcept;
// Allocations made since load, and blocks not yet released.
long allocation_count() noexcept;
long live_blocks() noexcept;

}  // namespace tolvik::memory
