// The view list dialog through the emulator: a started plugin over a
// temporary tree, input helpers, a way to look at the screen while a dialog
// is open, and readers for what the call log recorded.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "emulator/host.h"
#include "host/constants.h"
#include "support/list_keys.h"
#include "support/loaded_plugin_test.h"

namespace tolvik::test {
using namespace emu;

inline input_event press(int32_t code) { return {input_kind::key, code}; }
inline input_event ctrl_up() { return {input_kind::ctrl_up, 0}; }
inline input_event idle() { return {input_kind::idle, 0}; }
inline input_event cancel() { return {input_kind::cancel, 0}; }
// The host ends the dialog on its own terms: with an item, or without a close
// notification at all.
inline input_event host_close(int32_t item) { return {input_kind::close, item}; }
inline input_event shutdown() { return {input_kind::shutdown, 0}; }

// A kind of active panel, with the label the list and the warning box name
// it by.
struct panel_kind {
    const char* name;
    int32_t type;
    int32_t plugin;
    int32_t label;
};
inline constexpr panel_kind file_panel{"file", panel_file, 0, msg_label_file};
// The kinds the list refuses to switch, in the order of their labels.
inline constexpr panel_kind unsupported_panels[] = {
    {"plugin", panel_file, 1, msg_label_plugin},
    {"tree", panel_tree, 0, msg_label_tree},
    {"quick view", panel_quick_view, 0, msg_label_quick_view},
    {"information", panel_information, 0, msg_label_information},
    {"other", 5, 0, msg_label_other},
};

class list_dialog_test : public loaded_plugin_test {
protected:
    list_dialog_test() { start(); }

    void TearDown() override {
        host->exit_far();
        loaded_plugin_test::TearDown();
    }

    // Ends this host as TearDown does, then starts a fresh host and plugin
    // over the same tree, `tamper` editing the startup record it is handed.
    void restart(std::function<void(startup_info&)> tamper = nullptr) {
        TearDown();
        reload();
        host->tamper_startup = std::move(tamper);
        start();
    }

    // Makes the active panel of `kind`; the next opening captures it.
    void make_active(const panel_kind& kind) {
        host->panels().active().type = kind.type;
        host->panels().active().plugin = kind.plugin;
    }

    // Opens the plugin with `events` queued (Ctrl held at the opening when
    // `ctrl`); returns the log index where this opening starts.
    size_t open(const std::vector<input_event>& events, bool ctrl = false) {
        size_t from = host->log().size();
        for (const input_event& e : events) host->input().push(e);
        host->set_key_held(virtual_key_control, ctrl);
        host->open_plugin();
        EXPECT_TRUE(host->input().empty()) << "input left over after the dialog closed";
        host->input().clear();
        return from;
    }

    // As open, but `look` is called once `before` has been consumed; then
    // `after` is fed. Returns whether `look` was called.
    bool open_and_watch(const std::vector<input_event>& before, const std::vector<input_event>& after,
                        bool ctrl, const std::function<void()>& look) {
        size_t next = 0;
        bool looked = false;
        host->input().set_source([&](input_event& e) {
            if (!looked) look();
            looked = true;
            if (next >= after.size()) return false;
            e = after[next++];
            return true;
        });
        open(before, ctrl);
        host->input().set_source(nullptr);
        return looked;
    }

    // As open_and_watch, looking at the screen. Returns the screen text.
    std::string open_and_look(const std::vector<input_event>& before, const std::vector<input_event>& after,
                              bool ctrl = false, std::string* attributes = nullptr) {
        std::string seen;
        EXPECT_TRUE(open_and_watch(before, after, ctrl, [&] {
            seen = host->screen().dump();
            if (attributes) *attributes = host->screen().dump_attributes();
        })) << "the dialog closed before the screen was captured";
        return seen;
    }

    // The lines of the next opening, closed at once with Esc.
    std::vector<std::string> next_lines() {
        open({press(key::esc)});
        return lines();
    }

    // Grows the registry to `count` views: each new view is made at the
    // fallback directory, committed, and the active panel then goes to its own
    // folder "vK" (captured at the next opening, done here too). Afterwards
    // recent_views is count, count-1, ..., 3, 2, 1; the active panel shows
    // view `count` in C:\v<count>, the right panel view 1, no panel view 2.
    void grow_to(int count) {
        for (int k = 3; k <= count; ++k) {
            open({press(keys::new_view), press(key::enter)});
            std::string folder = "v" + std::to_string(k);
            tree.folder(folder);
            host->panels().active().set_directory(dir(folder));
        }
        host->log().clear();
    }

    // Right panel active; its view 1 deleted from the list, so that the
    // right slot shows view 3 while the front is view 4, which the left panel
    // shows: lines 4 (disabled), 3 (current), 2.
    void leave_the_other_panels_view_at_the_front() {
        grow_to(4);
        host->panels().switch_active();
        open({press(key::del), press(key::esc)});
    }

    // The list dialog runs recorded by the host, last first.
    const open_dialog& last_list_run() {
        const auto& runs = host->dialogs().history();
        for (auto it = runs.rbegin(); it != runs.rend(); ++it)
            if (it->items.size() == 2) return *it;
        ADD_FAILURE() << "no list dialog ran";
        static open_dialog none;
        return none;
    }

    // The last warning box the host ran, or null.
    const open_dialog* last_warning() {
        const auto& runs = host->dialogs().history();
        for (auto it = runs.rbegin(); it != runs.rend(); ++it)
            if (it->items.size() == 4) return &*it;
        return nullptr;
    }

    // The lines as the host holds them at the end of the last list dialog.
    const std::vector<list_item>& list_lines() {
        static const std::vector<list_item> none;
        const open_dialog& run = last_list_run();
        return run.items.size() < 2 ? none : run.items[1].lines;
    }
    std::vector<std::string> lines() {
        std::vector<std::string> out;
        for (const list_item& line : list_lines()) out.push_back(field_text(line.text, sizeof line.text));
        return out;
    }
    std::vector<uint32_t> line_flags() {
        std::vector<uint32_t> out;
        for (const list_item& line : list_lines()) out.push_back(line.flags);
        return out;
    }
    // The list cursor as the host holds it at the end of the last list dialog.
    int32_t host_cursor() {
        const open_dialog& run = last_list_run();
        return run.items.size() < 2 ? -1 : run.items[1].list_select;
    }

    // The calls to `service` from log index `from` on.
    std::vector<call_entry> calls_since(size_t from, std::string_view service) {
        std::vector<call_entry> out;
        const auto& all = host->log().entries();
        for (size_t i = from; i < all.size(); ++i)
            if (all[i].kind == call_kind::service && all[i].service == service) out.push_back(all[i]);
        return out;
    }
    // Dialog message numbers sent from `from` on.
    std::vector<int32_t> messages_since(size_t from) {
        std::vector<int32_t> out;
        for (const call_entry& c : calls_since(from, service::send_dialog_message)) out.push_back(c.args[1]);
        return out;
    }
    // The directories the active panel was sent to (command 16): one per apply.
    std::vector<std::string> applied_since(size_t from) {
        std::vector<std::string> out;
        for (const call_entry& c : calls_since(from, service::panel_control))
            if (c.args[1] == cmd_set_directory) out.push_back(c.texts.empty() ? "?" : c.texts[0]);
        return out;
    }
    // Param1 of every message 3 from `from` on: 0 drawing off, 1 on.
    std::vector<int32_t> redraw_switches_since(size_t from) {
        std::vector<int32_t> out;
        for (const call_entry& c : calls_since(from, service::send_dialog_message))
            if (c.args[1] == dm_enable_redraw) out.push_back(c.args[2]);
        return out;
    }
    // The {selected, top} of every message 31 from `from` on.
    std::vector<std::vector<int32_t>> positions_since(size_t from) {
        std::vector<std::vector<int32_t>> out;
        for (const call_entry& c : calls_since(from, service::send_dialog_message))
            if (c.args[1] == dm_list_set_position) out.push_back(c.values);
        return out;
    }

    // The Windows path of a folder of the tree.
    std::string dir(const std::string& folder) { return tree.windows(folder); }
    std::string active_dir() { return host->panels().active().directory(); }

private:
    void start() {
        host->panels().lay_out(80, 25);
        host->set_startup_info();
    }
};

// "{a, b}" of texts, for messages.
inline std::string join(const std::vector<std::string>& texts) {
    std::string out = "{";
    for (size_t i = 0; i < texts.size(); ++i) out += (i ? ", \"" : "\"") + texts[i] + "\"";
    return out + "}";
}

}  // namespace tolvik::test
