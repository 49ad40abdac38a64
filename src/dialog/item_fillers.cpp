#include "dialog/item_fillers.h"

#include "dialog/text.h"

namespace tolvik {
namespace {

void set_common(FarDialogItem& item, dialog_item_type type, int left, int top, const char* text,
                uint32_t flags) noexcept {
    item.type = type;
    item.left = left;
    item.top = top;
    copy_text(item.text, sizeof item.text, text);
    item.flags = flags;
    item.focus = 0;
    item.default_button = 0;
}

}  // namespace

void set_box_item(FarDialogItem& item, int left, int top, int right, int bottom, const char* title,
                  uint32_t flags) noexcept {
    set_common(item, item_double_box, left, top, title, flags);
    item.right = right;
    item.bottom = bottom;
}

void set_list_box_item(FarDialogItem& item, int left, int top, int right, int bottom, list_record& list,
                       uint32_t flags) noexcept {
    set_common(item, item_list_box, left, top, "", flags);
    item.right = right;
    item.bottom = bottom;
    item.list = &list;
}

void set_text_item(FarDialogItem& item, int left, int top, const char* text, uint32_t flags) noexcept {
    set_common(item, item_text, left, top, text, flags);
}

void set_button_item(FarDialogItem& item, int left, int top, const char* text, uint32_t flags) noexcept {
    set_common(item, item_button, left, top, text, flags);
}

}  // namespace tolvik
