#include "registry/panel_slot.h"

#include <new>

#include "base/memory.h"
#include "views/view.h"

namespace tolvik {

panel_slot* panel_slot::create(view* shown) noexcept {
    void* block = memory::allocate(sizeof(panel_slot));
    if (!block) return nullptr;
    auto* slot = new (block) panel_slot();
    if (!slot->show(shown)) {
        memory::destroy(slot);
        return nullptr;
    }
    return slot;
}

panel_slot::~panel_slot() {
    if (shown) shown->remove_slot(this);
}

bool panel_slot::show(view* next) noexcept {
    // Joining the new list first means a failure leaves the old view shown.
    // When next is the view already shown, remove_slot drops the older (first)
    // entry, so the slot moves to the end of the list.
    if (next && !next->add_slot(this)) return false;
    if (shown) shown->remove_slot(this);
    shown = next;
    return true;
}

}  // namespace tolvik
