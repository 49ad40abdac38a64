// Where the interactive host's events come from: the terminal's bytes
// decoded into keys and Ctrl going down and up, idle ticks when it is quiet,
// or the words of a key script; and the Ctrl stand-in of the plugin's list.
#include <cstdio>

#include "host/constants.h"
#include "session.h"

namespace tolvik::tools {
namespace {

constexpr int poll_ms = 100;

}  // namespace

bool session::dialog_event(emu::input_event& event) {
    for (;;) {
        paint();
        if (!next_event(event)) return false;
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
    if (!pending_.empty()) {
        event = pending_.front();
        pending_.pop_front();
        return true;
    }
    return options_.script ? next_script_event(event) : next_terminal_event(event);
}

bool session::next_script_event(emu::input_event& event) {
    while (script_at_ < script_.size()) {
        const std::string& word = script_[script_at_++];
        if (word == "dump") {
            paint();
            dump_screen();
            continue;
        }
        if (word == "idle")
            event = {emu::input_kind::idle, 0};
        else if (word == "ctrl-down")
            event = {emu::input_kind::ctrl_down, 0};
        else if (word == "ctrl-up")
            event = {emu::input_kind::ctrl_up, 0};
        else if (int32_t code = key_from_name(word))
            event = {emu::input_kind::key, code};
        else {
            std::fprintf(stderr, "tolvik_host: unknown key '%s' in the script\n", word.c_str());
            continue;
        }
        return true;
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
            event = {emu::input_kind::idle, 0};  // the caller paints again
            return true;
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
