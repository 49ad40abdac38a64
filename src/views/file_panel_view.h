// file_panel_view: a snapshot of one host panel: the host's whole panel record,
// a copy of its items with their strings, and a valid flag.
//
// Ownership: the item array and every string the items point to live in one
// snapshot_block, of which the view holds one share. A capture makes a new
// block; a clone shares its source's block (copy on write), so N clones of a
// view hold one copy of its items. The block is read-only while it is shared;
// a re-capture rewrites it in place only while this view is its sole owner,
// and otherwise moves the view to a new block and leaves the others theirs.
// The view's share is dropped when a re-capture replaces the snapshot and at
// destruction; the block goes with its last share. The host's array is never
// referenced after a capture. `record().items` points into the view's block:
// nobody writes through it.
//
// Untrusted input: a negative item count or a null item array is an empty
// panel; a null custom column entry stays null; a negative custom column count
// means no custom columns; the directory and file names are read within their
// 260 characters, and path() is always NUL-terminated.
#pragma once

#include <cstddef>
#include <cstdint>

#include "host/panel_info.h"
#include "views/snapshot_block.h"
#include "views/view.h"

namespace tolvik {

// The directory a gone view is applied at and a new view is captured at.
inline constexpr char fallback_directory[] = "C:\\";

class file_panel_view final : public view {
public:
    // A view of `record` (the host's record or a copy), or null when memory
    // runs out; nothing is left behind on failure.
    static file_panel_view* create(const panel_info& record) noexcept;

    // Re-reads the active (command 1) or passive (command 2) panel and
    // re-captures from it.
    bool recapture_from_active() noexcept;
    bool recapture_from_passive() noexcept;
    // Replaces the snapshot with `record` and makes the view valid, unless
    // this view is not valid and `record` still shows the fallback state that
    // apply left (then nothing changes). Returns false when memory runs out:
    // the old snapshot is then kept whole. Needs memory only when the block
    // is shared or the new snapshot is of another size.
    bool recapture(const panel_info& record) noexcept;

    int type_label_id() const override;
    const char* path() const override;
    const char* short_path(int width) const override;
    bool is_unsupported() const override;
    bool is_valid() const override;
    void refresh_validity() override;
    void apply() override;
    // A view with a number of its own, this view's record and validity, and a
    // share of this view's block: no item is copied.
    file_panel_view* clone() const override;
    ~file_panel_view() override;

    // The stored record: items/item_count describe the view's copy, which
    // its clones may share (read only).
    const panel_info& record() const noexcept { return info; }

private:
    file_panel_view() noexcept;
    // Copy construction: a new number, no slots, and a share of the source's
    // block.
    file_panel_view(const file_panel_view& source) noexcept;
    // A view built from `source` (nothing, or the view to copy) in memory of
    // its own; null when that memory or a view number cannot be had.
    template <class... Source>
    static file_panel_view* build(const Source&... source) noexcept;

    // Fills `info` with `record` and a copy of its items, in place when this
    // view alone holds a block of about the right size, else in a new block;
    // false (and `info`, `block` untouched) when memory runs out.
    bool copy_items(const panel_info& record) noexcept;
    // True while `record` is the panel as apply leaves it for a gone view:
    // exactly "C:\", a plain file panel in this snapshot's view mode, sort
    // mode and order, nothing selected. Cursor and top line do not count.
    // Never true for an unsupported snapshot, which is no plain file panel.
    bool shows_fallback_state(const panel_info& record) const noexcept;
    // Drops this view's share of its block (the last share frees the items
    // and their strings) and empties `info`'s item array.
    void free_items() noexcept;

    panel_info info{};
    bool valid = false;
    // The item array and all its strings; never null in a view that create
    // or clone returned.
    snapshot_block* block = nullptr;
};

// Creation functions; each returns a view owned by the caller, or null.
file_panel_view* capture_active_panel() noexcept;
file_panel_view* capture_passive_panel() noexcept;
// Moves the active panel to "C:\" (command 16), then captures it.
file_panel_view* capture_root_panel() noexcept;

}  // namespace tolvik
