#include "session.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <sstream>
#include <utility>

#include "host/constants.h"
#include "host_boxes.h"
#include "panel_keys.h"
#include "win_path.h"
#include "winshim.h"

namespace tolvik::tools {
namespace {

// The progressive keyboard protocol's flags: disambiguate (1), report event
// types (2), report alternate (shifted) keys (4), report every key as an
// escape code (8), so that Ctrl alone is reported going down and up.
constexpr int key_protocol_flags = 1 | 2 | 4 | 8;
// The host's own rows under the panels: the status row and the key bar.
constexpr int host_rows = 2;

}  // namespace

session::session(options o) : options_(std::move(o)) {}

bool session::start(std::string& error) {
    winshim_map_drive('C', options_.root.c_str());
    drive_c_ = options_.root;
    // Nothing here reads the call log: recording it would only grow the
    // memory of a host the user leaves open.
    host_.log().set_recording(false);
    if (!host_.loaded() && !host_.load(options_.plugin)) {
        error = host_.load_error();
        return false;
    }
    if (!host_.load_language(options_.language)) {
        error = "cannot read the language file " + options_.language;
        return false;
    }
    page_ = code_page_of_language(host_.lang().name());
    // parse_options checked both folders against the root; one may have
    // gone since, and the language's code page may lack a character of its
    // name, as the host then cannot reach it either.
    std::string left = emu::win_path::from_native(options_.left);
    std::string right = emu::win_path::from_native(options_.right);
    if (left.empty() || right.empty()) {
        const std::string& folder = left.empty() ? options_.left : options_.right;
        error = "the folder " + folder +
                (std::filesystem::is_directory(folder)
                     ? " has a name code page " + std::to_string(number_of(page_)) + " cannot hold"
                     : " is gone");
        return false;
    }
    renderer_.set_code_page(page_);
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
    for (std::string name, named; std::getline(names, name, ',');) {
        emu::win_path::name_from_native(name, named);
        if (!named.empty()) host_.panels().left().select_name(named, true);
    }
    emu::dialog_environment& engine = host_.dialogs().environment();
    engine.draw_background = [this](emu::screen& display) { draw_background(display); };
    engine.source_redraws = true;  // paint() before every event
    host_.input().set_source([this](emu::input_event& event) { return dialog_event(event); });

    if (options_.welcome) box_ = host_box::welcome;
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
}

void session::resize(int width, int height) {
    host_.screen().resize(std::max(width, 1), std::max(height, 1));
    host_.screen().set_bottom_rows(host_rows);
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
        // Messages that cannot be written have no one else to go to.
        (void)std::fprintf(stderr, "tolvik_host: %s\n", error.c_str());
        return 1;
    }
    loop();
    host_.exit_far();
    if (options_.script && !dumped_) dump_screen();
    terminal_.close();
    for (const std::string& fault : host_.failures())
        (void)std::fprintf(stderr, "host fault: %s\n", to_utf8(fault, page_).c_str());
    if (input_ended_)
        (void)std::fprintf(stderr, "tolvik_host: the input ended while '%s' was open\n",
                           to_utf8(ended_in_dialog_, page_).c_str());
    if (!waiting_.empty()) {
        (void)std::fprintf(stderr,
                           "tolvik_host: %zu key(s) never ran: the screen stayed smaller than %dx%d "
                           "(--size, resize)\n",
                           waiting_.size(), min_screen_width, min_screen_height);
        return status_keys_never_ran;
    }
    return input_ended_ ? status_input_ended_in_dialog : 0;
}

void session::loop() {
    while (!quit_) {
        paint();
        host_event next;
        if (!next_event(next)) break;
        if (next.click) {
            handle_click(next);
            continue;
        }
        const emu::input_event& event = next.input;
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
    quit_ = false;
    box_ = host_box::none;
    box_first_ = 0;
    ctrl_ = {};
    menu_.close();
    pending_.clear();
    waiting_.clear();
    walk_ = {};
    ended_in_dialog_.clear();
    input_ended_ = false;
    cancelled_dialog_ = 0;
    last_click_x_ = last_click_y_ = -1;
    last_click_ms_ = 0;
    host_.set_key_held(virtual_key_control, false);
    loop();
    source_ = nullptr;
}

void session::handle_key(int32_t code) {
    if (box_ == host_box::help) {
        emu::text_box box = help_box();
        int32_t count = static_cast<int32_t>(box.lines.size());
        int32_t first = emu::scrolled(code, box_first_, emu::visible_lines(host_.screen(), box), count);
        if (first >= 0)
            box_first_ = first;
        else if (code == keys::esc || code == keys::enter || code == keys::f(1) || code == keys::f(10))
            box_ = host_box::none;
        return;
    }
    if (box_ == host_box::welcome) {
        // Any key closes it; while it shows only part of its lines, the
        // scroll keys move through them.
        int32_t count = static_cast<int32_t>(welcome_box().lines.size());
        int32_t first =
            emu::scrolled(code, box_first_, emu::visible_lines(host_.screen(), welcome_box()), count);
        if (welcome_scrolls() && first >= 0)
            box_first_ = first;
        else
            box_ = host_box::none;
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
            box_ = host_box::help;
            box_first_ = 0;
            return;
        default:
            break;
    }
    handle_panel_key(host_.panels(), code);
}

void session::open_plugin(bool as_if_ctrl_held) {
    ctrl_.begin(host_, as_if_ctrl_held);
    host_.open_plugin(0, 0);
    ctrl_.end(host_);
}

emu::text_box session::help_box() { return tools::help_box(host_.screen().width()); }

emu::text_box session::welcome_box() {
    std::string root;  // in the code page, as every text the screen shows
    emu::win_path::name_from_native(options_.root, root);
    return tools::welcome_box(host_.screen().width(), root);
}

bool session::welcome_scrolls() {
    emu::text_box box = welcome_box();
    return emu::visible_lines(host_.screen(), box) < static_cast<int32_t>(box.lines.size());
}

}  // namespace tolvik::tools
