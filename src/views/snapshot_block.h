// snapshot_block: the one block of memory that holds a snapshot's item
// records and every string they point to, shared by the views whose snapshots
// are the same (a view and its clones) until one of them is re-captured.
//
// Ownership: every holder owns one share; the last share to go frees the
// block. A block with more than one share is read-only: only a sole owner may
// rewrite its bytes, so a holder that must change a shared block makes a new
// one instead. The count is plain: the plugin runs on the host's one thread.
// The header and the bytes come from tolvik::memory in one allocation.
#pragma once

#include <cstddef>

namespace tolvik {

class alignas(8) snapshot_block {
public:
    // A block of `bytes` bytes with one share, the caller's; null when memory
    // runs out.
    static snapshot_block* create(size_t bytes) noexcept;
    // Drops one share; the last one frees the block. Null is ignored.
    static void release(snapshot_block* block) noexcept;

    // Takes one more share for the caller and returns the block.
    snapshot_block* share() noexcept {
        ++shares_;
        return this;
    }
    bool is_shared() const noexcept { return shares_ > 1; }

    // The bytes, 8-aligned, and how many there are.
    char* bytes() noexcept { return reinterpret_cast<char*>(this + 1); }
    size_t size() const noexcept { return size_; }
    // True when [at, at + length) overlaps the bytes.
    bool overlaps(const void* at, size_t length) const noexcept;

    snapshot_block(const snapshot_block&) = delete;
    snapshot_block& operator=(const snapshot_block&) = delete;

private:
    explicit snapshot_block(size_t size) noexcept : size_(size) {}
    ~snapshot_block() = default;

    size_t size_;
    size_t shares_ = 1;
};

}  // namespace tolvik
