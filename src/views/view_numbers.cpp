#include "views/view_numbers.h"

#include <cstring>

#include "base/memory.h"
#include "views/view.h"

namespace tolvik {

view_number_set::~view_number_set() { memory::release(elements_); }

bool view_number_set::reserve(size_t capacity) noexcept {
    if (capacity <= capacity_) return true;
    size_t grown = capacity_ ? capacity_ * 2 : 8;
    if (grown < capacity) grown = capacity;
    auto* bigger = static_cast<int32_t*>(memory::allocate(grown * sizeof(int32_t)));
    if (!bigger) return false;
    if (count_) std::memcpy(bigger, elements_, count_ * sizeof(int32_t));
    memory::release(elements_);
    elements_ = bigger;
    capacity_ = grown;
    return true;
}

int32_t view_number_set::take_smallest_free() noexcept {
    // Elements are distinct and ascending from at least 1, so the first index
    // whose element exceeds the candidate is where the candidate belongs.
    int32_t candidate = 1;
    size_t at = 0;
    while (at < count_ && elements_[at] <= candidate) {
        ++candidate;
        ++at;
    }
    if (!reserve(count_ + 1)) return 0;
    std::memmove(elements_ + at + 1, elements_ + at, (count_ - at) * sizeof(int32_t));
    elements_[at] = candidate;
    ++count_;
    return candidate;
}

void view_number_set::erase(int32_t number) noexcept {
    for (size_t at = 0; at < count_; ++at) {
        if (elements_[at] == number) {
            std::memmove(elements_ + at, elements_ + at + 1, (count_ - at - 1) * sizeof(int32_t));
            if (--count_ == 0) clear();
            return;
        }
    }
}

int32_t view_number_set::largest() const noexcept {
    return count_ && elements_[count_ - 1] > 1 ? elements_[count_ - 1] : 1;
}

bool view_number_set::assign_first(size_t count) noexcept {
    if (count == 0) {
        clear();
        return true;
    }
    if (!reserve(count)) return false;
    for (size_t i = 0; i < count; ++i) elements_[i] = static_cast<int32_t>(i + 1);
    count_ = count;
    return true;
}

// An empty set holds no storage, so a registry emptied at shut-down leaves
// nothing allocated.
void view_number_set::clear() noexcept {
    memory::release(elements_);
    elements_ = nullptr;
    count_ = capacity_ = 0;
}

int acquire_view_number() noexcept { return view_numbers().take_smallest_free(); }

void release_view_number(int number) noexcept { view_numbers().erase(number); }

int max_view_number() noexcept { return view_numbers().largest(); }

bool renumber_views(view_list& views) noexcept {
    if (!view_numbers().assign_first(views.size())) return false;
    int32_t counter = 1;
    auto at = views.end();
    for (size_t left = views.size(); left != 0; --left) {
        --at;
        (*at)->number = counter++;
    }
    return true;
}

}  // namespace tolvik
