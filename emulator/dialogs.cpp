// The extended dialog's modal loop, closing, and the default dialog procedure.
#include "dialogs.h"
#include "dialog_internal.h"

#include <cstdint>
#include <cstring>
#include <utility>

#include "host/constants.h"

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
    if (!field) return {};
    const void* end = std::memchr(field, '\0', size);
    return std::string(field, end ? static_cast<const char*>(end) - field : size);
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

int32_t dialog_engine::run_dialog(int32_t module_number, int32_t left, int32_t top, int32_t width, int32_t height,
                                  const char* help_topic, FarDialogItem* items, int32_t item_count,
                                  uint32_t reserved, uint32_t flags, dialog_proc_fn proc, param_t param) {
    std::string title;
    if (items && item_count > 0 && item_count <= max_dialog_items)
        for (int32_t i = 0; i < item_count; ++i)
            if (items[i].type == item_double_box) {
                title = field_text(items[i].text, item_text_size);
                break;
            }
    std::string topic = help_topic ? field_text(help_topic, 4096) : std::string();
    size_t entry = log("dialog_ex",
                       {module_number, left, top, width, height, pointer_value(help_topic), pointer_value(items),
                        item_count, static_cast<int32_t>(reserved), static_cast<int32_t>(flags),
                        pointer_value(reinterpret_cast<const void*>(proc)), param},
                       {}, {topic, title});

    if (item_count < 0 || item_count > max_dialog_items || (item_count > 0 && !items)) {
        fail("dialog_ex with " + std::to_string(item_count) + " items at " +
             (items ? "a pointer" : "a null pointer"));
        log_result(entry, -1);
        return -1;
    }
    if (stack_.size() >= max_depth) {
        fail("dialog '" + title + "' opened " + std::to_string(max_depth + 1) + " dialogs deep");
        log_result(entry, -1);
        return -1;
    }

    auto owned = std::make_unique<open_dialog>();
    open_dialog& dialog = *owned;
    dialog.id = next_id_++;
    // Handles are never reused: a stale one is caught by find().
    dialog.handle = reinterpret_cast<host_handle>(static_cast<uintptr_t>(0x7D000000u + dialog.id * 16u));
    dialog.module_number = module_number;
    dialog.requested_left = left;
    dialog.requested_top = top;
    dialog.left = left;
    dialog.top = top;
    dialog.width = width;
    dialog.height = height;
    dialog.help_topic = topic;
    dialog.has_help_topic = help_topic != nullptr;
    dialog.flags = flags;
    dialog.proc = proc;
    dialog.param = param;
    dialog.items.resize(static_cast<size_t>(item_count));
    for (int32_t i = 0; i < item_count; ++i) {
        dialog_item_state& item = dialog.items[static_cast<size_t>(i)];
        item.record = items[i];
        if (item.record.type == item_list_box) {
            std::string problem;
            if (!read_list_lines(item.record.list, item.lines, problem))
                fail("dialog '" + title + "' item " + std::to_string(i) + ": " + problem);
        }
        if (dialog.focus < 0 && item.record.focus != 0) dialog.focus = i;
    }
    for (int32_t i = 0; dialog.focus < 0 && i < item_count; ++i)
        if (can_take_focus(dialog.items[static_cast<size_t>(i)].record)) dialog.focus = i;
    centre(dialog, left == -1, top == -1);

    stack_.push_back(std::move(owned));
    if (env_.calls) env_.calls->enter();
    redraw();
    notify(dialog, dn_init, 0, param);
    run_loop(dialog);
    if (env_.calls) env_.calls->leave();

    dialog_run record;
    record.id = dialog.id;
    record.title = dialog.title();
    record.left = dialog.left;
    record.top = dialog.top;
    record.width = dialog.width;
    record.height = dialog.height;
    record.flags = dialog.flags;
    record.help_topic = dialog.help_topic;
    record.has_help_topic = dialog.has_help_topic;
    record.items = std::move(dialog.items);
    record.result = dialog.result;
    record.depth = static_cast<int32_t>(stack_.size()) - 1;
    int32_t result = dialog.result;
    history_.push_back(std::move(record));
    stack_.pop_back();
    redraw();
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
            if (notify(dialog, dn_key, dialog.focus < 0 ? 0 : dialog.focus, event.code) == 0 && !dialog.closing)
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
            request_close(dialog, -1);
            break;
        }
        redraw();
    }
}

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
    log("help", {}, {}, {dialog.help_topic});
    std::string text = help_topic_text(dialog.help_topic);
    if (text.empty()) return;
    message_box_run box;
    box.title = dialog.help_topic;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        box.lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    box.buttons.push_back("OK");
    show_box(std::move(box));
}

param_t dialog_engine::default_proc(host_handle handle, int32_t message, int32_t param1, param_t param2) {
    log("default_dialog_proc", {pointer_value(handle), message, param1, param2});
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
    case dn_close:
        return 1;  // closing is allowed
    case dn_init:
        return 1;
    default:
        return 0;  // idle and everything else: nothing to do
    }
}

int32_t TOLVIK_API dialog_ex(int32_t module_number, int32_t left, int32_t top, int32_t width, int32_t height,
                             const char* help_topic, FarDialogItem* items, int32_t item_count, uint32_t reserved,
                             uint32_t flags, dialog_proc_fn proc, param_t param) {
    dialog_engine* engine = dialog_engine::active();
    if (!engine) return -1;
    return engine->run_dialog(module_number, left, top, width, height, help_topic, items, item_count, reserved,
                              flags, proc, param);
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
    return engine ? engine->message_box(module_number, flags, help_topic, items, item_count, button_count) : -1;
}

}  // namespace tolvik::emu
