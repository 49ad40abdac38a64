#include "walk/list_model.h"

#include <algorithm>

#include "dialog/view_list_dialog_impl.h"
#include "host/constants.h"
#include "registry/registry.h"
#include "support/list_keys.h"
#include "views/file_panel_view.h"

namespace tolvik::test {
namespace {

std::string numbers_text(const std::vector<int32_t>& numbers) {
    std::string text = "{";
    for (size_t i = 0; i < numbers.size(); ++i) text += (i ? ", " : "") + std::to_string(numbers[i]);
    return text + "}";
}

int smallest_free(std::vector<int32_t> numbers) {
    std::sort(numbers.begin(), numbers.end());
    int candidate = 1;
    for (int32_t n : numbers)
        if (n == candidate) ++candidate;
    return candidate;
}

}  // namespace

void snapshot_list(emu::host& host, list_snapshot& s) {
    s.order.clear();
    s.numbers.clear();
    s.disabled.clear();
    s.cursor = -1;
    view_list_dialog_impl& dialog = the_view_list_dialog();
    // Paths are assigned over the strings already held, keeping their storage.
    s.paths.resize(recent_views().size());
    int i = 0;
    for (auto at = recent_views().begin(); at != recent_views().end(); ++at, ++i) {
        view* v = *at;
        s.order.push_back(v);
        s.numbers.push_back(v->number);
        s.disabled.push_back(shown_in_other_panel(v));
        s.paths[static_cast<size_t>(i)] = v->path();
        if (dialog.dialog_handle() && at == dialog.list().cursor()) s.cursor = i;
    }
    s.current = current_slot() ? current_slot()->shown_view() : nullptr;
    s.current_unsupported = s.current && s.current->is_unsupported();
    s.list_open = dialog.dialog_handle() != nullptr;
    s.box_open = host.dialogs().open_count() > 1;
    s.ctrl_mode = dialog.ctrl_mode();
    s.ctrl_held = host.key_held(virtual_key_control);
}

int list_model::next_enabled(int from, int step, bool wrap) const {
    const int n = static_cast<int>(before_.order.size());
    int at = from;
    for (int guard = 0; guard <= n; ++guard) {
        if (at < 0 || at >= n) {
            if (!wrap) return -1;
            at = at < 0 ? n - 1 : 0;
        }
        if (!before_.disabled[static_cast<size_t>(at)]) return at;
        at += step;
    }
    return from;
}

void list_model::expect(const list_snapshot& before, const emu::input_event& event) {
    pending_ = true;
    before_ = before;
    outcome_ = outcome::unchanged;
    expected_cursor_ = before.cursor;
    clone_ = false;
    event_ = event;
    const int n = static_cast<int>(before.order.size());
    const int c = before.cursor;
    if (!before.list_open || c < 0 || n == 0) {
        pending_ = false;
        return;
    }
    // Events for the warning box: the list and the registry stay as they are.
    if (before.box_open) return;

    if (event.kind == emu::input_kind::cancel || event.kind == emu::input_kind::close ||
        event.kind == emu::input_kind::shutdown) {
        outcome_ = outcome::reverted;
        return;
    }
    if (event.kind == emu::input_kind::idle) {
        if (before.ctrl_mode && !before.ctrl_held) outcome_ = outcome::committed;
        return;
    }
    if (event.kind != emu::input_kind::key) return;

    if (before.ctrl_mode && !before.ctrl_held) {
        outcome_ = outcome::committed;
        return;
    }
    const keys::list_key* row = keys::row_of(event.code, before.ctrl_mode);
    if (!row) return;  // the host's default procedure acts on it
    using keys::does;
    const does act = row->action;
    if (act == does::refresh || act == does::swallow) return;
    if (act == does::commit || act == does::revert) {
        outcome_ = act == does::commit ? outcome::committed : outcome::reverted;
        return;
    }
    // Refused on an unsupported panel: the warning box, nothing changes.
    if (before.current_unsupported && keys::guarded(*row)) return;
    if (act == does::create || act == does::clone || act == does::renumber) {
        outcome_ = act == does::renumber ? outcome::renumbered : outcome::added;
        clone_ = act == does::clone;
        return;
    }
    if (act != does::remove) {
        const int page =
            std::max(1, the_view_list_dialog().items[1].bottom - the_view_list_dialog().items[1].top + 1);
        outcome_ = outcome::moved;
        expected_cursor_ = act == does::down      ? next_enabled(c + 1, +1, true)
                           : act == does::up      ? next_enabled(c - 1, -1, true)
                           : act == does::home    ? next_enabled(0, +1, true)
                           : act == does::end     ? next_enabled(n - 1, -1, true)
                           : act == does::page_up ? next_enabled(std::max(0, c - page), +1, true)
                                                  : next_enabled(std::min(n - 1, c + page), -1, true);
        return;
    }
    // A deletion: at least three views, never the view the other panel shows.
    if (n <= 2 || before.disabled[static_cast<size_t>(c)]) return;
    outcome_ = outcome::deleted;
    int below = -1;
    for (int i = c + 1; i < n && below < 0; ++i)
        if (!before.disabled[static_cast<size_t>(i)]) below = i;
    int above = -1;
    for (int i = c - 1; i >= 0 && below < 0 && above < 0; --i)
        if (!before.disabled[static_cast<size_t>(i)]) above = i;
    // Indexes after the removal.
    expected_cursor_ = below >= 0 ? below - 1 : above;
    if (expected_cursor_ < 0) outcome_ = outcome::unchanged;
}

std::string list_model::tally() const {
    static const char* const names[] = {"unchanged", "moved",   "committed", "reverted",
                                        "added",     "deleted", "renumbered"};
    std::string text;
    for (int i = 0; i < 7; ++i)
        text += (i ? ", " : "") + std::string(names[i]) + " " + std::to_string(checked_[i]);
    return text;
}

void list_model::verify(const list_snapshot& after, std::string& out) {
    if (!pending_) return;
    pending_ = false;
    ++checked_[static_cast<int>(outcome_)];
    const list_snapshot& b = before_;
    std::string problems;
    auto fail = [&problems](const std::string& what) { problems += "  " + what + "\n"; };
    const bool still_open = after.list_open && after.cursor >= 0;
    auto expect_cursor = [&](int line) {
        if (after.cursor != line)
            fail("expected the cursor on line " + std::to_string(line) + ", got line " +
                 std::to_string(after.cursor));
    };

    switch (outcome_) {
        case outcome::unchanged:
        case outcome::moved:
        case outcome::reverted:
            if (after.order != b.order) fail("expected recent_views in the same order");
            if (after.numbers != b.numbers) fail("expected the same view numbers");
            if (after.current != b.current) fail("expected the current slot to show the same view");
            if (still_open && b.list_open && outcome_ != outcome::reverted) expect_cursor(expected_cursor_);
            break;
        case outcome::committed: {
            std::vector<view*> order = b.order;
            view* chosen = order[static_cast<size_t>(b.cursor)];
            order.erase(order.begin() + b.cursor);
            order.insert(order.begin(), chosen);
            if (after.order != order) fail("expected the chosen view to move to the front of recent_views");
            if (after.current != chosen) fail("expected the current slot to show the chosen view");
            break;
        }
        case outcome::added: {
            if (after.order.size() != b.order.size() + 1) {
                fail("expected one view more, got " + std::to_string(after.order.size()) + " views for " +
                     std::to_string(b.order.size()));
                break;
            }
            const size_t at = static_cast<size_t>(b.cursor);
            std::vector<view*> rest = after.order;
            view* made = rest[at];
            rest.erase(rest.begin() + static_cast<long>(at));
            if (rest != b.order || std::find(b.order.begin(), b.order.end(), made) != b.order.end())
                fail("expected the new view on the cursor line, the others in their order");
            if (still_open) expect_cursor(b.cursor);
            if (after.numbers[at] != smallest_free(b.numbers))
                fail("expected the new view to take number " + std::to_string(smallest_free(b.numbers)) +
                     ", got " + std::to_string(after.numbers[at]));
            if (clone_ && after.paths[at] != b.paths[at])
                fail("expected the copy to hold \"" + b.paths[at] + "\", got \"" + after.paths[at] + "\"");
            if (!clone_ && after.paths[at] != fallback_directory)
                fail("expected the new view at the fallback directory, got \"" + after.paths[at] + "\"");
            if (after.current != b.current) fail("expected the current slot to show the same view");
            break;
        }
        case outcome::deleted: {
            std::vector<view*> order = b.order;
            std::vector<int32_t> numbers = b.numbers;
            view* gone = order[static_cast<size_t>(b.cursor)];
            order.erase(order.begin() + b.cursor);
            numbers.erase(numbers.begin() + b.cursor);
            if (after.order != order) fail("expected the view under the cursor to leave recent_views");
            if (after.numbers != numbers) fail("expected the other views to keep their numbers");
            if (still_open) expect_cursor(expected_cursor_);
            view* shown = expected_cursor_ >= 0 && expected_cursor_ < static_cast<int>(order.size())
                              ? order[static_cast<size_t>(expected_cursor_)]
                              : nullptr;
            if (b.current == gone ? after.current != shown : after.current != b.current)
                fail("expected the current slot to show " +
                     std::string(b.current == gone ? "the new cursor line's view" : "the same view"));
            break;
        }
        case outcome::renumbered: {
            if (after.order != b.order) fail("expected recent_views in the same order");
            std::vector<int32_t> numbers;
            for (size_t i = 0; i < b.order.size(); ++i)
                numbers.push_back(static_cast<int32_t>(b.order.size() - i));
            if (after.numbers != numbers)
                fail("expected the numbers " + numbers_text(numbers) + ", got " +
                     numbers_text(after.numbers));
            if (still_open) expect_cursor(b.cursor);
            break;
        }
    }
    if (!problems.empty())
        out += "the model disagrees after " + emu::describe(event_) + " (cursor line " +
               std::to_string(b.cursor) + " of " + std::to_string(b.order.size()) +
               (b.ctrl_mode ? ", Ctrl mode" : "") + "):\n" + problems;
}

}  // namespace tolvik::test
