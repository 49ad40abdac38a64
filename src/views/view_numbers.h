// View numbers: the module-wide ordered set of the numbers of the live views,
// and the four free functions around it.
//
// Invariant: the set holds exactly the numbers of the live views, each once,
// all at least 1 (renumber_views keeps this only when given every live view).
#pragma once

#include <cstddef>
#include <cstdint>

#include "base/dlist.h"

namespace tolvik {

class view;
using view_list = dlist<view*>;

// An ordered set of distinct positive integers. Its storage comes from
// tolvik::memory; every operation is noexcept and a failed growth leaves the
// set as it was.
class view_number_set {
public:
    view_number_set() noexcept = default;
    ~view_number_set();
    view_number_set(const view_number_set&) = delete;
    view_number_set& operator=(const view_number_set&) = delete;

    // Enters the smallest positive integer not in the set and returns it, or
    // returns 0 (set unchanged) when memory runs out.
    int32_t take_smallest_free() noexcept;
    // Removes `number` if present.
    void erase(int32_t number) noexcept;
    // The largest element, or 1 when the set is empty.
    int32_t largest() const noexcept;
    // Makes the set {1..count}; false (set unchanged) when memory runs out.
    bool assign_first(size_t count) noexcept;
    void clear() noexcept;

    size_t size() const noexcept { return count_; }
    // The i-th smallest element. REQUIRES: i < size().
    int32_t at(size_t i) const noexcept { return elements_[i]; }

private:
    bool reserve(size_t capacity) noexcept;

    int32_t* elements_ = nullptr;  // ascending, count_ used of capacity_
    size_t count_ = 0;
    size_t capacity_ = 0;
};

// The module-wide set (constructed with the other module-wide objects).
view_number_set& view_numbers();
// Construction and destruction, called only by the library's load and unload.
void construct_view_numbers();
void destroy_view_numbers();

// Smallest free number, entered in the set; 0 when memory runs out.
int acquire_view_number() noexcept;
// Gives `number` back; absent numbers are ignored.
void release_view_number(int number) noexcept;
// The largest number in use, or 1 when there is none.
int max_view_number() noexcept;
// Numbers the views of `views` n..1 from first to last (the last gets 1) and
// makes the set {1..n}. `views` must hold every live view. Returns false and
// changes nothing when memory runs out.
bool renumber_views(view_list& views) noexcept;

}  // namespace tolvik
