// A doubly linked list of plain values (pointers, in practice) whose
// allocations go through tolvik::memory, so that an insertion that runs out of
// memory fails visibly and leaves the list as it was.
//
// Invariants: the list is circular around a sentinel; end() is the sentinel,
// so stepping past either end lands on end(), and stepping from end() goes to
// the first (++) or last (--) entry. A position stays valid until its own entry
// is erased. The list owns its entries only, never what they point to.
#pragma once

#include <cstddef>

#include "base/memory.h"

namespace tolvik {

template <class T>
class dlist {
    struct link {
        link* prev;
        link* next;
    };
    struct node : link {
        T value;
    };

public:
    class iterator {
    public:
        iterator() = default;
        T& operator*() const { return static_cast<node*>(at_)->value; }
        T* operator->() const { return &static_cast<node*>(at_)->value; }
        iterator& operator++() {
            at_ = at_->next;
            return *this;
        }
        iterator& operator--() {
            at_ = at_->prev;
            return *this;
        }
        iterator operator++(int) {
            iterator old = *this;
            at_ = at_->next;
            return old;
        }
        iterator operator--(int) {
            iterator old = *this;
            at_ = at_->prev;
            return old;
        }
        bool operator==(const iterator& other) const { return at_ == other.at_; }
        bool operator!=(const iterator& other) const { return at_ != other.at_; }

    private:
        friend class dlist;
        explicit iterator(link* at) : at_(at) {}
        link* at_ = nullptr;
    };

    dlist() noexcept { head_.prev = head_.next = &head_; }
    ~dlist() { clear(); }
    dlist(const dlist&) = delete;
    dlist& operator=(const dlist&) = delete;

    iterator begin() noexcept { return iterator(head_.next); }
    iterator end() noexcept { return iterator(&head_); }
    bool empty() const noexcept { return size_ == 0; }
    size_t size() const noexcept { return size_; }
    // REQUIRES: !empty().
    T& front() noexcept { return static_cast<node*>(head_.next)->value; }
    T& back() noexcept { return static_cast<node*>(head_.prev)->value; }

    // Inserts `value` before `pos` and returns the new entry's position, or
    // end() when memory runs out (the list is then unchanged).
    iterator insert(iterator pos, const T& value) noexcept {
        node* n = memory::create<node>();
        if (!n) return end();
        n->value = value;
        link* after = pos.at_;
        n->prev = after->prev;
        n->next = after;
        after->prev->next = n;
        after->prev = n;
        ++size_;
        return iterator(n);
    }
    iterator push_front(const T& value) noexcept { return insert(begin(), value); }
    iterator push_back(const T& value) noexcept { return insert(end(), value); }

    // Removes the entry at `pos` (REQUIRES: pos != end()); returns the position
    // that followed it.
    iterator erase(iterator pos) noexcept {
        link* gone = pos.at_;
        link* next = gone->next;
        gone->prev->next = next;
        next->prev = gone->prev;
        memory::destroy(static_cast<node*>(gone));
        --size_;
        return iterator(next);
    }

    void clear() noexcept {
        while (size_ != 0) erase(begin());
    }

private:
    link head_;
    size_t size_ = 0;
};

}  // namespace tolvik
