// The list's editing actions: new view, duplicate, delete, renumber,
// refresh. Each leaves the dialog open.
#include "dialog/list_state.h"
#include "dialog/view_list_dialog_impl.h"
#include "host/constants.h"
#include "views/view_numbers.h"

namespace tolvik {

void list_state::finish_edit(list_position position) noexcept {
    view* chosen = *cursor_;
    chosen->refresh_validity();
    const bool valid = chosen->is_valid();
    owner_.send(dm_enable_redraw, 0, 0);
    owner_.rebuild_layout(cursor_, position);
    last_applied_ = chosen;
    chosen->apply();
    refill_if_invalidated(valid, position);
    owner_.send(dm_enable_redraw, 1, 0);
    owner_.send(dm_redraw, 0, 0);
}

void list_state::create_view() noexcept {
    // The new line takes the cursor line's place, so the host's highlighted
    // position now belongs to it. When the view cannot be made, the panel
    // (already moved to the fallback directory) gets the cursor's view back.
    view_position made = add_new_view(cursor_);
    if (made != recent_views().end()) cursor_ = made;
    finish_edit(host_position());
}

void list_state::duplicate_view() noexcept {
    view_position made = add_clone(cursor_);
    if (made != recent_views().end()) cursor_ = made;
    finish_edit(host_position());
}

void list_state::delete_view() noexcept {
    if (all_views().size() <= 2) return;
    view* doomed = *cursor_;
    // The other panel's view must stay, or that panel's slot would be left
    // with no view; so must a view that both slots show, whichever is first.
    if (shown_in_other_panel(doomed) || doomed->slots.size() > 1) return;
    const bool was_current = current_view() == doomed;
    list_position position = host_position();

    // The line that takes the cursor once `doomed` is gone: the next enabled
    // line below it, else the nearest enabled line above it (no wrap). It is
    // found before the removal so that the current slot can be given it
    // first: if that fails, nothing has changed.
    view_list& views = recent_views();
    view_position next = cursor_;
    int32_t index = position.select;
    for (++next; next != views.end() && shown_in_other_panel(*next); ++next) ++index;
    if (next == views.end()) {
        next = cursor_;
        index = position.select;
        do {
            --next;
            --index;
        } while (next != views.end() && shown_in_other_panel(*next));
        if (next == views.end()) return;
    }
    if (was_current && !current_slot()->show(*next)) return;

    remove_view(cursor_);
    cursor_ = next;
    position.select = index;
    finish_edit(position);
}

void list_state::renumber() noexcept {
    renumber_views(recent_views());
    list_position position = host_position();
    owner_.send(dm_enable_redraw, 0, 0);
    fill_list(cursor_, position);
    owner_.send(dm_enable_redraw, 1, 0);
    owner_.send(dm_redraw, 0, 0);
}

void list_state::refresh() noexcept { finish_edit(host_position()); }

}  // namespace tolvik
