#include "registry/registry.h"

#include "base/memory.h"
#include "host/constants.h"
#include "host/panel_info.h"
#include "host/services.h"
#include "views/file_panel_view.h"

namespace tolvik {
namespace {

panel_slot* current = nullptr;

// Destroys a view that no list and no slot refers to.
void destroy_view(view* doomed) noexcept { memory::destroy(doomed); }

// Appends `made` to all_views and inserts it before `pos` in recent_views;
// on failure destroys it and returns end().
view_position enter_view(view* made, view_position pos) noexcept {
    view_list& all = all_views();
    view_list& recent = recent_views();
    if (!made) return recent.end();
    auto owned = all.push_back(made);
    if (owned == all.end()) {
        destroy_view(made);
        return recent.end();
    }
    auto listed = recent.insert(pos, made);
    if (listed == recent.end()) {
        all.erase(owned);
        destroy_view(made);
    }
    return listed;
}

}  // namespace

panel_slot*& current_slot() { return current; }

view* current_view() noexcept { return current ? current->shown_view() : nullptr; }

bool left_panel_is_active() noexcept {
    panel_info active{};
    panel_info passive{};
    panel_control(cmd_get_active_info, &active);
    panel_control(cmd_get_passive_info, &passive);
    if (active.rect.left != 0) return false;
    if (passive.rect.left != 0) return true;
    return active.rect.right < passive.rect.right;
}

side panel_side(const panel_slot* slot) noexcept {
    return left_panel_is_active() == (slot == current) ? side::left : side::right;
}

view_position find_entry(view_list& list, const view* target) noexcept {
    for (auto at = list.begin(); at != list.end(); ++at)
        if (*at == target) return at;
    return list.end();
}

bool shown_in_other_panel(const view* target) noexcept {
    // The slot list is only read here.
    auto& slots = const_cast<view*>(target)->slots;
    return !slots.empty() && slots.front() != current;
}

view_position make_current(view_position pos) noexcept {
    view_list& recent = recent_views();
    // The new front entry is made before the slot changes, so that running
    // out of memory at either step changes nothing.
    view_position front = pos == recent.begin() ? pos : recent.push_front(*pos);
    if (front == recent.end()) return pos;
    if (current && !current->show(*pos)) {
        if (front != pos) recent.erase(front);
        return pos;
    }
    if (front != pos) recent.erase(pos);
    return front;
}

view_position add_new_view(view_position pos) noexcept { return enter_view(capture_root_panel(), pos); }

view_position add_clone(view_position pos) noexcept { return enter_view((*pos)->clone(), pos); }

view_position remove_view(view_position pos) noexcept {
    view* doomed = *pos;
    while (!doomed->slots.empty()) doomed->slots.front()->show(nullptr);
    view_list& all = all_views();
    auto owned = find_entry(all, doomed);
    if (owned != all.end()) all.erase(owned);
    destroy_view(doomed);
    return recent_views().erase(pos);
}

}  // namespace tolvik
