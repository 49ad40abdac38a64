// The four functions that fill one of the host's dialog item records each.
//
// Every filler writes only the fields it names and leaves the others as they
// were; a text is copied, cut to fit, with its terminator into the item's
// 512-character text, and a null text counts as empty.
#pragma once

#include <cstdint>

#include "host/dialog_items.h"

namespace tolvik {

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
