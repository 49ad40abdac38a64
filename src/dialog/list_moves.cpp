// The list's cursor moves, each ending in a live preview, and the two
// ways out: commit and revert.
#include "dialog/list_state.h"
#include "dialog/view_list_dialog_impl.h"
#include "host/constants.h"

namespace tolvik {
namespace {

// Bounds every skipping loop: at most one line is disabled, but a registry
// that broke that rule must not hang the host.
size_t step_limit() noexcept { return recent_views().size() + 1; }

}  // namespace

void list_state::apply_once(view* chosen) noexcept {
    if (chosen == last_applied_) return;
    last_applied_ = chosen;
    chosen->apply();
}

void list_state::commit() noexcept {
    view* chosen = *cursor_;
    apply_once(chosen);
    cursor_ = make_current(cursor_);
    // Out of memory the slot keeps its old view; the panel must show that
    // view again, or the next opening would capture the chosen view's state
    // into it.
    if (current_view() != chosen) revert();
}

void list_state::revert() noexcept {
    if (view* shown = current_view()) apply_once(shown);
}

void list_state::skip_disabled(int direction, list_position& position) noexcept {
    view_list& views = recent_views();
    for (size_t guard = step_limit(); guard > 0 && shown_in_other_panel(*cursor_); --guard) {
        if (direction > 0) {
            ++cursor_;
            ++position.select;
            if (cursor_ == views.end()) {
                cursor_ = views.begin();
                position.select = 0;
            }
        } else {
            --cursor_;
            --position.select;
            if (cursor_ == views.end()) {
                --cursor_;
                position.select = line_count() - 1;
            }
        }
    }
}

void list_state::move_down() noexcept {
    view_list& views = recent_views();
    list_position position = host_position();
    size_t guard = step_limit();
    do {
        ++cursor_;
        ++position.select;
        if (cursor_ == views.end()) {
            cursor_ = views.begin();
            position.select = 0;
        }
    } while (shown_in_other_panel(*cursor_) && --guard > 0);
    finish_move(position);
}

void list_state::move_up() noexcept {
    view_list& views = recent_views();
    list_position position = host_position();
    size_t guard = step_limit();
    do {
        --cursor_;
        --position.select;
        if (cursor_ == views.end()) {
            --cursor_;
            position.select = line_count() - 1;
        }
    } while (shown_in_other_panel(*cursor_) && --guard > 0);
    finish_move(position);
}

void list_state::move_home() noexcept {
    list_position position{0, 0};
    cursor_ = recent_views().begin();
    skip_disabled(+1, position);
    finish_move(position);
}

void list_state::move_end() noexcept {
    list_position position{line_count() - 1, 0};
    cursor_ = --recent_views().end();
    skip_disabled(-1, position);
    finish_move(position);
}

void list_state::page_up() noexcept {
    view_list& views = recent_views();
    list_position position = host_position();
    for (int32_t steps = page_lines(); steps > 0; --steps) {
        --cursor_;
        --position.select;
        if (cursor_ == views.end()) {
            cursor_ = views.begin();
            position.select = 0;
            break;
        }
    }
    skip_disabled(+1, position);
    finish_move(position);
}

void list_state::page_down() noexcept {
    view_list& views = recent_views();
    list_position position = host_position();
    for (int32_t steps = page_lines(); steps > 0; --steps) {
        ++cursor_;
        ++position.select;
        if (cursor_ == views.end()) {
            --cursor_;
            position.select = line_count() - 1;
            break;
        }
    }
    skip_disabled(-1, position);
    finish_move(position);
}

void list_state::refill_if_invalidated(bool was_valid, list_position position) noexcept {
    if (was_valid && !(*cursor_)->is_valid()) fill_list(cursor_, position);
}

void list_state::finish_move(list_position position) noexcept {
    view* chosen = *cursor_;
    chosen->refresh_validity();
    const bool valid = chosen->is_valid();
    owner_.send(dm_enable_redraw, 0, 0);
    fill_list(cursor_, position);
    apply_once(chosen);
    refill_if_invalidated(valid, position);
    owner_.send(dm_enable_redraw, 1, 0);
    owner_.send(dm_redraw, 0, 0);
    compute_top(position);
    owner_.send(dm_list_set_position, 1, &position);
}

}  // namespace tolvik
