// Where the interactive host's events come from: the terminal's bytes
// decoded into keys, clicks and Ctrl going down and up, idle ticks when it is
// quiet, or the steps of a key script; keys held back while the screen is too
// small; the Ctrl stand-in of the plugin's list; and what the plugin's
// dialogs get once the input has ended.
#include <chrono>

#include "host/constants.h"
#include "session.h"

namespace tolvik::tools {
namespace {

constexpr int poll_ms = 100;
// Two clicks on one cell at most this far apart are a double click.
constexpr int64_t double_click_ms = 400;

int64_t now_ms() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

}  // namespace

bool session::dialog_event(emu::input_event& event) {
    for (;;) {
        if (walk_list(event)) return true;
        paint();
        host_event next;
        if (!next_event(next)) return end_dialogs(event);
        if (next.click) {
            if (click_in_dialog(next, event)) return true;
            continue;
        }
        event = next.input;
        // Idle ticks matter only to a list opened with Ctrl held: it commits
        // on the first one after Ctrl goes up.
        if (event.kind == emu::input_kind::idle && !ctrl_at_open_) continue;
        if (event.kind == emu::input_kind::key && stand_in_ctrl_ && host_.key_held(virtual_key_control) &&
            (event.code == keys::space || (event.code & ~keys::modifiers) == keys::f(12))) {
            event = {emu::input_kind::ctrl_up, 0};
            pending_.push_front({{emu::input_kind::idle, 0}});
        }
        return true;
    }
}

bool session::end_dialogs(emu::input_event& event) {
    const emu::open_dialog* open = host_.dialogs().innermost();
    if (!input_ended_) {
        input_ended_ = true;
        const emu::message_box_run* box = host_.dialogs().showing_box();
        ended_in_dialog_ = box ? box->title : open ? open->title() : "";
        // The screen as the input left it, before anything closes.
        if (options_.script && !dumped_) dump_screen();
    }
    walk_ = {};
    // A box takes the cancel and closes; a dialog gets a cancel (a close with
    // -1, which it may refuse) and, asking again, a shutdown.
    if (!host_.dialogs().showing_box() && open && open->id == cancelled_dialog_) {
        event = {emu::input_kind::shutdown, 0};
        return true;
    }
    if (!host_.dialogs().showing_box() && open) cancelled_dialog_ = open->id;
    event = {emu::input_kind::cancel, 0};
    return true;
}

bool session::next_event(host_event& event) {
    for (;;) {
        if (!pending_.empty()) {
            event = pending_.front();
            pending_.pop_front();
        } else if (!(options_.script ? next_script_event(event) : next_terminal_event(event))) {
            return false;
        }
        if (!too_small()) return true;
        // Too small to be seen: F10 and Ctrl's state go through, other keys
        // wait, idle ticks and clicks are dropped.
        const emu::input_event& input = event.input;
        if (event.click) continue;
        if (input.kind == emu::input_kind::key && (input.code & ~keys::modifiers) != keys::f(10))
            waiting_.push_back(event);
        else if (input.kind != emu::input_kind::idle)
            return true;
    }
}

bool session::next_script_event(host_event& event) {
    const std::vector<script_step>& steps = options_.script_steps;
    event = {};
    while (script_at_ < steps.size()) {
        const script_step& step = steps[script_at_++];
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
                event.input = {emu::input_kind::idle, 0};
                return true;
            case script_step::kind::ctrl_down:
                event.input = {emu::input_kind::ctrl_down, 0};
                return true;
            case script_step::kind::ctrl_up:
                event.input = {emu::input_kind::ctrl_up, 0};
                return true;
            case script_step::kind::key:
                event.input = {emu::input_kind::key, step.code};
                return true;
            case script_step::kind::click:
                event.click = true;
                event.x = step.x;
                event.y = step.y;
                event.twice = step.twice;
                return true;
        }
    }
    return false;
}

bool session::next_terminal_event(host_event& event) {
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
            event = {};
            event.input = {emu::input_kind::idle, 0};
            return true;
        }
        for (const terminal_event& e : decoded) queue(e);
    }
}

void session::queue(const terminal_event& event) {
    host_event out;
    switch (event.what) {
        case terminal_event::kind::key:
            out.input = {emu::input_kind::key, event.code};
            break;
        case terminal_event::kind::ctrl_down:
            out.input = {emu::input_kind::ctrl_down, 0};
            break;
        case terminal_event::kind::ctrl_up:
            out.input = {emu::input_kind::ctrl_up, 0};
            break;
        case terminal_event::kind::click: {
            int64_t now = now_ms();
            out.click = true;
            out.x = event.x;
            out.y = event.y;
            out.twice = event.x == last_click_x_ && event.y == last_click_y_ &&
                        now - last_click_ms_ <= double_click_ms;
            // A third click starts afresh.
            last_click_x_ = out.twice ? -1 : event.x;
            last_click_y_ = event.y;
            last_click_ms_ = now;
            break;
        }
        case terminal_event::kind::protocol_reply:
            return;
    }
    pending_.push_back(out);
}

}  // namespace tolvik::tools
