// The walk's model of the view list: from the registry as it stands when the
// host takes an event, it predicts what that event must do (which line the
// cursor goes to, how recent_views is reordered, which view is added or
// removed and with which number, what the current slot shows), and checks
// the prediction when the host asks for the next event or the list closes.
//
// The model knows the key table, the Ctrl-mode rules (K and K', commit on
// release), the refused keys on an unsupported panel and the warning box
// that takes the events while it is open. It does not model validity marks
// or what the panels show; invariants.h covers those.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "emulator/host.h"
#include "emulator/input.h"
#include "views/view.h"

namespace tolvik::test {

// The registry as the list shows it.
struct list_snapshot {
    std::vector<view*> order;        // recent_views, front first
    std::vector<int32_t> numbers;    // the view numbers, in that order
    std::vector<bool> disabled;      // lines the other panel shows
    std::vector<std::string> paths;  // the views' directories
    int cursor = -1;                 // index of the cursor entry; -1: list closed
    view* current = nullptr;         // what the current slot shows
    bool current_unsupported = false;
    bool list_open = false;
    bool box_open = false;  // a dialog (the warning box) is open above the list
    bool ctrl_mode = false;
    bool ctrl_held = false;
};

// The registry as the list shows it now, into `into`, whose storage is reused
// (the walk takes one per event).
void snapshot_list(emu::host& host, list_snapshot& into);

class list_model {
public:
    // The host takes `event` while the list is open, the registry as in `before`.
    void expect(const list_snapshot& before, const emu::input_event& event);
    // Checks the last prediction against `after`; appends what differs to `out`.
    // Does nothing when nothing is predicted.
    void verify(const list_snapshot& after, std::string& out);
    // Drops the prediction (the walk stopped checking).
    void forget() { pending_ = false; }

    // Predictions checked so far, by kind: "unchanged 812, moved 3011, ...".
    std::string tally() const;

private:
    enum class outcome { unchanged, moved, committed, reverted, added, deleted, renumbered };

    int next_enabled(int from, int step, bool wrap) const;

    bool pending_ = false;
    outcome outcome_ = outcome::unchanged;
    list_snapshot before_;
    emu::input_event event_{};
    int expected_cursor_ = -1;
    bool clone_ = false;
    long checked_[7] = {};
};

}  // namespace tolvik::test
