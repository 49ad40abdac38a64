#include "host/old_host.h"

#include "host/constants.h"

namespace tolvik::old_host {
namespace {

int32_t module_number = 0;
get_message_fn get_message = nullptr;
message_box_fn message_box = nullptr;

// True when a record of `size` bytes holds the field ending at `end`.
bool covers(uint32_t size, size_t end) { return size >= end; }

}  // namespace

void remember(const startup_info* record) {
    get_message = nullptr;
    message_box = nullptr;
    if (!record) return;
    uint32_t size = record->size;
    if (!covers(size, TOLVIK_FIELD_END(startup_info, module_number))) return;
    module_number = record->module_number;
    if (covers(size, TOLVIK_FIELD_END(startup_info, message_box))) message_box = record->message_box;
    if (covers(size, TOLVIK_FIELD_END(startup_info, get_message))) get_message = record->get_message;
}

const char* message_lookup(int32_t id) { return get_message ? get_message(module_number, id) : nullptr; }

void warn() {
    if (!get_message || !message_box) return;
    const char* texts[3];
    for (int i = 0; i < 3; ++i) {
        const char* text = get_message(module_number, msg_too_old_title + i);
        texts[i] = text ? text : "";
    }
    message_box(module_number, style_warning, nullptr, texts, 3, 1);
}

}  // namespace tolvik::old_host
