// A walk through the life of the plugin in an emulated host: openings of the
// view list with random keys (every key of the key table, with and without
// Ctrl and Shift), Ctrl going down and up, idle ticks and host cancels inside
// the dialog; between openings panel switches, panel type changes, moves of
// the panels to other folders, folders removed and created under the views,
// and shut-down followed by a fresh start. The host also does what a real one
// may do within its interface: it ends a dialog with an item of its own or
// without a close notification, refuses to open a dialog (the list or the
// warning box), refuses panel commands 12, 19 and 21, and bars folders that
// still exist (command 16 then fails). The invariants of invariants.h are
// checked after every event, inside the dialog loop too (the host asks the
// walker for each next event through the input queue's source), with the
// walk's oracle for lost work: a view's folder, items and selection change
// only when a panel that shows it is captured, and a selection is written
// only into the folder the plugin last sent the panel to.
//
// Every choice comes from one `chooser`: a seeded generator makes a walk that
// replays exactly from its seed; a fuzzer's bytes make one that ends when the
// bytes do. No GoogleTest here: the walk reports its first violation.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

#include "emulator/host.h"
#include "support/test_tree.h"
#include "walk/invariants.h"
#include "walk/list_model.h"
#include "walk/walk_tree.h"

namespace tolvik::test {

class walker {
public:
    // A number in [0, bound) (bound >= 1).
    using chooser = std::function<uint32_t(uint32_t bound)>;

    // `host` must have the plugin attached and its language loaded; the
    // walker starts the plugin (SetStartupInfo) itself.
    walker(emu::host& host, test_tree& tree, chooser choose);

    // Starts the plugin. Returns false on an invariant violation.
    bool start();
    // Walks until `events` events have been walked in total, `exhausted()`
    // becomes true, or an invariant breaks. Returns false on a violation.
    bool walk(long events, const std::function<bool()>& exhausted = {});
    // Shuts the plugin down (ExitFAR) and checks that nothing leaked.
    bool finish();

    long events() const { return events_; }
    long openings() const { return openings_; }
    // The most views the registry held at the end of an opening.
    long max_views() const { return max_views_; }
    // A hash of every step taken: two walks that took the same steps agree.
    uint64_t digest() const { return digest_; }
    // The model's predictions checked, by kind.
    std::string model_tally() const { return model_.tally(); }
    // The first violation, with the events that led to it.
    const std::string& violation() const { return violation_; }

private:
    void open_list();
    bool next_event(emu::input_event& event);
    emu::input_event dialog_event();
    int32_t key_code();
    void outside_action();
    void change_folders(bool inside_dialog);
    void move_panel(emu::panel_model& panel);
    void restart();
    // The host's edges: a folder barred or freed, a panel command refused or
    // taken again.
    void change_host_edges(bool inside_dialog);
    bool check(const char* where_name, int where);
    // The oracle for lost work (above). `captured`: the opening has just
    // re-captured the slots' views from their panels. Snapshots change only
    // inside plugin calls, so it runs when an opening's first event comes and
    // after the list closed, not at every event: hashing every view's items
    // is the walk's dearest check.
    bool check_contents(const char* where_name, bool captured);
    // Selections written (command 10) since the last look, against the
    // folder the plugin last sent the panel to (command 16).
    bool check_selections(const char* where_name);
    // The oracle for lost work: a view's panel type, and with it its items
    // and selection, changes only when the user changed the type of the
    // panel while that view was shown in it. `opened`: the list has been
    // opened since the last type change, so every panel has been captured.
    bool check_kinds(const char* where_name, bool opened);
    void note_kind_change(emu::panel_model& panel);
    bool check_model(const char* where_name);
    // True when `problems` is empty; else records the violation with the
    // trail of events that led to it.
    bool verdict(const char* where_name, const std::string& problems);
    void note(std::string what);

    emu::host& host_;
    test_tree& tree_;
    chooser choose_;
    long events_ = 0;
    long limit_ = 0;
    long openings_ = 0;
    long max_views_ = 0;
    bool grow_ = false;  // one walk in four favours new views and copies
    long blocks_at_start_ = 0;
    int dialog_events_ = 0;
    int forced_cancels_ = 0;
    bool stopping_ = false;
    std::function<bool()> exhausted_;
    std::string violation_;
    panel_expectation expectation_;
    list_model model_;
    list_snapshot now_;
    // Each live view's kind of panel as last seen, and whether the user has
    // since changed the type of a panel that showed it.
    struct kind_seen {
        int32_t kind = 0;
        bool may_change = false;
    };
    std::unordered_map<const view*, kind_seen>
        kinds_;  // the list as the last check saw it; its storage is reused
    // Each live view's snapshot (record, items and their texts), hashed, as
    // last seen: a duplicate and its source never see each other's
    // re-captures.
    std::unordered_map<const view*, uint64_t> contents_;
    bool captured_ = false;       // an opening began and its contents are not checked yet
    size_t log_seen_ = 0;         // call log entries check_selections has read
    std::string sent_directory_;  // the last command 16's directory
    // The last events, a ring: trail_[trail_next_] is the oldest once full.
    struct step {
        long event = 0;
        std::string what;
    };
    static constexpr size_t trail_length = 24;
    std::array<step, trail_length> trail_;
    size_t trail_size_ = 0;
    size_t trail_next_ = 0;
    uint64_t digest_ = 14695981039346656037ull;
};

}  // namespace tolvik::test
