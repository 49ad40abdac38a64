// The list part's editing actions: new view, duplicate, delete, renumber,
// refresh. Each leaves the dialog open.
#include "dialog/list_state.h"
#include "dialog/view_list_dialog_impl.h"
#include "host/constants.h"
#include "views/view_numbers.h"

namespace tolvik {
namespace {

// True when a slot other than the current one shows `v`: such a view must
// stay, or that panel's slot would be left with no view.
bool shown_by_other_slot(view* v) noexcept {
    for (panel_slot* slot : v->slots)
        if (slot != current_slot()) return true;
    return false;
}

}  // namespace

void list_state::finish_edit(list_position position) noexcept {
    view* chosen = *cursor;
    chosen->refresh_validity();
    owner.send(dm_enable_redraw, 0, 0);
    owner.rebuild_layout(cursor, position);
    last_applied = chosen;
    chosen->apply();
    owner.send(dm_enable_redraw, 1, 0);
    owner.send(dm_redraw, 0, 0);
}

void list_state::create_view() noexcept {
    // The new line takes the cursor line's place, so the host's highlighted
    // position now belongs to it. When the view cannot be made, the panel
    // (already moved to the fallback directory) gets the cursor's view back.
    view_position made = add_new_view(cursor);
    if (made != recent_views().end()) cursor = made;
    finish_edit(host_position());
}

void list_state::duplicate_view() noexcept {
    view_position made = add_clone(cursor);
    if (made != recent_views().end()) cursor = made;
    finish_edit(host_position());
}

void list_state::delete_view() noexcept {
    if (all_views().size() <= 2) return;
    view* doomed = *cursor;
    if (shown_by_other_slot(doomed)) return;
    const bool was_current = current_slot() && current_slot()->shown_view() == doomed;
    list_position position = host_position();

    // The line that takes the cursor once `doomed` is gone: the next enabled
    // line below it, else the nearest enabled line above it (no wrap). It is
    // found before the removal so that the current slot can be given it
    // first: if that fails, nothing has changed.
    view_list& views = recent_views();
    view_position next = cursor;
    int32_t index = position.select;
    for (++next; next != views.end() && is_disabled_entry(*next); ++next) ++index;
    if (next == views.end()) {
        next = cursor;
        index = position.select;
        do {
            --next;
            --index;
        } while (next != views.end() && is_disabled_entry(*next));
        if (next == views.end()) return;
    }
    if (was_current && !current_slot()->show(*next)) return;

    remove_view(cursor);
    cursor = next;
    position.select = index;
    finish_edit(position);
}

void list_state::renumber() noexcept {
    renumber_views(recent_views());
    list_position position = host_position();
    owner.send(dm_enable_redraw, 0, 0);
    fill_list(cursor, position);
    owner.send(dm_enable_redraw, 1, 0);
    owner.send(dm_redraw, 0, 0);
}

void list_state::refresh() noexcept { finish_edit(host_position()); }

}  // namespace tolvik
