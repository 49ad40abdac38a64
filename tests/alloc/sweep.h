// The allocation-failure sweep: a scenario is run again and again with its
// first, second, third... allocation failing (inside one chosen step: start-up,
// an opening, one key of the dialog, or ExitFAR) until a run passes in which
// no failure was due. Every run must end with the invariants intact, the host
// without failures, and as many plugin blocks alive as before it began.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "emulator/input.h"
#include "support/linked_plugin_test.h"
#include "walk/invariants.h"

namespace tolvik::test {

// One scripted event of an opening; `armed` makes the allocation failure due
// from the moment the host takes this event until it asks for the next one.
struct scripted_event {
    emu::input_event event;
    bool armed = false;
};

scripted_event key_event(int32_t code, bool armed = false);
scripted_event ctrl_event(bool down, bool armed = false);
scripted_event idle_event(bool armed = false);

// Totals over the whole program, for the reliability figures.
struct sweep_totals {
    long runs = 0;
    long failure_points = 0;  // runs in which the injected failure was delivered
};
sweep_totals& totals();

class alloc_sweep : public walk_tree_test {
protected:
    void SetUp() override;

    // Which step of a run the failure falls into.
    enum class step { start_up, opening, scripted, exit };

    struct scenario {
        std::string name;
        // Run before the failing step, with no failure armed; leaves a started plugin.
        std::function<void()> prepare;
        step failing = step::scripted;
        // The events of the opening (only for step::opening and step::scripted).
        std::vector<scripted_event> script;
        bool ctrl_held_at_opening = false;
    };

    // Runs `s` with the nth allocation of its failing step failing, for
    // n = 1, 2, ... until no failure is due; sticky: every allocation from
    // the nth on fails while the step runs. Returns the number of failure
    // points exercised.
    long sweep(const scenario& s, bool sticky);

    // Start-up, then `count` views in all (at least 2) over different
    // folders; the front of recent_views is shown by the active panel.
    void start_with_views(int count);

private:
    // One run; its outcome is left in delivered_ and problems_.
    void run_once(const scenario& s, long n, bool sticky);
    bool next_scripted(emu::input_event& event);
    void check_now(stage where, const char* label);

    const std::vector<scripted_event>* script_ = nullptr;
    size_t script_at_ = 0;
    long arm_n_ = 0;
    bool arm_sticky_ = false;
    bool armed_now_ = false;
    bool delivered_ = false;
    int cancels_ = 0;
    std::string problems_;
    panel_expectation expectation_;
};

}  // namespace tolvik::test
