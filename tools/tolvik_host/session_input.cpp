// Where the interactive host's events come from: the terminal's bytes
// decoded into keys and Ctrl going down and up, idle ticks when it is quiet,
// or the steps of a key script; keys held back while the screen is too
// small; and the Ctrl stand-in of the plugin's list.
#include "host/constants.h"
#include "session.h"

namespace tolvik::tools {
namespace {

constexpr int poll_ms = 100;

}  // namespace

bool session::dialog_event(emu::input_event& event) {
    for (;;) {
        paint();
        if (!next_event(event)) {
            const emu::open_dialog* open = host_.dialogs().innermost();
            if (open && ended_in_dialog_.empty()) ended_in_dialog_ = open->title();
            return false;
        }
        // Idle ticks matter only to a list opened with Ctrl held: it commits
        // on the first one after Ctrl goes up.
        if (event.kind == emu::input_kind::idle && !ctrl_at_open_) continue;
        if (event.kind == emu::input_kind::key && stand_in_ctrl_ && host_.key_held(virtual_key_control) &&
            (event.code == keys::space || (event.code & ~keys::modifiers) == keys::f(12))) {
            event = {emu::input_kind::ctrl_up, 0};
            pending_.push_front({emu::input_kind::idle, 0});
        }
        return true;
    }
}

bool session::next_event(emu::input_event& event) {
    for (;;) {
        if (!pending_.empty()) {
            event = pending_.front();
            pending_.pop_front();
        } else if (!(options_.script || source_ ? next_script_event(event) : next_terminal_event(event))) {
            return false;
        }
        if (!too_small()) return true;
        // Too small to be seen: F10 and Ctrl's state go through, other keys
        // wait, idle ticks are dropped.
        if (event.kind == emu::input_kind::key && (event.code & ~keys::modifiers) != keys::f(10))
            waiting_.push_back(event);
        else if (event.kind != emu::input_kind::idle)
            return true;
    }
}

bool session::next_step(script_step& step) {
    if (source_) return source_(step);
    if (script_at_ >= options_.script_steps.size()) return false;
    step = options_.script_steps[script_at_++];
    return true;
}

bool session::next_script_event(emu::input_event& event) {
    script_step step;
    while (next_step(step)) {
        switch (step.what) {
            case script_step::kind::dump:
                paint();
                dump_screen();
                continue;
            case script_step::kind::resize:
                resize(step.width, step.height);
                if (pending_.empty()) continue;
                event = pending_.front();  // keys that waited for the size
                pending_.pop_front();
                return true;
            case script_step::kind::idle:
                event = {emu::input_kind::idle, 0};
                return true;
            case script_step::kind::ctrl_down:
                event = {emu::input_kind::ctrl_down, 0};
                return true;
            case script_step::kind::ctrl_up:
                event = {emu::input_kind::ctrl_up, 0};
                return true;
            case script_step::kind::key:
                event = {emu::input_kind::key, step.code};
                return true;
        }
    }
    return false;
}

bool session::next_terminal_event(emu::input_event& event) {
    for (;;) {
        if (!pending_.empty()) {
            event = pending_.front();
            pending_.pop_front();
            return true;
        }
        if (terminal_.resized()) {
            int width = 80;
            int height = 25;
            terminal_.size(width, height);
            resize(width, height);
            paint();
            continue;
        }
        bool closed = false;
        std::string bytes = terminal_.read(poll_ms, closed);
        if (closed) return false;
        std::vector<terminal_event> decoded;
        if (!bytes.empty()) {
            decoder_.feed(bytes, decoded);
        } else if (decoder_.pending()) {
            decoder_.flush(decoded);
        } else {
            event = {emu::input_kind::idle, 0};
            return true;
        }
        for (const terminal_event& e : decoded) queue(e);
    }
}

void session::queue(const terminal_event& event) {
    switch (event.what) {
        case terminal_event::kind::key:
            pending_.push_back({emu::input_kind::key, event.code});
            break;
        case terminal_event::kind::ctrl_down:
            pending_.push_back({emu::input_kind::ctrl_down, 0});
            break;
        case terminal_event::kind::ctrl_up:
            pending_.push_back({emu::input_kind::ctrl_up, 0});
            break;
        case terminal_event::kind::protocol_reply:
            break;
    }
}

}  // namespace tolvik::tools
