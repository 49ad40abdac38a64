#include "dialog/warning_box.h"

#include <cstring>

#include "base/windows_calls.h"
#include "dialog/item_fillers.h"
#include "dialog/layout.h"
#include "dialog/text.h"
#include "host/constants.h"
#include "host/services.h"
#include "registry/registry.h"

namespace tolvik {
namespace {

// The box being shown; its procedure acts on it. Set only during show_warning.
warning_box* shown_box = nullptr;

const char* current_label() noexcept {
    view* shown = current_view();
    return message_text(shown ? shown->type_label_id() : msg_label_other);
}

int max_of(int a, int b) { return a > b ? a : b; }

}  // namespace

void warning_box::show_warning(bool ctrl, int title_id) noexcept {
    const auto [mx, my] = layout::margins_for(ctrl);
    ctrl_mode = ctrl;

    // The type line: message 11 with the label put into its "%s" by hand, so
    // that an edited language file can never act as a format.
    char line[item_text_size];
    int n = static_cast<int>(
        substitute_string(line, sizeof line, message_text(msg_warning_format), current_label()));

    const char* title = message_text(title_id);
    const char* fixed_line = message_text(msg_warning_line);
    int text_width = max_of(static_cast<int>(message_length(fixed_line)), n);
    int inner = max_of(text_width, static_cast<int>(message_length(title)) + layout::warning_title_gap);
    int w = inner + 2 * mx + layout::warning_frame_columns;
    int h = 3 * my + layout::warning_rows;

    std::memset(items, 0, sizeof items);
    set_box_item(items[0], mx, my, w - mx - 1, h - my - 1, title, 0);
    set_text_item(items[1], -1, my + 1, fixed_line, 0);
    set_text_item(items[2], -1, my + 2, line, 0);
    set_button_item(items[3], -1, h - my - 2, message_text(msg_ok),
                    ctrl ? flag_hidden | flag_button_centered : flag_button_centered);
    items[3].focus = 1;
    items[3].default_button = 1;

    warning_box* outer = shown_box;
    shown_box = this;
    run_dialog(w, h, nullptr, items, 4, style_warning, warning_proc);
    shown_box = outer;
    dialog_handle = nullptr;
}

param_t TOLVIK_API warning_proc(host_handle dialog, int32_t message, int32_t param1, param_t param2) {
    warning_box* box = shown_box;
    if (box && message == dn_init) {
        box->dialog_handle = dialog;
        return 0;
    }
    if (box && message == dn_idle && box->ctrl_mode && box->dialog_handle && !ctrl_held()) {
        send_dialog_message(box->dialog_handle, dm_close, 0, 0);
    }
    return default_dialog_proc(dialog, message, param1, param2);
}

}  // namespace tolvik
