// A fixed array of host dialog item records that a dialog hands to the host,
// and the four functions that fill one record each.
//
// Every filler writes only the fields it names and leaves the others as they
// were; a text is copied, cut to fit, with its terminator into the item's
// 512-character text, and a null text counts as empty.
#pragma once

#include <cstddef>
#include <cstdint>

#include "host/dialog_items.h"

namespace tolvik {

// N records of type T, zero-filled at construction. The array's address is
// what the host receives as the dialog's item array.
template <class T, size_t N>
class static_items {
public:
    T items[N] = {};
};

// Double box: type 3, the four coordinates, title, flags; focus and default 0.
void set_box_item(FarDialogItem& item, int left, int top, int right, int bottom, const char* title,
                  uint32_t flags) noexcept;

// List box: type 11, the four coordinates, the list record it shows (which
// must outlive the dialog's use of it), empty text, flags; focus and default 0.
void set_list_box_item(FarDialogItem& item, int left, int top, int right, int bottom, list_record& list,
                       uint32_t flags) noexcept;

// Text line: type 0, left and top, text, flags; focus and default 0.
void set_text_item(FarDialogItem& item, int left, int top, const char* text, uint32_t flags) noexcept;

// Button: type 7, left and top, text, flags; focus and default 0.
void set_button_item(FarDialogItem& item, int left, int top, const char* text, uint32_t flags) noexcept;

}  // namespace tolvik
