// The message box service, the box it shows (scrolled when it is taller
// than the screen) and the help file that F1 shows through it.
#include "dialog_internal.h"
#include "dialogs.h"
#include "help_file.h"
#include "host/constants.h"
#include "text_box.h"
#include "text_file.h"

namespace tolvik::emu {

namespace {

constexpr int32_t max_box_texts = 1000;

}  // namespace

int32_t dialog_engine::message_box(int32_t module_number, uint32_t flags, const char* help_topic,
                                   const char* const* items, int32_t item_count, int32_t button_count) {
    bool texts_readable = item_count >= 0 && item_count <= max_box_texts && (item_count == 0 || items);
    std::vector<std::string> texts{field_text(help_topic, max_text_length)};
    bool null_text = false;
    if (texts_readable)
        for (int32_t i = 0; i < item_count; ++i) {
            null_text = null_text || !items[i];
            texts.push_back(field_text(items[i], max_text_length));
        }
    size_t entry = log(service::message_box,
                       {module_number, static_cast<int32_t>(flags), pointer_value(help_topic),
                        pointer_value(items), item_count, button_count},
                       {}, texts);
    if (!texts_readable) {
        fail("message box with " + std::to_string(item_count) + " texts at " +
             (items ? "a pointer" : "a null pointer"));
        log_result(entry, -1);
        return -1;
    }
    if (null_text) fail("message box with a null text pointer");
    int32_t max_buttons = item_count > 0 ? item_count - 1 : 0;
    if (button_count < 0 || button_count > max_buttons) {
        fail("message box with " + std::to_string(button_count) + " buttons for " +
             std::to_string(item_count) + " texts");
        button_count = button_count < 0 ? 0 : max_buttons;
    }

    message_box_run box;
    box.flags = flags;
    box.has_help_topic = help_topic != nullptr;
    box.help_topic = texts[0];
    if (item_count > 0) box.title = texts[1];
    for (int32_t i = 1; i < item_count; ++i) {
        if (i < item_count - button_count)
            box.lines.push_back(texts[static_cast<size_t>(i) + 1]);
        else
            box.buttons.push_back(texts[static_cast<size_t>(i) + 1]);
    }
    int32_t result = show_box(std::move(box));
    log_result(entry, result);
    return result;
}

int32_t dialog_engine::show_box(message_box_run box) {
    // A box the host does not show is not recorded either.
    if (env_.input && env_.input->take_if(input_kind::refuse_dialog)) return -1;
    showing_box_ = &box;
    box_first_line_ = 0;
    changed();
    int32_t result = -1;
    input_event event;
    // An empty queue closes the box at once: tests need not answer every box.
    while (env_.input && env_.input->next(event)) {
        if (event.kind == input_kind::cancel || event.kind == input_kind::close ||
            event.kind == input_kind::shutdown)
            break;
        if (event.kind == input_kind::ctrl_down || event.kind == input_kind::ctrl_up) {
            if (env_.set_ctrl_held) env_.set_ctrl_held(event.kind == input_kind::ctrl_down);
            continue;
        }
        if (event.kind != input_kind::key) continue;
        if (env_.display) {
            text_box shown{box.title, box.lines, box.buttons};
            int32_t count = static_cast<int32_t>(box.lines.size());
            int32_t first = scrolled(event.code, box_first_line_, visible_lines(*env_.display, shown), count);
            if (first >= 0) {
                box_first_line_ = first;
                changed();
                continue;
            }
        }
        if (event.code == key::esc) break;
        if (event.code == key::enter) {
            result = 0;
            break;
        }
    }
    showing_box_ = nullptr;
    box.result = result;
    boxes_.push_back(std::move(box));
    changed();
    return result;
}

bool dialog_engine::load_help(const std::string& path) {
    std::optional<std::string> contents = read_text_file(path);
    if (!contents) return false;
    set_help_text(*contents);
    return true;
}

void dialog_engine::set_help_text(const std::string& text) { help_text_ = text; }

std::string dialog_engine::help_topic_text(const std::string& topic) const {
    return help_file::topic_text(help_text_, topic);
}

std::string dialog_engine::help_topic_title(const std::string& topic) const {
    return help_file::topic_title(help_text_, topic);
}

}  // namespace tolvik::emu
