// Start-up, each opening and shut-down of the registry.
#include "base/memory.h"
#include "registry/registry.h"
#include "views/file_panel_view.h"

namespace tolvik {
namespace {

// Undoes a start-up that ran out of memory. The registry was empty before, so
// emptying the lists restores it; the slots detach before the views go.
void undo_population(panel_slot* first_slot, panel_slot* second_slot, view* first_view,
                     view* second_view) noexcept {
    memory::destroy(first_slot);
    memory::destroy(second_slot);
    panel_slots().clear();
    recent_views().clear();
    all_views().clear();
    memory::destroy(first_view);
    memory::destroy(second_view);
    current_slot() = nullptr;
}

}  // namespace

panel_slot* populate_registry() noexcept {
    if (!all_views().empty() || !panel_slots().empty()) return current_slot();
    const bool left_active = left_panel_is_active();
    // Captured passive first, so the passive panel's view is number 1.
    file_panel_view* passive_view = capture_passive_panel();
    file_panel_view* active_view = passive_view ? capture_active_panel() : nullptr;
    panel_slot* passive_slot = active_view ? panel_slot::create(passive_view) : nullptr;
    panel_slot* active_slot = passive_slot ? panel_slot::create(active_view) : nullptr;
    if (!active_slot) {
        undo_population(passive_slot, active_slot, passive_view, active_view);
        return nullptr;
    }
    view_list& all = all_views();
    view_list& recent = recent_views();
    slot_list& slots = panel_slots();
    // Left active: slots = {active, passive}; right active: {passive, active}.
    auto place = [&](panel_slot* slot) {
        return left_active ? slots.push_front(slot) != slots.end() : slots.push_back(slot) != slots.end();
    };
    const bool entered = all.push_back(passive_view) != all.end() &&
                         recent.push_front(passive_view) != recent.end() && place(passive_slot) &&
                         all.push_back(active_view) != all.end() &&
                         recent.push_front(active_view) != recent.end() && place(active_slot);
    if (!entered) {
        undo_population(passive_slot, active_slot, passive_view, active_view);
        return nullptr;
    }
    current_slot() = active_slot;
    return active_slot;
}

void synchronise_with_panels() noexcept {
    slot_list& slots = panel_slots();
    if (slots.empty()) {
        populate_registry();  // does nothing while views are left
        return;
    }
    if (slots.size() != 2) return;
    panel_slot* active_side = left_panel_is_active() ? slots.front() : slots.back();
    panel_slot* passive_side = active_side == slots.front() ? slots.back() : slots.front();
    if (active_side != current_slot()) {
        current_slot() = active_side;
        view_position at = find_entry(recent_views(), active_side->shown_view());
        if (at != recent_views().end()) make_current(at);
    }
    if (auto* shown = dynamic_cast<file_panel_view*>(active_side->shown_view()))
        shown->recapture_from_active();
    if (auto* shown = dynamic_cast<file_panel_view*>(passive_side->shown_view()))
        shown->recapture_from_passive();
}

void clear_registry() noexcept {
    slot_list& slots = panel_slots();
    while (!slots.empty()) {
        memory::destroy(slots.front());
        slots.erase(slots.begin());
    }
    current_slot() = nullptr;
    view_list& all = all_views();
    while (!all.empty()) {
        memory::destroy(all.front());
        all.erase(all.begin());
    }
    recent_views().clear();
}

}  // namespace tolvik
