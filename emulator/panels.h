// The host's two panels, which one is active, and the panel control commands
// the plugin sends (1, 2, 5, 10, 12, 16, 19, 21), all acting on them.
//
// The item array that commands 1 and 2 hand out belongs to the host: it is
// freed and replaced at every command 1 or 2 (whichever panel), so a plugin
// that keeps the host's pointer reads freed memory and the sanitizers say so.
// One exception, outside sanitizer builds: an array of a megabyte or more
// (some 2,800 items) is kept when it is replaced and becomes the array after
// next, so that a big folder does not cost fresh pages at every call. Two
// calls in a row never hand out the same array.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "host/panel_info.h"
#include "panel_model.h"

namespace tolvik::emu {

class call_log;

enum class side { left, right };

// Frees what calloc gave.
struct free_deleter {
    void operator()(void* p) const { std::free(p); }
};

// The item array of the last command 1 or 2 with the strings it points to.
struct panel_handout {
    // Zeroed when allocated (fresh pages need no clearing of ours); null
    // when the panel had no items.
    std::unique_ptr<panel_item[], free_deleter> items;
    size_t capacity = 0;  // items the block holds
    size_t count = 0;
    std::vector<std::unique_ptr<char[]>> strings;
    std::vector<std::unique_ptr<char*[]>> columns;
    bool active = false;  // filled from the active panel (command 1)
};

class panel_pair {
public:
    panel_pair();

    panel_model& left() { return left_; }
    panel_model& right() { return right_; }
    panel_model& at(side s) { return s == side::left ? left_ : right_; }
    panel_model& active() { return at(active_); }
    panel_model& passive() { return at(passive_side()); }
    side active_side() const { return active_; }
    side passive_side() const { return active_ == side::left ? side::right : side::left; }
    void set_active(side s) { active_ = s; }
    // The Tab key of the host: the other panel becomes active.
    void switch_active() { active_ = passive_side(); }

    // Re-reads both panels (as the host does after a file operation).
    void refresh() {
        left_.refresh();
        right_.refresh();
    }

    // The folders both panels list from now on (see panel_model::read_from).
    void read_from(const folder_source& source) {
        left_.read_from(source);
        right_.read_from(source);
    }

    // Lays both panels out on a screen: left half and right half, the bottom
    // two rows left for the command line and the key bar.
    void lay_out(int screen_width, int screen_height);

    // Fills `info` whole from a panel, as commands 1 and 2 do, replacing the
    // host's item array (the previous one is freed).
    void fill(panel_model& panel, bool is_active, panel_info& info);

    // Runs a panel control command. Returns the command's result (1 done, 0
    // refused); failures (unknown command, bad parameter) go to `failures`.
    int32_t control(int32_t command, void* param, std::vector<std::string>& failures, call_log* log,
                    size_t log_index);

    // Applied to every record commands 1 and 2 fill, after filling: lets a
    // test hand the plugin malformed records. Empty: no change.
    std::function<void(panel_info&)> tamper;

    // Commands among 12, 19 and 21 that the host refuses: each answers 0 and
    // changes nothing (the call is still logged).
    std::vector<int32_t> refused_commands;

    // The item array currently handed out (null before the first command 1/2).
    const panel_item* handed_out() const;
    // Number of item arrays handed out so far.
    int handouts() const { return handouts_; }
    // Number of directory changes the plugin asked for (command 16), taken
    // or refused.
    int directory_requests() const { return directory_requests_; }

private:
    bool take_selection(const panel_info* info, std::vector<std::string>& failures);

    panel_model left_;
    panel_model right_;
    side active_ = side::left;
    panel_handout handout_;
    panel_handout recycled_;  // the array before the last, kept for reuse
    int handouts_ = 0;
    int directory_requests_ = 0;
};

}  // namespace tolvik::emu
