// The list part of the view list dialog: the lines handed to the host, the
// cursor entry, the last applied view, and every action that moves the cursor
// or edits the list.
//
// Invariants while the dialog runs: `cursor` is a position in recent_views and
// never its end, and never a disabled entry (a view the other panel shows);
// `last_applied` is the view the dialog last applied to the active panel (a
// registry view, not owned). `list_record` refers to the block of `lines` (or
// is empty) and is what the host reads the lines from.
#pragma once

#include <cstdint>

#include "dialog/line_buffer.h"
#include "host/dialog_items.h"
#include "registry/registry.h"

namespace tolvik {

class view_list_dialog_impl;

class list_state {
public:
    explicit list_state(view_list_dialog_impl& owner) noexcept : owner(owner) {}
    list_state(const list_state&) = delete;
    list_state& operator=(const list_state&) = delete;

    // Layout and rendering.
    // Sets label_width; `width` := the longest line estimate + 4.
    void measure_lines(int& width) noexcept;
    // cursor := entry; rewrites every line; while the dialog runs, hands the
    // list to it and sets the list position (top line recomputed from a copy).
    void fill_list(view_position entry, list_position position) noexcept;
    // Rewrites the top line of `position` from its cursor index.
    void compute_top(list_position& position) const noexcept;

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

    // Fields.
    ::tolvik::list_record list_record{};
    line_buffer lines;
    view_list_dialog_impl& owner;
    view_position cursor{};
    view* last_applied = nullptr;
    int label_width = 0;

private:
    // Number of lines the cursor walks: the length of recent_views.
    int32_t line_count() const noexcept;
    // The list box's page height.
    int32_t page_lines() const noexcept;
    // Asks the host for the highlighted position (message 30), kept in range.
    list_position host_position() const noexcept;
    void finish_move(list_position position) noexcept;
    void finish_edit(list_position position) noexcept;
    // Moves past disabled entries, forward (+1) or backward (-1), wrapping at
    // the list ends; `position` follows the cursor.
    void skip_disabled(int direction, list_position& position) noexcept;
};

// True when the view's line is disabled (the other panel shows it).
bool is_disabled_entry(const view* v) noexcept;

}  // namespace tolvik
