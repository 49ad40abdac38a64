// file_panel_view: a snapshot of one host panel: the host's whole panel record,
// a private deep copy of its items with their strings, and a valid flag.
//
// Ownership: the view owns its item array and every string the items point
// to (one block per snapshot); the host's array is never referenced after a
// capture. `record().items` points into the view's own block.
//
// Untrusted input: a negative item count or a null item array is an empty
// panel; a null custom column entry stays null; a negative custom column count
// means no custom columns; the directory and file names are read within their
// 260 characters, and path() is always NUL-terminated.
#pragma once

#include <cstddef>
#include <cstdint>

#include "host/panel_info.h"
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
    // the old snapshot is then kept whole.
    bool recapture(const panel_info& record) noexcept;

    int type_label_id() const override;
    const char* path() const override;
    const char* short_path(int width) const override;
    bool is_unsupported() const override;
    bool is_valid() const override;
    void refresh_validity() override;
    void apply() override;
    file_panel_view* clone() const override;
    ~file_panel_view() override;

    // The stored record: items/item_count describe the view's own copy.
    const panel_info& record() const noexcept { return info; }

private:
    file_panel_view() noexcept;

    // Fills `info` with `record` and a fresh copy of its items; false (and
    // `info`, `items_block` untouched) when memory runs out.
    bool copy_items(const panel_info& record) noexcept;
    // True while `record` is the panel as apply leaves it for a gone view:
    // exactly "C:\", a plain file panel in this snapshot's view mode, sort
    // mode and order, nothing selected. Cursor and top line do not count.
    // Never true for an unsupported snapshot, which is no plain file panel.
    bool shows_fallback_state(const panel_info& record) const noexcept;
    // Frees the owned items and their strings.
    void free_items() noexcept;

    panel_info info{};
    bool valid = false;
    void* items_block = nullptr;  // owns the item array and all its strings
    size_t block_bytes = 0;       // the size of items_block
};

// Creation functions; each returns a view owned by the caller, or null.
file_panel_view* capture_active_panel() noexcept;
file_panel_view* capture_passive_panel() noexcept;
// Moves the active panel to "C:\" (command 16), then captures it.
file_panel_view* capture_root_panel() noexcept;

}  // namespace tolvik
