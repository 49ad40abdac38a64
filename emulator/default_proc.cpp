// The host's default dialog procedure (Esc, Enter, F1) and the stdcall
// services that forward to the active engine.
#include "dialog_internal.h"
#include "dialogs.h"
#include "help_file.h"
#include "host/constants.h"
#include "host_keys.h"

namespace tolvik::emu {

void dialog_engine::key_default(open_dialog& dialog, int32_t code) {
    if (code == key::esc) {
        request_close(dialog, -1);
    } else if (code == key::enter) {
        int32_t item = -1;
        if (dialog.focus >= 0 && dialog.items[static_cast<size_t>(dialog.focus)].record.type == item_button)
            item = dialog.focus;
        for (size_t i = 0; item < 0 && i < dialog.items.size(); ++i)
            if (dialog.items[i].record.default_button != 0) item = static_cast<int32_t>(i);
        if (item < 0) item = dialog.focus;
        request_close(dialog, item);
    } else if (code == key::f1) {
        show_help(dialog);
    }
}

void dialog_engine::show_help(open_dialog& dialog) {
    if (!dialog.has_help_topic) return;
    help_requests_.push_back(dialog.help_topic);
    log(service::help, {}, {}, {dialog.help_topic});
    std::string text = help_topic_text(dialog.help_topic);
    if (text.empty()) return;
    message_box_run box;
    box.title = help_topic_title(dialog.help_topic);
    box.lines = help_file::lines_of(text);
    box.buttons.push_back("OK");
    show_box(std::move(box));
}

param_t dialog_engine::default_proc(host_handle handle, int32_t message, int32_t param1, param_t param2) {
    if (logging()) log(service::default_dialog_proc, {pointer_value(handle), message, param1, param2});
    open_dialog* dialog = find(handle);
    if (!dialog) {
        fail("default_dialog_proc(" + std::to_string(message) + ") with an unknown dialog handle");
        return 0;
    }
    switch (message) {
        case dn_key:
            if (param2 == key::esc || param2 == key::enter || param2 == key::f1) {
                key_default(*dialog, param2);
                return 1;
            }
            return 0;
        case dn_close:  // closing is allowed
        case dn_init:
            return 1;
        default:
            return 0;  // idle and everything else: nothing to do
    }
}

int32_t TOLVIK_API dialog_ex(int32_t module_number, int32_t left, int32_t top, int32_t width, int32_t height,
                             const char* help_topic, FarDialogItem* items, int32_t item_count,
                             uint32_t reserved, uint32_t flags, dialog_proc_fn proc, param_t param) {
    dialog_engine* engine = dialog_engine::active();
    if (!engine) return -1;
    return engine->run_dialog(module_number, left, top, width, height, help_topic, items, item_count,
                              reserved, flags, proc, param);
}

param_t TOLVIK_API send_dialog_message(host_handle dialog, int32_t message, int32_t param1, param_t param2) {
    dialog_engine* engine = dialog_engine::active();
    return engine ? engine->send_message(dialog, message, param1, param2) : 0;
}

param_t TOLVIK_API default_dialog_proc(host_handle dialog, int32_t message, int32_t param1, param_t param2) {
    dialog_engine* engine = dialog_engine::active();
    return engine ? engine->default_proc(dialog, message, param1, param2) : 0;
}

int32_t TOLVIK_API message_box(int32_t module_number, uint32_t flags, const char* help_topic,
                               const char* const* items, int32_t item_count, int32_t button_count) {
    dialog_engine* engine = dialog_engine::active();
    return engine ? engine->message_box(module_number, flags, help_topic, items, item_count, button_count)
                  : -1;
}

}  // namespace tolvik::emu
