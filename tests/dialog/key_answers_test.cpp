// What the list answers the host for each notification, by mode and panel:
// a key it acts on is answered 1 without the default dialog procedure, so
// that the host does not act on it again; a guarded key over a panel that
// cannot be switched shows the warning and is answered 1 the same way;
// Ctrl+U is swallowed (0); in Ctrl mode with Ctrl held the idle notification
// is kept (1); everything else goes to the default procedure, whose answer
// the list hands back, and changes nothing.
#include <gtest/gtest.h>

#include <ios>

#include "dialog/view_list_dialog_impl.h"
#include "emulator/host.h"
#include "emulator/pointer_value.h"
#include "host/constants.h"
#include "support/linked_plugin_test.h"
#include "support/list_keys.h"

namespace tolvik::test {
using namespace emu;
namespace {

// What the list answered one message, how often it called the default
// dialog procedure for itself, how many dialogs (warning boxes) ran inside
// it and how many times a panel was set meanwhile.
struct answer_seen {
    bool asked = false;
    param_t answer = -1;
    size_t default_calls = 0;
    size_t dialogs = 0;
    size_t applied = 0;
};

class key_answers : public linked_plugin_test {
protected:
    // Opens the list (in Ctrl mode when `ctrl`, Ctrl held throughout) and,
    // at its first wait for input, sends it the message as the host would;
    // then Esc closes it.
    answer_seen ask_while_open(bool ctrl, int32_t message, int32_t param1, param_t param2) {
        answer_seen seen;
        host.input().set_source([&](input_event& e) {
            if (!seen.asked) {
                seen.asked = true;
                host_handle list = the_view_list_dialog().dialog_handle();
                size_t before = host.log().size();
                size_t runs = host.dialogs().history().size();
                seen.answer = dialog_proc(list, message, param1, param2);
                seen.dialogs = host.dialogs().history().size() - runs;
                const auto& calls = host.log().entries();
                for (size_t i = before; i < calls.size(); ++i) {
                    if (calls[i].service == service::default_dialog_proc &&
                        calls[i].args[0] == pointer_value(list))
                        ++seen.default_calls;
                    if (calls[i].service == service::panel_control && calls[i].args[1] == cmd_set_directory)
                        ++seen.applied;
                }
            }
            e = {input_kind::key, key::esc};
            return true;
        });
        host.set_key_held(virtual_key_control, ctrl);
        host.open_plugin();
        host.set_key_held(virtual_key_control, false);
        host.input().set_source(nullptr);
        return seen;
    }
};

TEST_F(key_answers, by_mode_panel_and_key) {
    // Answered 0, a key would go on to the host's own list and dialog: a
    // move made twice, a close asked of a closed dialog. The delete keys are
    // answered 1 also where two views refuse them. Key code 0 stands among
    // the unknown keys: the key table's unused slots hold 0 and must match
    // no key. The host's drawing and focus notifications (0x1001, 2) are the
    // list's to pass on.
    auto acts = [](const keys::list_key& row) { return row.action != keys::does::swallow; };
    const std::vector<param_t> acted = keys::codes_of(acts);
    const std::vector<param_t> swallowed = keys::codes_of([&](const auto& row) { return !acts(row); });
    const std::vector<param_t> unknown = {0, 'a', key::f5, key::ctrl | key::up, key::ctrl_mode_cancel};
    const std::vector<param_t> guarded = keys::codes_of(keys::guarded);
    const std::vector<param_t> ctrl_mode_keys = keys::codes_of(acts, true);
    const std::vector<param_t> none = {0};
    const struct {
        const char* what;
        bool ctrl = false;  // Ctrl mode, Ctrl held
        int32_t panel = panel_file;
        int32_t message = dn_key;
        const std::vector<param_t>& params;  // param2 of the message
        param_t answer = 0;
        size_t default_calls = 0;
        size_t warnings = 0;
    } rows[] = {
        {.what = "a key the list acts on", .params = acted, .answer = 1},
        {.what = "unknown", .params = unknown, .default_calls = 1},
        {.what = "swallowed", .params = swallowed},
        {.what = "idle", .message = dn_idle, .params = none, .default_calls = 1},
        {.what = "0x1001", .message = 0x1001, .params = none, .default_calls = 1},
        {.what = "2", .message = 2, .params = none, .default_calls = 1},
        {.what = "guarded, tree panel", .panel = panel_tree, .params = guarded, .answer = 1, .warnings = 1},
        {.what = "Ctrl mode", .ctrl = true, .params = ctrl_mode_keys, .answer = 1},
        {.what = "idle, Ctrl held", .ctrl = true, .message = dn_idle, .params = none, .answer = 1},
        {.what = "0x1001, Ctrl mode", .ctrl = true, .message = 0x1001, .params = none, .default_calls = 1},
        {.what = "2, Ctrl mode", .ctrl = true, .message = 2, .params = none, .default_calls = 1},
    };
    start();
    for (const auto& row : rows)
        for (param_t k : row.params) {
            SCOPED_TRACE(::testing::Message()
                         << row.what << ", message 0x" << std::hex << row.message << ", param2 0x" << k);
            host.panels().active().type = row.panel;
            answer_seen seen = ask_while_open(row.ctrl, row.message, row.message == dn_key ? 1 : 0, k);
            ASSERT_TRUE(seen.asked) << host.report();
            EXPECT_EQ(seen.answer, row.answer);
            EXPECT_EQ(seen.default_calls, row.default_calls);
            EXPECT_EQ(seen.dialogs, row.warnings) << "warning boxes shown";
            if (row.answer == 0 || row.default_calls > 0) {
                EXPECT_EQ(seen.applied, 0u) << "a message the list does not act on changes nothing";
            }
        }
}

}  // namespace
}  // namespace tolvik::test
