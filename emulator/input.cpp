#include "input.h"

#include <cstdio>
#include <utility>

namespace tolvik::emu {

std::string describe(const input_event& event) {
    switch (event.kind) {
        case input_kind::key: {
            char buffer[32];
            // At most 8 hex digits: always fits.
            (void)std::snprintf(buffer, sizeof buffer, "key 0x%X", static_cast<unsigned>(event.code));
            return buffer;
        }
        case input_kind::ctrl_down:
            return "ctrl down";
        case input_kind::ctrl_up:
            return "ctrl up";
        case input_kind::idle:
            return "idle";
        case input_kind::cancel:
            return "cancel";
        case input_kind::close:
            return "close with item " + std::to_string(event.code);
        case input_kind::shutdown:
            return "shutdown";
        case input_kind::refuse_dialog:
            return "refuse the next dialog";
        case input_kind::notification:
            return "notification " + std::to_string(event.code);
    }
    return "unknown event";
}

void input_queue::push(const input_event& event) { events_.push_back(event); }

void input_queue::key(int32_t code) { push({input_kind::key, code}); }

void input_queue::keys(std::initializer_list<int32_t> codes) {
    for (int32_t code : codes) key(code);
}

void input_queue::ctrl_down() { push({input_kind::ctrl_down, 0}); }

void input_queue::ctrl_up() { push({input_kind::ctrl_up, 0}); }

void input_queue::idle(int count) {
    for (int i = 0; i < count; ++i) push({input_kind::idle, 0});
}

void input_queue::cancel() { push({input_kind::cancel, 0}); }

bool input_queue::next(input_event& event) {
    if (!events_.empty()) {
        event = events_.front();
        events_.pop_front();
        return true;
    }
    return source_ && source_(event);
}

bool input_queue::take_if(input_kind kind) {
    if (events_.empty() || events_.front().kind != kind) return false;
    events_.pop_front();
    return true;
}

void input_queue::set_source(source_fn source) { source_ = std::move(source); }

}  // namespace tolvik::emu
