// The extended dialog's modal loop and how a dialog closes.
#include "dialogs.h"

#include <cstdint>
#include <cstring>
#include <utility>

#include "dialog_internal.h"
#include "host/constants.h"
#include "host/text_field.h"

namespace tolvik::emu {

namespace {

dialog_engine* active_engine = nullptr;

constexpr int32_t max_dialog_items = 4096;

bool can_take_focus(const FarDialogItem& item) {
    if (item.flags & (flag_hidden | flag_no_focus)) return false;
    return item.type == item_button || item.type == item_list_box;
}

}  // namespace

std::string field_text(const char* field, size_t size) {
    return std::string(field ? field : "", field_length(field, size));
}

std::string open_dialog::title() const {
    for (const dialog_item_state& item : items)
        if (item.record.type == item_double_box) return field_text(item.record.text, item_text_size);
    return {};
}

dialog_engine::dialog_engine(dialog_environment environment) : env_(std::move(environment)) {
    previous_active_ = active_engine;
    active_engine = this;
}

dialog_engine::~dialog_engine() {
    if (active_engine == this) active_engine = previous_active_;
}

dialog_engine* dialog_engine::active() { return active_engine; }

size_t dialog_engine::log(std::string_view service, std::vector<int32_t> args, std::vector<int32_t> values,
                          std::vector<std::string> texts) const {
    if (!env_.calls) return SIZE_MAX;
    return env_.calls->add(call_kind::service, service, std::move(args), std::move(values), std::move(texts));
}

void dialog_engine::log_result(size_t index, int32_t result) const {
    if (env_.calls && index != SIZE_MAX) env_.calls->set_result(index, result);
}

void dialog_engine::fail(const std::string& text) const {
    if (env_.failure) env_.failure(text);
}

void dialog_engine::clear_records() {
    history_.clear();
    boxes_.clear();
    help_requests_.clear();
    redraws_ = 0;
    skipped_redraws_ = 0;
}

open_dialog* dialog_engine::find(host_handle dialog) {
    for (auto& open : stack_)
        if (open->handle == dialog) return open.get();
    return nullptr;
}

param_t dialog_engine::notify(open_dialog& dialog, int32_t message, int32_t param1, param_t param2) {
    if (!dialog.proc) return default_proc(dialog.handle, message, param1, param2);
    return dialog.proc(dialog.handle, message, param1, param2);
}

void dialog_engine::request_close(open_dialog& dialog, int32_t item) {
    // A close asked for while the close notification runs (or after it was
    // accepted) is the same close.
    if (dialog.closing || dialog.in_close_notification) return;
    dialog.in_close_notification = true;
    param_t allowed = notify(dialog, dn_close, item, 0);
    dialog.in_close_notification = false;
    if (allowed != 0) {
        dialog.closing = true;
        dialog.result = item;
    }
}

// More lines than any list box the plugin builds; beyond it a count is bogus.
constexpr int32_t max_list_lines = 100000;

bool read_list_lines(const list_record* list, std::vector<list_item>& out, std::string& problem) {
    out.clear();
    if (!list) return true;
    if (list->count < 0 || list->count > max_list_lines) {
        problem = "list record with count " + std::to_string(list->count);
        return false;
    }
    if (list->count > 0 && !list->items) {
        problem = "list record with count " + std::to_string(list->count) + " and no items";
        return false;
    }
    out.assign(list->items, list->items + list->count);
    return true;
}

int32_t dialog_engine::run_dialog(int32_t module_number, int32_t left, int32_t top, int32_t width,
                                  int32_t height, const char* help_topic, FarDialogItem* items,
                                  int32_t item_count, uint32_t reserved, uint32_t flags, dialog_proc_fn proc,
                                  param_t param) {
    bool items_readable = item_count >= 0 && item_count <= max_dialog_items && (item_count == 0 || items);
    auto owned =
        std::make_unique<open_dialog>(open_dialog{.module_number = module_number,
                                                  .requested_left = left,
                                                  .requested_top = top,
                                                  .left = left,
                                                  .top = top,
                                                  .width = width,
                                                  .height = height,
                                                  .help_topic = field_text(help_topic, max_text_length),
                                                  .has_help_topic = help_topic != nullptr,
                                                  .flags = flags,
                                                  .proc = proc,
                                                  .param = param});
    open_dialog& dialog = *owned;
    if (items_readable) {
        dialog.items.resize(static_cast<size_t>(item_count));
        for (int32_t i = 0; i < item_count; ++i) dialog.items[static_cast<size_t>(i)].record = items[i];
    }
    size_t entry =
        logging()
            ? log(service::dialog_ex,
                  {module_number, left, top, width, height, pointer_value(help_topic), pointer_value(items),
                   item_count, static_cast<int32_t>(reserved), static_cast<int32_t>(flags),
                   pointer_value(reinterpret_cast<const void*>(proc)), param},
                  {}, {dialog.help_topic, dialog.title()})
            : SIZE_MAX;

    if (!items_readable) {
        fail("dialog_ex with " + std::to_string(item_count) + " items at " +
             (items ? "a pointer" : "a null pointer"));
        log_result(entry, -1);
        return -1;
    }
    if (env_.input && env_.input->take_if(input_kind::refuse_dialog)) {
        log_result(entry, -1);
        return -1;
    }
    if (stack_.size() >= max_depth) {
        fail("dialog '" + dialog.title() + "' opened " + std::to_string(max_depth + 1) + " dialogs deep");
        log_result(entry, -1);
        return -1;
    }

    dialog.id = next_id_++;
    // Handles are never reused: a stale one is caught by find(). A handle is
    // a token the plugin hands back, never dereferenced.
    // NOLINTNEXTLINE(performance-no-int-to-ptr)
    dialog.handle = reinterpret_cast<host_handle>(static_cast<uintptr_t>(0x7D000000u + dialog.id * 16u));
    dialog.depth = static_cast<int32_t>(stack_.size());
    for (int32_t i = 0; i < item_count; ++i) {
        dialog_item_state& item = dialog.items[static_cast<size_t>(i)];
        if (item.record.type == item_list_box) {
            std::string problem;
            if (!read_list_lines(item.record.list, item.lines, problem))
                fail("dialog '" + dialog.title() + "' item " + std::to_string(i) + ": " + problem);
        }
        if (dialog.focus < 0 && item.record.focus != 0) dialog.focus = i;
    }
    for (int32_t i = 0; dialog.focus < 0 && i < item_count; ++i)
        if (can_take_focus(dialog.items[static_cast<size_t>(i)].record)) dialog.focus = i;
    centre(dialog, left == -1, top == -1);

    stack_.push_back(std::move(owned));
    if (env_.calls) env_.calls->enter();
    changed();
    notify(dialog, dn_init, 0, param);
    run_loop(dialog);
    if (env_.calls) env_.calls->leave();

    int32_t result = dialog.result;
    history_.push_back(std::move(dialog));
    stack_.pop_back();
    changed();
    log_result(entry, result);
    return result;
}

void dialog_engine::run_loop(open_dialog& dialog) {
    while (!dialog.closing) {
        input_event event;
        if (!env_.input || !env_.input->next(event)) {
            fail("input ran out while dialog '" + dialog.title() + "' was open");
            request_close(dialog, -1);
            if (!dialog.closing) {
                fail("dialog '" + dialog.title() + "' refused to close after the input ran out");
                dialog.closing = true;
                dialog.result = -1;
            }
            break;
        }
        switch (event.kind) {
            case input_kind::key:
                if (notify(dialog, dn_key, dialog.focus < 0 ? 0 : dialog.focus, event.code) == 0 &&
                    !dialog.closing)
                    key_default(dialog, event.code);
                break;
            case input_kind::idle:
                notify(dialog, dn_idle, 0, 0);
                break;
            case input_kind::ctrl_down:
            case input_kind::ctrl_up:
                if (env_.set_ctrl_held) env_.set_ctrl_held(event.kind == input_kind::ctrl_down);
                break;
            case input_kind::cancel:
            case input_kind::close:
                request_close(dialog, event.kind == input_kind::cancel ? -1 : event.code);
                break;
            case input_kind::shutdown:
                dialog.closing = true;
                dialog.result = -1;
                break;
            case input_kind::notification:
                notify(dialog, event.code, 0, 0);
                break;
            case input_kind::refuse_dialog:
                break;
        }
        changed();
    }
}

}  // namespace tolvik::emu
