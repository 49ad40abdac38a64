#include "walk/walker.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <initializer_list>

#include "host/constants.h"
#include "host/panel_info.h"
#include "host_keys.h"
#include "support/list_keys.h"

namespace tolvik::test {
namespace {

// Longest run of events inside one opening before the walker cancels it.
constexpr int max_dialog_events = 48;
// Cancels the host may send to close nested dialogs before the walk gives up.
constexpr int max_forced_cancels = 64;

// Every key of the key table, and a few the dialog leaves to the host.
constexpr int32_t table_keys[] = {
    key::enter,
    key::esc,
    key::f10,
    key::down,
    key::wheel_down,
    key::tilde,
    key::up,
    key::wheel_up,
    key::home,
    key::end,
    key::pg_up,
    key::pg_dn,
    key::f3,
    key::f4,
    key::del,
    key::f5,
    key::letter_r,
    key::letter_u,
    key::ctrl_mode_cancel,
    key::tab,
    key::space,
    key::left,
    key::ins,
    'a',
};
// The keys that end the dialog in one of the two modes; drawn less often so
// that openings last long enough to move, edit and nest the warning box.
constexpr int32_t closing_keys[] = {key::enter, key::esc, key::f10, key::ctrl_mode_cancel};

constexpr int32_t modifiers[] = {0, key::ctrl, key::shift, key::ctrl | key::shift};

uint32_t pick(const walker::chooser& choose, std::initializer_list<uint32_t> weights) {
    uint32_t total = 0;
    for (uint32_t w : weights) total += w;
    uint32_t roll = choose(total);
    uint32_t index = 0;
    for (uint32_t w : weights) {
        if (roll < w) return index;
        roll -= w;
        ++index;
    }
    return index - 1;
}

// A hash of all a snapshot holds: the record, each item's bytes and texts.
uint64_t snapshot_hash(const panel_info& record) {
    uint64_t hash = 14695981039346656037ull;
    auto mix = [&hash](const void* bytes, size_t size) {
        for (size_t i = 0; i < size; ++i)
            hash = (hash ^ static_cast<const unsigned char*>(bytes)[i]) * 1099511628211ull;
    };
    auto text = [&mix](const char* t) {
        if (t) mix(t, std::strlen(t) + 1);
    };
    mix(&record, sizeof record);
    for (int32_t i = 0; i < record.item_count; ++i) {
        const panel_item& item = record.items[i];
        mix(&item, sizeof item);
        text(item.description);
        text(item.owner);
        for (int32_t j = 0; item.custom_column_data && j < item.custom_column_count; ++j)
            text(item.custom_column_data[j]);
    }
    return hash;
}

bool is_closing(int32_t key) {
    for (int32_t k : closing_keys)
        if (k == key) return true;
    return false;
}

}  // namespace

walker::walker(emu::host& host, test_tree& tree, chooser choose)
    : host_(host), tree_(tree), choose_(std::move(choose)) {
    host_.input().set_source([this](emu::input_event& event) { return next_event(event); });
}

bool walker::start() {
    grow_ = choose_(4) == 0;
    blocks_at_start_ = plugin_blocks();
    host_.set_startup_info();
    kinds_.clear();
    note("start-up");
    return check("after start-up", static_cast<int>(stage::list_closed));
}

bool walker::finish() {
    host_.input().set_source(nullptr);
    host_.set_key_held(virtual_key_control, false);
    std::string left = shut_down(host_, blocks_at_start_);
    note("ExitFAR");
    if (!violation_.empty()) return false;
    if (!check("after ExitFAR", static_cast<int>(stage::between_openings))) return false;
    violation_ = left;
    return violation_.empty();
}

bool walker::walk(long events, const std::function<bool()>& exhausted) {
    limit_ = events;
    exhausted_ = exhausted;
    while (violation_.empty() && events_ < limit_ && !(exhausted_ && exhausted_())) {
        ++events_;
        if (pick(choose_, {8, 6}) == 0)
            open_list();
        else
            outside_action();
    }
    return violation_.empty();
}

void walker::open_list() {
    const bool ctrl = choose_(3) == 0;
    host_.set_key_held(virtual_key_control, ctrl);
    note(ctrl ? "open with Ctrl held" : "open");
    dialog_events_ = 0;
    forced_cancels_ = 0;
    stopping_ = false;
    expectation_ = {};
    expectation_.directory_requests = host_.panels().directory_requests();
    synchronised_ = true;
    host_.open_plugin();
    ++openings_;
    max_views_ = std::max(max_views_, static_cast<long>(all_views().size()));
    host_.set_key_held(virtual_key_control, false);
    if (violation_.empty()) check_model("after the list closed");
    if (violation_.empty()) check("after the list closed", static_cast<int>(stage::list_closed));
    if (violation_.empty()) check_kinds("after the list closed", true);
}

bool walker::next_event(emu::input_event& event) {
    const bool list_open = the_view_list_dialog().dialog_handle() != nullptr;
    if (!stopping_ && violation_.empty()) check_model("in the dialog");
    if (!stopping_ && violation_.empty() && list_open)
        check("in the dialog", static_cast<int>(stage::list_open)) && check_kinds("in the dialog", true);
    if (!violation_.empty() || events_ >= limit_ || dialog_events_ >= max_dialog_events ||
        (exhausted_ && exhausted_()))
        stopping_ = true;
    if (stopping_) {
        // Close whatever is open (the warning box, then the list) the way
        // the host does on its own.
        if (++forced_cancels_ > max_forced_cancels) return false;
        event = {emu::input_kind::cancel, 0};
        note("cancel (walk closing the dialog)");
        model_.forget();
        return true;
    }
    ++events_;
    ++dialog_events_;
    event = dialog_event();
    note(emu::describe(event));
    // now_ is the list as check_model took it above: nothing since has
    // touched the registry or the dialog (a folder change does neither).
    model_.expect(now_, event);
    return true;
}

emu::input_event walker::dialog_event() {
    for (;;) {
        switch (pick(choose_, {30, 3, 3, 4, 1, 1})) {
            case 0:
                return {emu::input_kind::key, key_code()};
            case 1:
                return {emu::input_kind::ctrl_down, 0};
            case 2:
                return {emu::input_kind::ctrl_up, 0};
            case 3:
                return {emu::input_kind::idle, 0};
            case 4:
                if (choose_(4) == 0) return {emu::input_kind::cancel, 0};
                break;
            default:
                // Folders vanish and come back while the list is open.
                change_folders(true);
                ++events_;
                break;
        }
    }
}

int32_t walker::key_code() {
    if (choose_(40) == 0) {
        // Any code at all.
        uint32_t high = choose_(0x10000);
        return static_cast<int32_t>((high << 16) | choose_(0x10000));
    }
    if (choose_(grow_ ? 14 : 60) == 0) {
        // New views and copies, often enough in a growing walk that the list
        // runs past a page and the number column past one digit.
        return choose_(2) ? keys::duplicate : keys::new_view;
    }
    int32_t base;
    do {
        base = table_keys[choose_(sizeof table_keys / sizeof table_keys[0])];
    } while (is_closing(base) && choose_(3) != 0);
    return base | modifiers[choose_(4)];
}

void walker::outside_action() {
    emu::panel_pair& panels = host_.panels();
    switch (pick(choose_, {3, 2, 4, 2, 2, 1})) {
        case 0:
            panels.switch_active();
            note("switch panels");
            break;
        case 1: {
            // Mostly back to a plain file panel, so that keys are refused now
            // and then, not most of the time.
            emu::panel_model& panel = choose_(2) ? panels.active() : panels.passive();
            // 9: a number no panel type has.
            static constexpr int32_t types[] = {panel_file,       panel_file,        panel_file, panel_file,
                                                panel_file,       panel_file,        panel_file, panel_tree,
                                                panel_quick_view, panel_information, 9};
            static constexpr int32_t plugin_flags[] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 2};
            panel.type = types[choose_(11)];
            panel.plugin = plugin_flags[choose_(10)];
            note_kind_change(panel);
            note("panel type " + std::to_string(panel.type) + ", plugin " + std::to_string(panel.plugin));
            break;
        }
        case 2:
            move_panel(choose_(3) ? panels.active() : panels.passive());
            break;
        case 3:
            change_folders(false);
            break;
        case 4: {
            emu::panel_model& panel = panels.active();
            panel.view_mode = static_cast<int32_t>(choose_(10));
            panel.set_sort_mode(static_cast<int32_t>(1 + choose_(6)));
            panel.set_reversed(choose_(2) != 0);
            if (panel.size() > 0) {
                panel.toggle_selection(choose_(static_cast<uint32_t>(panel.size())));
                panel.set_cursor(static_cast<int32_t>(choose_(static_cast<uint32_t>(panel.size()))));
            }
            note("panel modes and selection changed");
            break;
        }
        default:
            if (choose_(8) == 0) restart();
            break;
    }
    if (violation_.empty() && check("between openings", static_cast<int>(stage::between_openings)))
        check_kinds("between openings", false);
}

void walker::move_panel(emu::panel_model& panel) {
    const auto& folders = walk_folders();
    uint32_t i = choose_(static_cast<uint32_t>(folders.size() + 1));
    std::string target = i == folders.size() ? std::string("C:\\") : tree_.windows(folders[i]);
    bool moved = panel.set_directory(target);
    // Named relative to the tree, whose root differs from run to run on Windows.
    note("panel to " + (i == folders.size() ? target : folders[i]) + (moved ? "" : " (refused: gone)"));
}

void walker::change_folders(bool inside_dialog) {
    const auto& folders = walk_folders();
    const std::string& folder = folders[choose_(static_cast<uint32_t>(folders.size()))];
    const char* when = inside_dialog ? " (list open)" : "";
    if (choose_(2) == 0) {
        tree_.remove(folder);
        note("remove " + folder + when);
    } else {
        tree_.folder(folder);
        tree_.file(folder + "/f0.txt");
        note("create " + folder + when);
    }
}

void walker::restart() {
    violation_ += shut_down(host_, blocks_at_start_);
    note("ExitFAR, then start-up again");
    if (!violation_.empty()) return;
    host_.set_startup_info();
    kinds_.clear();
}

bool walker::check(const char* where_name, int where) {
    std::string problems = check_all(host_, static_cast<stage>(where), expectation_);
    if (problems.empty()) return true;
    report(where_name, problems);
    return false;
}

void walker::note_kind_change(emu::panel_model& panel) {
    if (panel_slots().size() != 2) return;
    panel_slot* slot = &panel == &host_.panels().left() ? panel_slots().front() : panel_slots().back();
    if (view* shown = slot->shown_view()) kinds_[shown].may_change = true;
}

bool walker::check_kinds(const char* where_name, bool opened) {
    std::string problems;
    // Rebuilt from the live views: a view that is gone leaves no entry, so a
    // new view at its address is seen afresh.
    std::unordered_map<const view*, kind_seen> now;
    for (view* v : all_views()) {
        const panel_info& record = static_cast<file_panel_view*>(v)->record();
        // Every panel views work on is one kind; the others differ by type
        // and by whether a plugin fills them.
        const int32_t kind = v->is_unsupported() ? 1 + 2 * record.panel_type + (record.plugin == 1) : 0;
        auto before = kinds_.find(v);
        if (before != kinds_.end() && !before->second.may_change && before->second.kind != kind)
            problems += "expected " + std::string(v->is_unsupported() ? "" : "un") + "supported view " +
                        std::to_string(v->number) + " to keep its panel type (" +
                        std::to_string(before->second.kind) +
                        "): no panel changed its type while showing it, "
                        "got type " +
                        std::to_string(record.panel_type) + ", plugin " + std::to_string(record.plugin) +
                        "\n";
        const uint64_t snapshot = snapshot_hash(record);
        if (before != kinds_.end() && before->second.checked && before->second.snapshot != snapshot &&
            !(synchronised_ && before->second.shown))
            problems += "expected " + detail::describe_view(v) +
                        " to keep its snapshot: no opening re-captured it (no panel showed it), got other "
                        "items or texts\n";
        const bool may_change = !opened && before != kinds_.end() && before->second.may_change;
        now[v] = {kind, may_change, true, snapshot, !v->slots.empty()};
    }
    kinds_.swap(now);
    synchronised_ = false;
    if (problems.empty()) return true;
    report(where_name, problems);
    return false;
}

bool walker::check_model(const char* where_name) {
    std::string problems;
    snapshot_list(host_, now_);
    model_.verify(now_, problems);
    if (problems.empty()) return true;
    report(where_name, problems);
    return false;
}

void walker::report(const char* where_name, const std::string& problems) {
    std::string trail;
    for (size_t i = 0; i < trail_size_; ++i) {
        const step& s = trail_[(trail_next_ + trail_length - trail_size_ + i) % trail_length];
        trail += "  " + std::to_string(s.event) + ": " + s.what + "\n";
    }
    violation_ = "at event " + std::to_string(events_) + " (" + where_name + "):\n" + problems +
                 "last events, oldest first:\n" + trail;
    stopping_ = true;
}

void walker::note(std::string what) {
    for (char c : what) digest_ = (digest_ ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    trail_[trail_next_] = {events_, std::move(what)};
    trail_next_ = (trail_next_ + 1) % trail_length;
    trail_size_ = std::min(trail_size_ + 1, trail_length);
}

}  // namespace tolvik::test
