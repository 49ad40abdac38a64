// The abstract view: a saved state of a host panel that either panel can be
// switched to. Concrete kinds (file_panel_view) give the operations meaning.
//
// Ownership: a view is owned by the registry's all_views list; it owns only the
// entries of its `slots` list, never the panel slots they point to.
#pragma once

#include <cstdint>

#include "base/dlist.h"

namespace tolvik {

class panel_slot;

class view {
public:
    using slot_list = dlist<panel_slot*>;

    // The panel slots showing this view, in the order they started showing it
    // (first = showing it the longest). Changed only through add_slot and
    // remove_slot, which panel_slot calls; readers may look at size() and
    // front().
    slot_list slots;
    // The view number: at least 1 once the view is built, unique among live
    // views and held in the view number set. Rewritten only by renumber_views.
    int32_t number;

    // Host message number of the label naming the panel type (12 to 17).
    virtual int type_label_id() const = 0;
    // The captured directory, NUL-terminated; valid while the view lives and
    // until it is re-captured.
    virtual const char* path() const = 0;
    // The directory shortened to at most `width` characters, in a buffer
    // shared by all views: valid until the next short_path call on any view.
    virtual const char* short_path(int width) const = 0;
    // True when the view cannot be switched to (not a plain file panel).
    virtual bool is_unsupported() const;
    // True when the directory existed at the last test and the last apply,
    // if any since, could enter it.
    virtual bool is_valid() const = 0;
    // Tests the directory on disk and updates is_valid.
    virtual void refresh_validity() = 0;
    // Applies the view to the host's active panel. A folder that exists but
    // that the host cannot enter makes the view not valid: it is then applied
    // as a view whose folder is gone.
    virtual void apply() = 0;
    // A copy with a number of its own and no slots, owned by the caller, or
    // null when memory runs out (then nothing is left behind).
    virtual view* clone() const = 0;
    // Gives the number back and frees the slot list's entries. The slots
    // themselves are not told: whoever destroys a view detaches them first.
    virtual ~view();

    // Appends `slot` to `slots`; false (nothing changed) when memory runs out.
    bool add_slot(panel_slot* slot) noexcept;
    // Removes the first entry referring to `slot`. REQUIRES: it is listed.
    void remove_slot(panel_slot* slot) noexcept;

    view(const view&) = delete;
    view& operator=(const view&) = delete;

protected:
    // Takes the smallest free view number. When the number set runs out of
    // memory, `number` stays 0 and the concrete kind's factory must destroy the
    // object and report failure (has_number() tells).
    view() noexcept;
    bool has_number() const noexcept { return number != 0; }
};

}  // namespace tolvik
