// The view registry: the module-wide lists of views and panel slots, the
// current slot, and the operations that change the set of views.
//
// Ownership: all_views owns the views, panel_slots owns the slots;
// recent_views, current_slot and each view's slot list only refer to them.
// Invariants between operations: all_views and recent_views hold the same
// views once each (recent_views front = most recently made current); each
// view's slots are exactly the slots showing it; when populated, panel_slots
// is {left, right} and current_slot is one of them. No list holds null.
//
// Running out of memory: every operation either completes or leaves the
// registry exactly as it was (failure is reported as documented below);
// synchronise_with_panels does each of its steps that way.
#pragma once

#include "base/dlist.h"
#include "registry/panel_slot.h"
#include "views/view.h"

namespace tolvik {

using view_list = dlist<view*>;
using view_position = view_list::iterator;
using slot_list = dlist<panel_slot*>;

// The module-wide lists (constructed with the other module-wide objects).
view_list& all_views();
view_list& recent_views();
slot_list& panel_slots();
// Construction (all_views, recent_views, panel_slots) and destruction in
// reverse, called only by the library's load and unload.
void construct_registry_lists();
void destroy_registry_lists();
// The slot of the host's active panel, or null before start-up.
panel_slot*& current_slot();
// The view current_slot shows; null before start-up and while the slot shows
// nothing.
view* current_view() noexcept;

// A host panel's side; each holds its side letter.
enum class side : char { left = 'L', right = 'R' };

// True when the host's left panel is active (judged from the rectangles).
bool left_panel_is_active() noexcept;
// The host side of `slot` (asks the host, as left_panel_is_active does).
side panel_side(const panel_slot* slot) noexcept;
// The first entry of `list` equal to `target`, or list.end().
view_position find_entry(view_list& list, const view* target) noexcept;
// True when a slot other than current_slot is the first to show `target`:
// the other panel shows it. The dialog disables that view's line, skips it in
// every cursor move and never deletes it.
bool shown_in_other_panel(const view* target) noexcept;

// current_slot shows the view at `pos`, and the view moves to the front of
// recent_views. Returns the front position (`pos` is invalid then). When
// memory runs out nothing changes and `pos` itself is returned.
view_position make_current(view_position pos) noexcept;
// Moves the active panel to "C:\", captures it into a new view and inserts it
// before `pos` in recent_views (appended to all_views). Returns its position,
// or recent_views().end() when memory ran out (registry unchanged; the panel
// has moved).
view_position add_new_view(view_position pos) noexcept;
// Clones the view at `pos` and inserts the copy before it. Returns the copy's
// position, or recent_views().end() when memory ran out (registry unchanged).
view_position add_clone(view_position pos) noexcept;
// Detaches every slot showing the view at `pos`, destroys it and drops its
// entries. Returns the position that followed it in recent_views.
view_position remove_view(view_position pos) noexcept;

// Start-up: captures the passive panel (view 1) and the active one (view 2)
// and makes the two slots. Returns current_slot, or null when memory ran out
// (the registry is then left empty).
panel_slot* populate_registry() noexcept;
// Each opening: follows a switch of the active panel and re-captures both
// shown views. An empty registry (start-up ran out of memory) is populated;
// a slot without a view is left alone. Out of memory, the view stays where it
// was in recent_views and a re-capture keeps its old snapshot.
void synchronise_with_panels() noexcept;
// Shut-down: destroys the slots, then the views, then empties recent_views.
void clear_registry() noexcept;

}  // namespace tolvik
