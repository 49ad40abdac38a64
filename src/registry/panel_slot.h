// panel_slot: one per host panel (left, right); refers to the view the panel
// shows. The slot is owned by the registry's panel_slots list; it owns nothing.
//
// Invariant: a non-null shown_view() lists this slot in its `slots` exactly
// once; a null shown_view() is transient (between removing a view and giving
// the slot another).
#pragma once

namespace tolvik {

class view;

class panel_slot {
public:
    // A slot showing `shown` (may be null), or null when memory runs out.
    static panel_slot* create(view* shown) noexcept;
    // Detaches from the shown view.
    ~panel_slot();
    panel_slot(const panel_slot&) = delete;
    panel_slot& operator=(const panel_slot&) = delete;

    view* shown_view() const noexcept { return shown; }

    // Shows `next` (may be null): the slot leaves its old view's list and goes
    // to the end of next's. Returns false, changing nothing, when memory runs
    // out.
    bool show(view* next) noexcept;

private:
    panel_slot() noexcept = default;

    view* shown = nullptr;
};

}  // namespace tolvik
