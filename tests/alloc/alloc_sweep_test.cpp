// Allocation failures everywhere: start-up, openings, every key of the dialog
// (both modes, refused keys with their warning box) and ExitFAR, with the
// first, second, third... allocation of that step failing until none fails;
// once with one failure, once with every allocation from the nth on failing.
#include <gtest/gtest.h>

#include "emulator/call_log.h"
#include "host/constants.h"
#include "support/list_keys.h"
#include "sweep.h"

namespace tolvik::test {
namespace {

class alloc : public alloc_sweep {
protected:
    // A key of the normal-mode dialog, after `before` (unarmed) keys, over
    // `views` views, then Esc.
    scenario key_scenario(const char* name, std::vector<int32_t> before, int32_t code, int views = 5) {
        scenario s{.name = name, .prepare = [this, views] { start_with_views(views); }};
        for (int32_t k : before) s.script.push_back(key_event(k));
        s.script.push_back(key_event(code, true));
        s.script.push_back(key_event(key::esc));
        return s;
    }

    // Both sweeps; `allocates`: the step must reach at least one allocation
    // (else the scenario tests nothing), or none at all. Returns the failure
    // points of the single sweep.
    long both_ways(const scenario& s, bool allocates = true) {
        long single = sweep(s, false);
        long sticky = sweep(s, true);
        if (allocates)
            EXPECT_GT(single + sticky, 0) << s.name << ": expected the step to allocate at least once";
        else
            EXPECT_EQ(single + sticky, 0) << s.name << ": expected the step to allocate nothing";
        return single;
    }
};

TEST_F(alloc, start_up) { both_ways({.name = "start-up", .failing = step::start_up}); }

TEST_F(alloc, opening_in_both_modes) {
    for (bool ctrl : {false, true}) {
        long points[2] = {};
        // With both shown views duplicated, their blocks are shared: the
        // opening's re-captures must copy them, where alone they rewrite
        // them in place.
        for (bool duplicated : {false, true}) {
            scenario s;
            s.name = std::string(ctrl ? "opening with Ctrl held" : "opening") +
                     (duplicated ? ", both shown views duplicated" : "");
            s.prepare = [this, duplicated] {
                start_with_views(4);
                if (!duplicated) return;
                for (panel_slot* slot : panel_slots())
                    add_clone(find_entry(recent_views(), slot->shown_view()));
                make_current(find_entry(recent_views(), current_slot()->shown_view()));
            };
            s.failing = step::opening;
            s.ctrl_held_at_opening = ctrl;
            s.script = ctrl ? std::vector{ctrl_event(false), idle_event()} : std::vector{key_event(key::esc)};
            points[duplicated] = both_ways(s);
        }
        EXPECT_GT(points[1], points[0]) << "expected the re-captures of shared blocks to allocate";
    }
}

TEST_F(alloc, opening_after_the_panels_switched) {
    scenario s;
    s.name = "opening after a panel switch";
    s.prepare = [this] {
        start_with_views(4);
        host.panels().switch_active();
        host.panels().active().set_directory(tree.windows("c"));
    };
    s.failing = step::opening;
    s.script = {key_event(key::down), key_event(key::enter)};
    both_ways(s);
}

TEST_F(alloc, cursor_moves) {
    both_ways(key_scenario("Down", {}, key::down));
    both_ways(key_scenario("Up", {}, key::up));
    both_ways(key_scenario("Home", {key::down, key::down}, key::home));
    both_ways(key_scenario("End", {}, key::end));
    both_ways(key_scenario("PgUp", {key::end}, key::pg_up, 12));
    both_ways(key_scenario("PgDn", {}, key::pg_dn, 12));
}

TEST_F(alloc, commit_and_revert) {
    both_ways(key_scenario("Enter after a move", {key::down, key::down}, key::enter));
    both_ways(key_scenario("Esc after a move", {key::down}, key::esc));
    both_ways(key_scenario("F10 after a move", {key::down}, key::f10));
}

TEST_F(alloc, editing_keys) {
    both_ways(key_scenario("Ctrl+Shift+F3 on the top line", {}, keys::new_view));
    both_ways(key_scenario("Ctrl+F3 on the second line", {key::down}, keys::duplicate));
    both_ways(key_scenario("Del on the third line", {key::down, key::down}, key::del));
    both_ways(key_scenario("Del on the current view", {}, key::del));
    both_ways(key_scenario("Ctrl+Shift+F5", {key::down}, keys::renumber));
    both_ways(key_scenario("Ctrl+R", {key::down}, key::ctrl_r));
    // Keys the list does not act on need no memory.
    both_ways(key_scenario("Ctrl+U", {}, key::ctrl_u), false);
    both_ways(key_scenario("an unknown key", {}, 'a'), false);
}

TEST_F(alloc, ctrl_mode_keys) {
    const std::vector<std::pair<const char*, std::vector<scripted_event>>> scripts = {
        {"Ctrl+~", {key_event(key::ctrl_tilde, true), ctrl_event(false), idle_event()}},
        {"Ctrl+Shift+~", {key_event(key::ctrl_shift_tilde, true), ctrl_event(false), idle_event()}},
        {"Ctrl released, then idle", {key_event(key::ctrl_tilde), ctrl_event(false), idle_event(true)}},
        {"Ctrl released, then a key",
         {key_event(key::ctrl_tilde), ctrl_event(false), key_event(key::down, true)}},
        {"Ctrl+F3 in Ctrl mode", {key_event(keys::duplicate, true), ctrl_event(false), idle_event()}},
        {"key 0x1006", {key_event(key::ctrl_tilde), key_event(key::ctrl_mode_cancel, true)}},
    };
    for (const auto& [name, script] : scripts)
        both_ways({.name = name,
                   .prepare = [this] { start_with_views(5); },
                   .script = script,
                   .ctrl_held_at_opening = true});
}

TEST_F(alloc, refused_keys_and_their_warning_box) {
    for (bool ctrl : {false, true}) {
        for (int32_t code : {key::down, keys::duplicate, keys::new_view}) {
            scenario s;
            s.name = std::string("refused key ") + std::to_string(code) + (ctrl ? " in Ctrl mode" : "");
            s.prepare = [this] {
                start_with_views(3);
                host.panels().active().type = panel_tree;
                synchronise_with_panels();
            };
            s.ctrl_held_at_opening = ctrl;
            s.script = {key_event(ctrl ? (code | key::ctrl) : code, true)};
            if (ctrl) s.script.push_back(ctrl_event(false));
            s.script.push_back(idle_event());
            s.script.push_back(key_event(key::esc));
            // The refusal allocates nothing (the box's line is built in place):
            // the sweep ends at once, with the box shown and nothing changed.
            sweep(s, false);
            sweep(s, true);
            size_t boxes = 0;
            for (const emu::call_entry& call : host.log().calls_to(emu::service::dialog_ex))
                if (call.args.size() > 9 && call.args[9] == style_warning) ++boxes;
            EXPECT_GE(boxes, 1u) << s.name << ": expected the warning box to be shown";
        }
    }
}

TEST_F(alloc, exit) {
    const scenario s{.name = "ExitFAR", .prepare = [this] { start_with_views(6); }, .failing = step::exit};
    // ExitFAR frees and allocates nothing: the sweep ends at once, and must.
    EXPECT_EQ(sweep(s, false), 0) << "expected ExitFAR to need no memory";
    EXPECT_EQ(sweep(s, true), 0);
}

}  // namespace
}  // namespace tolvik::test
