#include "session.h"

#include <algorithm>
#include <cstdio>
#include <sstream>
#include <utility>

#include "host/constants.h"
#include "panel_keys.h"
#include "win_path.h"
#include "winshim.h"

namespace tolvik::tools {
namespace {

// The progressive keyboard protocol's flags: disambiguate (1), report event
// types (2), report alternate (shifted) keys (4), report every key as an
// escape code (8), so that Ctrl alone is reported going down and up.
constexpr int key_protocol_flags = 1 | 2 | 4 | 8;

}  // namespace

session::session(options o) : options_(std::move(o)) {}

bool session::start(std::string& error) {
    winshim_map_drive('C', options_.root.c_str());
    drive_c_ = options_.root;
    std::string left = emu::win_path::from_native(options_.left);
    std::string right = emu::win_path::from_native(options_.right);
    if (left.empty() || right.empty()) {
        error = "the folders " + options_.left + " and " + options_.right + " must exist inside the root " +
                options_.root + " (drive C:)";
        return false;
    }
    if (!host_.loaded() && !host_.load(options_.plugin)) {
        error = host_.load_error();
        return false;
    }
    if (!host_.load_language(options_.language)) {
        error = "cannot read the language file " + options_.language;
        return false;
    }
    host_texts own;
    for (const std::string& file : options_.host_texts)
        if (!own.load(file)) {
            error = "cannot read the host's texts " + file;
            return false;
        }
    set_texts(std::move(own));
    if (!options_.help.empty()) host_.dialogs().load_help(options_.help);
    host_.panels().left().set_directory(left);
    host_.panels().right().set_directory(right);
    std::istringstream names(options_.select);
    for (std::string name; std::getline(names, name, ',');)
        if (!name.empty()) host_.panels().left().select_name(name, true);
    host_.dialogs().environment().draw_background = [this](emu::screen& display) {
        draw_background(display);
    };
    host_.input().set_source([this](emu::input_event& event) { return dialog_event(event); });

    welcome_open_ = options_.welcome;
    if (options_.script) {
        resize(options_.width, options_.height);
    } else {
        if (!terminal_.open()) {
            error = "standard input and output must be a terminal (or use --keys)";
            return false;
        }
        int width = 80;
        int height = 25;
        terminal_.size(width, height);
        resize(width, height);
        if (!options_.legacy_keys) negotiate_key_protocol();
    }
    host_.min_far_version();
    host_.set_startup_info();
    return true;
}

// Asks whether the terminal speaks the progressive keyboard protocol: a
// terminal that does answers the flags query before the device attributes.
void session::negotiate_key_protocol() {
    terminal_.write("\x1b[?u\x1b[c");
    bool supported = false;
    for (int waited = 0; waited < 1000; waited += 50) {
        bool closed = false;
        std::string bytes = terminal_.read(50, closed);
        if (closed) return;
        std::vector<terminal_event> events;
        decoder_.feed(bytes, events);
        bool answered = false;
        for (const terminal_event& event : events) {
            if (event.what == terminal_event::kind::protocol_reply) {
                if (event.code >= 0)
                    supported = true;
                else
                    answered = true;
            } else {
                queue(event);
            }
        }
        if (answered) break;
    }
    if (!supported) return;
    terminal_.push_key_flags(key_protocol_flags);
    real_ctrl_ = true;
}

void session::resize(int width, int height) {
    host_.screen().resize(std::max(width, 1), std::max(height, 1));
    host_.panels().lay_out(width, height);
    host_.dialogs().recentre();
    renderer_.invalidate();
    if (!too_small()) {
        pending_.insert(pending_.begin(), waiting_.begin(), waiting_.end());
        waiting_.clear();
    }
}

bool session::too_small() {
    return host_.screen().width() < min_screen_width || host_.screen().height() < min_screen_height;
}

int session::run() {
    std::string error;
    if (!start(error)) {
        terminal_.close();
        std::fprintf(stderr, "tolvik_host: %s\n", error.c_str());
        return 1;
    }
    loop();
    host_.exit_far();
    if (options_.script && !dumped_) dump_screen();
    terminal_.close();
    for (const std::string& fault : host_.failures()) std::fprintf(stderr, "host fault: %s\n", fault.c_str());
    if (!ended_in_dialog_.empty()) {
        std::fprintf(stderr, "tolvik_host: the input ended while the dialog '%s' was open\n",
                     ended_in_dialog_.c_str());
        return status_input_ended_in_dialog;
    }
    return 0;
}

void session::loop() {
    while (!quit_) {
        // Outside the plugin the log only grows: keep the host's memory flat.
        host_.log().clear();
        paint();
        emu::input_event event;
        if (!next_event(event)) break;
        switch (event.kind) {
            case emu::input_kind::ctrl_down:
                host_.set_key_held(virtual_key_control, true);
                break;
            case emu::input_kind::ctrl_up:
                host_.set_key_held(virtual_key_control, false);
                break;
            case emu::input_kind::key:
                handle_key(event.code);
                break;
            default:
                break;
        }
    }
}

void session::play(step_source source) {
    source_ = std::move(source);
    quit_ = help_open_ = welcome_open_ = false;
    stand_in_ctrl_ = ctrl_at_open_ = false;
    menu_.close();
    pending_.clear();
    waiting_.clear();
    ended_in_dialog_.clear();
    host_.set_key_held(virtual_key_control, false);
    loop();
    source_ = nullptr;
}

void session::handle_key(int32_t code) {
    if (help_open_ || welcome_open_) {
        help_open_ = welcome_open_ = false;
        return;
    }
    if (menu_.is_open()) {
        int32_t picked = menu_.key(code);
        if (picked >= 0) open_plugin(false);
        return;
    }
    switch (code & ~keys::ctrl) {
        case keys::f(10):
            quit_ = true;
            return;
        case keys::f(11):
            menu_.open(host_);
            return;
        case keys::f(12):
            open_plugin(true);
            return;
        case keys::f(1):
            help_open_ = true;
            return;
        default:
            break;
    }
    handle_panel_key(host_.panels(), code);
}

void session::open_plugin(bool as_if_ctrl_held) {
    if (as_if_ctrl_held && !host_.key_held(virtual_key_control)) {
        host_.set_key_held(virtual_key_control, true);
        stand_in_ctrl_ = true;
    }
    ctrl_at_open_ = host_.key_held(virtual_key_control);
    host_.open_plugin(0, 0);
    if (stand_in_ctrl_) host_.set_key_held(virtual_key_control, false);
    stand_in_ctrl_ = false;
    ctrl_at_open_ = false;
}

}  // namespace tolvik::tools
