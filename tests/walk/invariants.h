// The registry and dialog invariants that must hold between any two events,
// checked from outside the plugin's code paths (its lists, the emulated
// panels, the host's failure record). Header-only so that the walk, the
// allocation sweep, the unit tests and the fuzzers share one definition; no
// GoogleTest here.
//
// Each check appends one line per violation to `out`; an empty result means
// every invariant held.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "base/memory.h"
#include "base/windows_calls.h"
#include "dialog/view_list_dialog_impl.h"
#include "emulator/host.h"
#include "host/constants.h"
#include "registry/registry.h"
#include "views/file_panel_view.h"
#include "views/view_numbers.h"
#include "walk/linked_plugin.h"

namespace tolvik::test {

// How far the walk is in the life of one opening; decides which invariants apply.
enum class stage {
    between_openings,  // panels may have been switched since the last synchronisation
    list_open,         // inside the dialog loop of an opening
    list_closed,       // OpenPlugin has returned, panels untouched since
};

// The entries of a registry list into `out`, front first, keeping its
// storage: the walk checks after every event, and the scratch vectors below
// stay allocated.
template <class T>
void copy_entries(dlist<T>& list, std::vector<T>& out) {
    out.clear();
    for (T value : list) out.push_back(value);
}

// The entries of a registry list, front first.
template <class T>
std::vector<T> entries(dlist<T>& list) {
    std::vector<T> out;
    copy_entries(list, out);
    return out;
}

// The numbers of a list's views, front first.
inline std::vector<int32_t> numbers(view_list& list) {
    std::vector<int32_t> out;
    for (view* v : list) out.push_back(v->number);
    return out;
}

namespace detail {

inline std::string describe_view(const view* v) {
    if (!v) return "null";
    return "view " + std::to_string(v->number) + " (" + (v->path() ? v->path() : "?") + ")";
}

// all_views and recent_views hold the same views, each once; no null entry.
inline void check_lists(std::string& out) {
    static thread_local std::vector<view*> all, recent;
    copy_entries(all_views(), all);
    copy_entries(recent_views(), recent);
    if (all.size() != all_views().size() || recent.size() != recent_views().size())
        out += "a list's size disagrees with its entries\n";
    if (std::count(all.begin(), all.end(), nullptr) || std::count(recent.begin(), recent.end(), nullptr))
        out += "a view list holds null\n";
    std::sort(all.begin(), all.end());
    std::sort(recent.begin(), recent.end());
    if (std::adjacent_find(all.begin(), all.end()) != all.end()) out += "all_views holds a view twice\n";
    if (std::adjacent_find(recent.begin(), recent.end()) != recent.end())
        out += "recent_views holds a view twice\n";
    if (all != recent)
        out += "expected all_views and recent_views to hold the same views, got " +
               std::to_string(all.size()) + " and " + std::to_string(recent.size()) +
               " entries that differ\n";
}

// Each view's slots are exactly the slots that show it; slots show live views.
inline void check_slots(std::string& out) {
    static thread_local std::vector<panel_slot*> slots, listed, showing;
    static thread_local std::vector<view*> all;
    copy_entries(panel_slots(), slots);
    if (!slots.empty() && slots.size() != 2)
        out += "expected 0 or 2 panel slots, got " + std::to_string(slots.size()) + "\n";
    if (std::count(slots.begin(), slots.end(), nullptr)) out += "panel_slots holds null\n";
    copy_entries(all_views(), all);
    for (panel_slot* s : slots) {
        if (s && s->shown_view() && std::find(all.begin(), all.end(), s->shown_view()) == all.end())
            out += "a slot shows a view that all_views does not hold\n";
    }
    for (view* v : all) {
        if (!v) continue;
        copy_entries(v->slots, listed);
        showing.clear();
        for (panel_slot* s : slots)
            if (s && s->shown_view() == v) showing.push_back(s);
        std::sort(listed.begin(), listed.end());
        std::sort(showing.begin(), showing.end());
        if (listed != showing)
            out += "expected " + describe_view(v) + " to list the " + std::to_string(showing.size()) +
                   " slot(s) showing it, got " + std::to_string(listed.size()) + " entries\n";
    }
    panel_slot* current = current_slot();
    if (slots.empty()) {
        if (current) out += "current_slot is set while there are no slots\n";
        if (!all.empty()) out += "views exist but no panel slots\n";
    } else if (std::find(slots.begin(), slots.end(), current) == slots.end()) {
        out += "current_slot is not one of the two panel slots\n";
    }
}

// View numbers are unique, at least 1, and the set holds exactly them.
inline void check_numbers(std::string& out) {
    static thread_local std::vector<int32_t> numbers, held;
    numbers.clear();
    for (view* v : all_views())
        if (v) numbers.push_back(v->number);
    std::sort(numbers.begin(), numbers.end());
    if (std::adjacent_find(numbers.begin(), numbers.end()) != numbers.end())
        out += "two live views share a number\n";
    if (!numbers.empty() && numbers.front() < 1)
        out += "expected view numbers >= 1, got " + std::to_string(numbers.front()) + "\n";
    const view_number_set& set = view_numbers();
    held.clear();
    for (size_t i = 0; i < set.size(); ++i) held.push_back(set.at(i));
    if (held != numbers) {
        std::string got, want;
        for (int32_t n : held) got += std::to_string(n) + " ";
        for (int32_t n : numbers) want += std::to_string(n) + " ";
        out += "expected the number set {" + want + "}, got {" + got + "}\n";
    }
}

inline bool directory_exists(const char* path) {
    uint32_t a = file_attributes(path);
    return a != invalid_file_attributes && (a & file_attribute_directory) != 0;
}

}  // namespace detail

// Invariants of the registry alone: true whenever no plugin call is running.
inline void check_registry(std::string& out) {
    detail::check_lists(out);
    detail::check_slots(out);
    detail::check_numbers(out);
}

// The registry's violations, one per line; empty when every invariant holds.
inline std::string registry_problems() {
    std::string out;
    check_registry(out);
    return out;
}

// current_slot is the slot of the host's active panel (from a synchronisation on).
inline void check_current_slot(emu::host& host, std::string& out) {
    if (panel_slots().size() != 2) return;
    const bool left_active = host.panels().active_side() == emu::side::left;
    panel_slot* expected = left_active ? panel_slots().front() : panel_slots().back();
    if (current_slot() != expected)
        out += std::string("expected current_slot to be the ") + (left_active ? "left" : "right") +
               " (active) panel's slot, got the other one\n";
}

// What the active panel must show while the list is open: the last applied
// view as it was when it was applied. A view's validity may change later
// without a new apply (a move onto the view already applied tests it again),
// so the expectation is kept until the plugin sends the panel to a directory
// (command 16) or applies another view.
struct panel_expectation {
    const view* applied = nullptr;
    std::string directory;
    int directory_requests = 0;  // the host's count when last looked at
};

// The active panel shows `shown` as `expect` holds it (valid: its directory;
// not valid: the fallback directory). A directory that vanished from disk
// before the view was applied cannot be shown; that is no fault.
inline void check_panel_shows(emu::host& host, const view* shown, panel_expectation& expect,
                              std::string& out) {
    const bool directory_sent = host.panels().directory_requests() != expect.directory_requests;
    expect.directory_requests = host.panels().directory_requests();
    if (directory_sent || expect.applied != shown) {
        expect.applied = shown;
        expect.directory = shown->is_valid() ? shown->path() : fallback_directory;
    }
    const std::string& directory = host.panels().active().directory();
    if (directory != expect.directory && detail::directory_exists(expect.directory.c_str()))
        out += "expected the active panel to show " + detail::describe_view(shown) + " at \"" +
               expect.directory + "\", got \"" + directory + "\"\n";
}

// While the list is open: the cursor is an entry of recent_views and the
// active panel shows the last applied view.
inline void check_list_open(emu::host& host, panel_expectation& expect, std::string& out) {
    view_list_dialog_impl& dialog = the_view_list_dialog();
    const list_state& list = dialog.list();
    bool cursor_listed = false;
    for (auto at = recent_views().begin(); at != recent_views().end(); ++at)
        if (at == list.cursor()) cursor_listed = true;
    if (!cursor_listed) out += "the cursor entry is not an entry of recent_views\n";
    if (!list.last_applied()) {
        out += "no last applied view while the list is open\n";
        return;
    }
    if (find_entry(recent_views(), list.last_applied()) == recent_views().end()) {
        out += "the last applied view is not in the registry\n";
        return;
    }
    check_panel_shows(host, list.last_applied(), expect, out);
}

// After the list closed: both slots show a view, and not the same one.
inline void check_list_closed(std::string& out) {
    if (panel_slots().size() != 2) return;
    view* first = panel_slots().front()->shown_view();
    view* second = panel_slots().back()->shown_view();
    if (!first || !second) out += "a panel slot shows no view after the list closed\n";
    if (first && first == second) out += "both panel slots show " + detail::describe_view(first) + "\n";
}

// Right after an opening, however the list ended: the active panel shows the
// current slot's view, the last one the list applied (or, with none applied,
// the one it opened on). Otherwise the next opening would capture what the
// panel shows into that view.
inline void check_panel_shows_current(emu::host& host, panel_expectation& expect, std::string& out) {
    if (panel_slots().size() != 2) return;
    const view* current = current_slot()->shown_view();
    const view* applied = the_view_list_dialog().list().last_applied();
    if (!current || !applied) return;
    if (applied != current)
        out += "expected the active panel to show the current slot's " + detail::describe_view(current) +
               " after the list closed, got the preview of " + detail::describe_view(applied) + "\n";
    else
        check_panel_shows(host, current, expect, out);
}

// Everything that applies at `where`, plus an empty host failure record.
// `expect` carries the panel expectation from one check to the next within
// an opening; reset it (= {}) when a new opening starts.
inline std::string check_all(emu::host& host, stage where, panel_expectation& expect) {
    std::string out;
    check_registry(out);
    if (where != stage::between_openings) check_current_slot(host, out);
    if (where == stage::list_open) check_list_open(host, expect, out);
    if (where == stage::list_closed) check_list_closed(out);
    for (const std::string& failure : host.failures()) out += "host failure: " + failure + "\n";
    return out;
}

}  // namespace tolvik::test
