// The list of the view list dialog: the lines handed to the host, the cursor
// entry, the last applied view, and every action that moves the cursor or
// edits the list. The dialog object owns its one list; the list reaches the
// dialog's list box item and running dialog through `owner`.
//
// Invariants while the dialog runs: `cursor_` is a position in recent_views
// and never its end, and never a disabled entry (a view the other panel
// shows, shown_in_other_panel); `last_applied_` is the view the dialog last
// applied to the active panel (a registry view, not owned). `record_` refers
// to the block of `lines_` (or is empty) and is what the host reads the lines
// from.
#pragma once

#include <cstdint>

#include "dialog/line_buffer.h"
#include "host/dialog_items.h"
#include "registry/registry.h"

namespace tolvik {

class view_list_dialog_impl;

class list_state {
public:
    explicit list_state(view_list_dialog_impl& owner) noexcept : owner_(owner) {}
    list_state(const list_state&) = delete;
    list_state& operator=(const list_state&) = delete;

    // Layout and rendering.
    // Sets the label width; `width` := the longest line estimate + the list's
    // right gap.
    void measure_lines(int& width) noexcept;
    // cursor := entry; rewrites every line; while the dialog runs, hands the
    // list to it and sets the list position (top line recomputed from a copy).
    void fill_list(view_position entry, list_position position) noexcept;
    // Rewrites the top line of `position` from its cursor index.
    void compute_top(list_position& position) const noexcept;

    // Opening: the active panel shows the cursor entry's view, which becomes
    // the last applied view (the opening applies none).
    void mark_cursor_applied() noexcept { last_applied_ = *cursor_; }

    // Closing.
    void commit() noexcept;
    void revert() noexcept;

    // Cursor moves, each with a live preview of the view under the cursor.
    void move_up() noexcept;
    void move_down() noexcept;
    void move_home() noexcept;
    void move_end() noexcept;
    void page_up() noexcept;
    void page_down() noexcept;

    // Editing; the dialog stays open.
    void create_view() noexcept;
    void duplicate_view() noexcept;
    void delete_view() noexcept;
    void renumber() noexcept;
    void refresh() noexcept;

    // The list record the list box item refers to; it must outlive the item.
    list_record& record() noexcept { return record_; }
    const line_buffer& lines() const noexcept { return lines_; }
    const view_list_dialog_impl& owner() const noexcept { return owner_; }
    view_position cursor() const noexcept { return cursor_; }
    view* last_applied() const noexcept { return last_applied_; }
    int label_width() const noexcept { return label_width_; }

private:
    // Number of lines the cursor walks: the length of recent_views.
    int32_t line_count() const noexcept;
    // The list box's page height.
    int32_t page_lines() const noexcept;
    // Asks the host for the highlighted position (message 30), kept in range.
    list_position host_position() const noexcept;
    void finish_move(list_position position) noexcept;
    void finish_edit(list_position position) noexcept;
    // Applies `chosen` to the panel unless it is the view last applied.
    void apply_once(view* chosen) noexcept;
    // After the cursor entry's view was applied: when the host could not
    // enter its folder (the view was valid, `was_valid`, and is not now), its
    // line, written before the apply, is written again to say so.
    void refill_if_invalidated(bool was_valid, list_position position) noexcept;
    // Moves past disabled entries, forward (+1) or backward (-1), wrapping at
    // the list ends; `position` follows the cursor.
    void skip_disabled(int direction, list_position& position) noexcept;

    list_record record_{};
    line_buffer lines_;
    view_list_dialog_impl& owner_;
    view_position cursor_{};
    view* last_applied_ = nullptr;
    int label_width_ = 0;
};

}  // namespace tolvik
