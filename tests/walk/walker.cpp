#include "walk/walker.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <initializer_list>
#include <iterator>
#include <utility>

#include "emulator/win_path.h"
#include "host/constants.h"
#include "host/panel_info.h"
#include "host/text_field.h"
#include "host_keys.h"
#include "support/list_keys.h"

namespace tolvik::test {
namespace {

// Longest run of events inside one opening before the walker cancels it.
constexpr int max_dialog_events = 48;
// Cancels the host may send to close nested dialogs before the walk gives up.
constexpr int max_forced_cancels = 64;

// Each code of the key table bare of modifiers, once, and a few keys the host
// acts on; or those that end the dialog, drawn less often so that openings
// last long enough to move, edit and nest the warning box.
std::vector<int32_t> bare_keys(bool closing_only) {
    std::vector<int32_t> bare;
    auto wanted = [closing_only](const keys::list_key& row) {
        return !closing_only || row.action == keys::does::commit || row.action == keys::does::revert;
    };
    for (int32_t code : keys::codes_of(wanted, true)) {
        code &= ~(key::ctrl | key::shift);
        if (std::find(bare.begin(), bare.end(), code) == bare.end()) bare.push_back(code);
    }
    if (!closing_only) bare.insert(bare.end(), {key::tab, key::space, key::left, key::ins, 'a'});
    return bare;
}
const std::vector<int32_t> table_keys = bare_keys(false);
const std::vector<int32_t> closing_keys = bare_keys(true);

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

// Folds `size` bytes into an FNV-1a hash.
void mix(uint64_t& hash, const void* bytes, size_t size) {
    for (size_t i = 0; i < size; ++i)
        hash = (hash ^ static_cast<const unsigned char*>(bytes)[i]) * 1099511628211ull;
}

// A hash of all a snapshot holds: the record, each item's bytes and texts.
uint64_t snapshot_hash(const panel_info& record) {
    uint64_t hash = 14695981039346656037ull;
    auto text = [&hash](const char* t) {
        if (t) mix(hash, t, std::strlen(t) + 1);
    };
    mix(hash, &record, sizeof record);
    for (int32_t i = 0; i < record.item_count; ++i) {
        const panel_item& item = record.items[i];
        mix(hash, &item, sizeof item);
        text(item.description);
        text(item.owner);
        for (int32_t j = 0; item.custom_column_data && j < item.custom_column_count; ++j)
            text(item.custom_column_data[j]);
    }
    return hash;
}

bool is_closing(int32_t key) {
    return std::find(closing_keys.begin(), closing_keys.end(), key) != closing_keys.end();
}

// Folds one more text, with its end, into a hash.
void fold(uint64_t& hash, const char* text, size_t length) {
    mix(hash, text, length);
    hash = (hash ^ 0x100u) * 1099511628211ull;
}

// A view's folder, item names and selection marks, hashed.
uint64_t contents_of(const view* v) {
    const panel_info& record = static_cast<const file_panel_view*>(v)->record();
    uint64_t hash = 14695981039346656037ull;
    fold(hash, record.current_dir, field_length(record.current_dir, sizeof record.current_dir));
    for (int32_t i = 0; i < record.item_count; ++i) {
        const panel_item& item = record.items[i];
        fold(hash, item.file_name, field_length(item.file_name, sizeof item.file_name));
        fold(hash, (item.flags & item_selected) ? "*" : "", (item.flags & item_selected) ? 1 : 0);
    }
    return hash;
}

// The same of what a panel shows: what a capture of it holds.
uint64_t contents_of(const emu::panel_model& panel) {
    uint64_t hash = 14695981039346656037ull;
    fold(hash, panel.directory().data(), std::min(panel.directory().size(), size_t{max_path - 1}));
    for (const emu::panel_entry& entry : panel.items()) {
        fold(hash, entry.name.data(), std::min(entry.name.size(), size_t{max_path - 1}));
        fold(hash, entry.selected ? "*" : "", entry.selected ? 1 : 0);
    }
    return hash;
}

}  // namespace

walker::walker(emu::host& host, test_tree& tree, chooser choose)
    : host_(host), tree_(tree), choose_(std::move(choose)) {
    host_.input().set_source([this](emu::input_event& event) { return next_event(event); });
    // The oracle reads the panel commands from the log.
    host_.log().set_recording(true);
    log_seen_ = host_.log().size();
}

bool walker::start() {
    grow_ = choose_(4) == 0;
    blocks_at_start_ = plugin_blocks();
    host_.set_startup_info();
    kinds_.clear();
    contents_.clear();
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
    if (choose_(30) == 0) {
        host_.input().push({emu::input_kind::refuse_dialog, 0});
        note("the host will not open the list");
    }
    captured_ = true;
    host_.open_plugin();
    ++openings_;
    max_views_ = std::max(max_views_, static_cast<long>(all_views().size()));
    host_.set_key_held(virtual_key_control, false);
    // A refusal the list did not take is not left for the next opening.
    host_.input().clear();
    const char* const closed = "after the list closed";
    std::string problems;
    if (violation_.empty() && check_model(closed) && check(closed, static_cast<int>(stage::list_closed))) {
        check_panel_shows_current(host_, expectation_, problems);
        verdict(closed, problems) && check_kinds(closed, true) && check_contents(closed, captured_) &&
            check_selections(closed);
    }
}

bool walker::next_event(emu::input_event& event) {
    const bool list_open = the_view_list_dialog().dialog_handle() != nullptr;
    if (!stopping_ && violation_.empty()) check_model("in the dialog");
    if (!stopping_ && violation_.empty() && list_open)
        check("in the dialog", static_cast<int>(stage::list_open)) && check_kinds("in the dialog", true) &&
            (!captured_ || check_contents("in the dialog", std::exchange(captured_, false))) &&
            check_selections("in the dialog");
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
        switch (pick(choose_, {30, 3, 3, 4, 1, 1, 1, 1})) {
            case 0:
                return {emu::input_kind::key, key_code()};
            case 1:
                return {emu::input_kind::ctrl_down, 0};
            case 2:
                return {emu::input_kind::ctrl_up, 0};
            case 3:
                return {emu::input_kind::idle, 0};
            case 4:
                // The host ends the innermost dialog on its own: a cancel, an
                // item of its choosing, or no close notification at all.
                switch (choose_(12)) {
                    case 0:
                        return {emu::input_kind::cancel, 0};
                    case 1:
                        return {emu::input_kind::close, static_cast<int32_t>(choose_(3))};
                    case 2:
                        return {emu::input_kind::shutdown, 0};
                    default:
                        break;
                }
                break;
            case 5:
                // Folders vanish and come back while the list is open.
                change_folders(true);
                ++events_;
                break;
            case 6:
                change_host_edges(true);
                ++events_;
                break;
            default:
                // Taken by a warning box that the next event opens, if any.
                if (choose_(4) == 0) {
                    host_.input().push({emu::input_kind::refuse_dialog, 0});
                    note("the host will not open the next dialog");
                }
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
        base = table_keys[choose_(static_cast<uint32_t>(table_keys.size()))];
    } while (is_closing(base) && choose_(3) != 0);
    return base | modifiers[choose_(4)];
}

void walker::outside_action() {
    emu::panel_pair& panels = host_.panels();
    switch (pick(choose_, {3, 2, 4, 2, 2, 1, 1})) {
        case 0:
            panels.switch_active();
            note("switch panels");
            break;
        case 1: {
            // Mostly back to a plain file panel, so that keys are refused now
            // and then, not most of the time.
            emu::panel_model& panel = choose_(2) ? panels.active() : panels.passive();
            // 9: a number no panel type has.
            static constexpr int32_t others[] = {panel_tree, panel_quick_view, panel_information, 9};
            const uint32_t type = choose_(11), plugin = choose_(10);
            panel.type = type < 7 ? panel_file : others[type - 7];
            panel.plugin = plugin < 8 ? 0 : static_cast<int32_t>(plugin - 7);
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
        case 5:
            change_host_edges(false);
            break;
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

void walker::change_host_edges(bool inside_dialog) {
    const char* when = inside_dialog ? " (list open)" : "";
    if (choose_(2) == 0) {
        const auto& folders = walk_folders();
        const std::string& folder = folders[choose_(static_cast<uint32_t>(folders.size()))];
        const std::string path = tree_.windows(folder);
        const bool barred = host_.barred().barred(emu::win_path::resolve(path));
        barred ? host_.barred().free(path) : host_.barred().bar(path);
        note((barred ? "free " : "bar ") + folder + when);
        return;
    }
    static constexpr int32_t commands[] = {cmd_set_view_mode, cmd_set_sort_mode, cmd_set_sort_order};
    const int32_t command = commands[choose_(3)];
    std::vector<int32_t>& refused = host_.panels().refused_commands;
    auto at = std::find(refused.begin(), refused.end(), command);
    const bool refusing = at == refused.end();
    if (refusing)
        refused.push_back(command);
    else
        refused.erase(at);
    note((refusing ? "refuse command " : "take command ") + std::to_string(command) + when);
}

void walker::restart() {
    violation_ += shut_down(host_, blocks_at_start_);
    note("ExitFAR, then start-up again");
    if (!violation_.empty()) return;
    host_.set_startup_info();
    kinds_.clear();
    contents_.clear();
}

bool walker::check(const char* where_name, int where) {
    return verdict(where_name, check_all(host_, static_cast<stage>(where), expectation_));
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
            problems += "expected view " + std::to_string(v->number) + " to keep its panel kind " +
                        std::to_string(before->second.kind) +
                        " (no panel changed type while showing it), got " + std::to_string(kind) + ": type " +
                        std::to_string(record.panel_type) + ", plugin " + std::to_string(record.plugin) +
                        "\n";
        const bool may_change = !opened && before != kinds_.end() && before->second.may_change;
        now[v] = {kind, may_change};
    }
    kinds_.swap(now);
    // A view gone since is forgotten now, so that one made later at its
    // address is not taken for it by check_contents, which runs less often.
    for (auto at = contents_.begin(); at != contents_.end();)
        at = kinds_.count(at->first) ? std::next(at) : contents_.erase(at);
    return verdict(where_name, problems);
}

bool walker::check_contents(const char* where_name, bool captured) {
    std::string problems;
    std::unordered_map<const view*, uint64_t> now;
    for (view* v : all_views()) {
        const uint64_t snapshot = snapshot_hash(static_cast<const file_panel_view*>(v)->record());
        auto before = contents_.find(v);
        if (before != contents_.end() && before->second != snapshot) {
            // Re-captured by the opening from the panel its slot belongs to.
            const emu::panel_model* panel = nullptr;
            if (captured && panel_slots().size() == 2) {
                if (panel_slots().front()->shown_view() == v) panel = &host_.panels().left();
                if (panel_slots().back()->shown_view() == v) panel = &host_.panels().right();
            }
            if (!panel || contents_of(*panel) != contents_of(v))
                problems +=
                    "expected " + std::string(v->path()) + " (view " + std::to_string(v->number) +
                    ") to keep its snapshot (record, items and texts): no panel showing it was captured\n";
        }
        now[v] = snapshot;
    }
    contents_.swap(now);
    return verdict(where_name, problems);
}

bool walker::check_selections(const char* where_name) {
    std::string problems;
    emu::call_log& log = host_.log();
    for (; log_seen_ < log.size(); ++log_seen_) {
        const emu::call_entry& call = log[log_seen_];
        if (call.service != emu::service::panel_control || call.args.size() < 2 || call.texts.empty())
            continue;
        if (call.args[1] == cmd_set_directory) sent_directory_ = call.texts[0];
        if (call.args[1] == cmd_set_selection && !sent_directory_.empty() && call.texts[0] != sent_directory_)
            problems += "expected a selection only in \"" + sent_directory_ +
                        "\", where the plugin sent the panel, got one written in \"" + call.texts[0] + "\"\n";
    }
    // Nothing else reads the log: it is emptied whenever no call is running.
    if (log.depth() == 0) {
        log.clear();
        log_seen_ = 0;
    }
    return verdict(where_name, problems);
}

bool walker::check_model(const char* where_name) {
    std::string problems;
    snapshot_list(host_, now_);
    model_.verify(now_, problems);
    return verdict(where_name, problems);
}

bool walker::verdict(const char* where_name, const std::string& problems) {
    if (problems.empty()) return true;
    std::string trail;
    for (size_t i = 0; i < trail_size_; ++i) {
        const step& s = trail_[(trail_next_ + trail_length - trail_size_ + i) % trail_length];
        trail += "  " + std::to_string(s.event) + ": " + s.what + "\n";
    }
    violation_ = "at event " + std::to_string(events_) + " (" + where_name + "):\n" + problems +
                 "last events, oldest first:\n" + trail;
    stopping_ = true;
    return false;
}

void walker::note(std::string what) {
    mix(digest_, what.data(), what.size());
    trail_[trail_next_] = {events_, std::move(what)};
    trail_next_ = (trail_next_ + 1) % trail_length;
    trail_size_ = std::min(trail_size_ + 1, trail_length);
}

}  // namespace tolvik::test
