// Answers a host may give that the emulated host never does: a list position
// outside the list, no dialog service in a full start-up record, a language
// whose panel-type labels are all empty, a warning box's notification after
// the box has closed.
#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <vector>

#include "dialog/view_list_dialog_impl.h"
#include "dialog/warning_box.h"
#include "emulator/host.h"
#include "host/constants.h"
#include "host/services.h"
#include "registry/registry.h"
#include "support/linked_plugin_test.h"
#include "support/list_keys.h"

namespace tolvik::test {
using namespace emu;
namespace {

// The host's own message service, and the line it reports instead of its
// cursor's while `lying` is set.
send_dialog_message_fn real_send = nullptr;
bool lying = false;
int32_t reported_line = 0;

param_t TOLVIK_API lying_send(host_handle dialog, int32_t message, int32_t param1, param_t param2) {
    param_t result = real_send(dialog, message, param1, param2);
    if (lying && message == dm_list_get_position && param2 != 0) {
        reinterpret_cast<list_position*>(static_cast<intptr_t>(param2))->select = reported_line;
        result = reported_line;
    }
    return result;
}

std::string line_text(const list_item& line) { return std::string(line.text); }

class host_answers : public linked_plugin_test {
protected:
    void SetUp() override {
        linked_plugin_test::SetUp();
        lying = false;
        host.tamper_startup = [](startup_info& record) {
            real_send = record.send_dialog_message;
            record.send_dialog_message = &lying_send;
        };
    }
    void TearDown() override {
        lying = false;
        linked_plugin_test::TearDown();
    }

    // Opens the list, runs `before` truthfully, then `key` while the host
    // reports `line` as its cursor's; returns the host's line after it.
    int32_t lying_move(const std::vector<int32_t>& before, int32_t key, int32_t line) {
        size_t next = 0;
        int32_t after = -100;
        host.input().set_source([&](input_event& e) {
            if (next < before.size()) {
                e = {input_kind::key, before[next++]};
            } else if (next == before.size()) {
                lying = true;
                reported_line = line;
                e = {input_kind::key, key};
                ++next;
            } else {
                lying = false;
                const open_dialog* d = host.dialogs().innermost();
                if (d && d->items.size() == 2 && after == -100) after = d->items[1].list_select;
                if (next++ > before.size() + 1) return false;
                e = {input_kind::key, key::esc};
            }
            return true;
        });
        host.open_plugin();
        host.input().set_source(nullptr);
        return after;
    }
};

TEST_F(host_answers, a_list_position_off_the_list_is_taken_as_its_nearest_end) {
    // Three views: a new one made and left with Esc stays on the top line;
    // below it the active panel's view and the passive panel's (disabled).
    start();
    host.input().keys({keys::new_view, key::esc});
    host.open_plugin();
    ASSERT_EQ(recent_views().size(), 3u) << host.report();
    // From the top line, the host says -5: Down goes to line 1.
    EXPECT_EQ(lying_move({key::home}, key::down, -5), 1) << host.report();
    // The right panel keeps the new view; back on the left panel the list
    // reads: the left panel's view, the new one (disabled), the right
    // panel's old one. From the bottom line, the host says line 43 (or 3,
    // just past the end): Up skips the disabled line to the top one.
    host.panels().switch_active();
    host.input().keys({key::down, key::enter});
    host.open_plugin();
    host.panels().switch_active();
    EXPECT_EQ(lying_move({key::end}, key::up, 43), 0) << host.report();
    EXPECT_EQ(lying_move({key::end}, key::up, 3), 0) << host.report();
}

TEST_F(host_answers, without_a_dialog_service_the_dialog_counts_as_cancelled) {
    host.tamper_startup = [](startup_info& record) { record.dialog_ex = nullptr; };
    start();
    FarDialogItem items[1] = {};
    EXPECT_EQ(run_dialog(20, 5, nullptr, items, 1, 0, nullptr), -1);
    EXPECT_EQ(host.dialogs().history().size(), 0u);
}

TEST_F(host_answers, the_warning_procedure_called_with_no_warning_shown_leaves_all_to_the_host) {
    // A late notification of a warning box that has closed: the list's own
    // dialog is the only one running, and nothing may close it.
    start();
    host_handle list = nullptr;
    std::vector<call_entry> passed;
    size_t sent = 0;
    host.input().set_source([&](input_event& e) {
        if (!list) {
            list = the_view_list_dialog().dialog_handle();
            const size_t defaults = host.log().count(service::default_dialog_proc);
            const size_t messages = host.log().count(service::send_dialog_message);
            warning_proc(list, dn_init, 0, 0);
            warning_proc(list, dn_idle, 0, 0);
            std::vector<call_entry> all = host.log().calls_to(service::default_dialog_proc);
            passed.assign(all.begin() + static_cast<std::ptrdiff_t>(defaults), all.end());
            sent = host.log().count(service::send_dialog_message) - messages;
        }
        e = {input_kind::key, key::esc};
        return true;
    });
    host.open_plugin();
    host.input().set_source(nullptr);
    ASSERT_NE(list, nullptr) << host.report();
    ASSERT_EQ(passed.size(), 2u) << host.report();
    const auto handle = static_cast<int32_t>(reinterpret_cast<intptr_t>(list));
    EXPECT_EQ(passed[0].args, (std::vector<int32_t>{handle, dn_init, 0, 0}));
    EXPECT_EQ(passed[1].args, (std::vector<int32_t>{handle, dn_idle, 0, 0}));
    EXPECT_EQ(sent, 0u) << "no message to the list";
}

TEST_F(host_answers, empty_panel_type_labels_take_no_column) {
    for (int32_t id = msg_label_file; id <= msg_label_other; ++id) host.lang().set_message(id, "");
    start();
    host.input().key(key::esc);
    host.open_plugin();
    ASSERT_FALSE(host.dialogs().history().empty()) << host.report();
    const std::vector<list_item>& lines = host.dialogs().history().back().items[1].lines;
    ASSERT_EQ(lines.size(), 2u);
    // Number, folder mark, a blank, the empty label, a blank, the side mark,
    // a blank and the folder (on the test drive, which differs by platform).
    EXPECT_EQ(line_text(lines[0]).rfind("2.  < ", 0), 0u) << line_text(lines[0]);
    EXPECT_EQ(line_text(lines[1]).rfind("1.  > ", 0), 0u) << line_text(lines[1]);
}

}  // namespace
}  // namespace tolvik::test
