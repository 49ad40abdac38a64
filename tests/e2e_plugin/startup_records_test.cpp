// Start-up records at the edges: short records ending exactly at a field's
// end, and full records without a standard-function table or services.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "emulator/host.h"
#include "host/constants.h"
#include "support/loaded_plugin_test.h"

namespace tolvik::test {
using namespace emu;
namespace {

class startup_records : public loaded_plugin_test {};

// A message lookup that knows no message.
const char* TOLVIK_API no_text(int32_t, int32_t) { return nullptr; }

TEST_F(startup_records, short_records_use_exactly_the_services_they_hold) {
    // The module number ends at 268, the message box at 284, the lookup at
    // 288: the menu entry needs the lookup, the too-old warning both.
    struct case_ {
        uint32_t size;
        bool entry;
    } cases[] = {{4, false},   {100, false}, {267, false}, {268, false}, {280, false},
                 {283, false}, {284, false}, {287, false}, {288, true},  {371, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE("size " + std::to_string(c.size));
        reload();
        host->set_module_number(41);
        host->set_startup_info(c.size);
        EXPECT_EQ(host->log().count(service::panel_control), 0u) << "a short record starts no registry";
        plugin_info info{};
        host->get_plugin_info(info);
        EXPECT_EQ(info.size, 44u);
        EXPECT_EQ(info.menu_string_count, c.entry ? 1 : 0);
        if (c.entry && info.menu_string_count == 1) {
            EXPECT_EQ(std::string(info.menu_strings[0]), text(msg_menu_entry));
        }
        if (c.entry) host->log().clear();
        EXPECT_EQ(host->open_plugin(), no_panel);
        EXPECT_EQ(host->log().count(service::dialog_ex), 0u);
        if (c.entry) {
            EXPECT_EQ(host->log().message_lookups(), (std::vector<int32_t>{0, 1, 2}))
                << "the warning asks for its three texts only\n"
                << host->report();
            ASSERT_EQ(host->dialogs().message_boxes().size(), 1u);
            EXPECT_EQ(host->dialogs().message_boxes()[0].title, text(msg_too_old_title));
            for (const call_entry& call : host->log().entries())
                if (call.kind == call_kind::service) {
                    ASSERT_FALSE(call.args.empty()) << call.describe();
                    EXPECT_EQ(call.args[0], 41) << "the record's module number in " << call.describe();
                }
        } else {
            EXPECT_TRUE(host->log().message_lookups().empty()) << host->report();
            EXPECT_EQ(host->log().count(service::message_box), 0u);
        }
        host->log().clear();
        host->exit_far();
        ASSERT_EQ(host->log().size(), 1u) << "ExitFAR calls nothing:\n" << host->report();
        EXPECT_EQ(host->log()[0].kind, call_kind::export_call);
        EXPECT_TRUE(host->failures().empty()) << host->report();
    }
}

TEST_F(startup_records, a_second_start_up_without_a_table_forgets_the_first_table) {
    host->set_startup_info();
    host->input().key(key::esc);
    host->open_plugin();
    ASSERT_GT(host->log().count(service::shorten_path), 0u)
        << "the list shortens its paths through the table";
    host->exit_far();

    host->tamper_startup = [](startup_info& record) { record.functions = nullptr; };
    host->set_startup_info();
    host->log().clear();
    host->input().key(key::esc);
    host->open_plugin();
    EXPECT_EQ(host->log().count(service::dialog_ex), 1u) << host->report();
    EXPECT_EQ(host->log().count(service::shorten_path), 0u) << "a stale table was kept:\n" << host->report();
    ASSERT_EQ(host->dialogs().history().back().items.size(), 2u);
    EXPECT_EQ(host->dialogs().history().back().items[1].lines.size(), 2u) << "both panels' views are listed";
    host->exit_far();
}

TEST_F(startup_records, null_services_in_a_full_record_are_never_called) {
    // No dialog service: the list cannot be shown, and nothing is applied.
    host->tamper_startup = [](startup_info& record) { record.dialog_ex = nullptr; };
    host->set_startup_info();
    host->input().key(key::down);
    EXPECT_EQ(host->open_plugin(), no_panel);
    host->input().clear();
    EXPECT_EQ(host->log().count(service::dialog_ex), 0u);
    std::vector<int32_t> commands = host->log().panel_commands();
    EXPECT_EQ(std::count(commands.begin(), commands.end(), cmd_set_directory), 0) << host->report();
    host->exit_far();
    EXPECT_TRUE(host->failures().empty()) << host->report();

    // No panel, dialog message or default procedure service: the views hold
    // empty panels, and the list cannot close itself (Esc asks the missing
    // message service), so the host ends it.
    host->tamper_startup = [](startup_info& record) {
        record.panel_control = nullptr;
        record.send_dialog_message = nullptr;
        record.default_dialog_proc = nullptr;
    };
    host->set_startup_info();
    host->log().clear();
    host->input().keys({key::down, 'a', key::esc});  // 'a' for the missing default procedure
    host->input().cancel();
    EXPECT_EQ(host->open_plugin(), no_panel);
    EXPECT_TRUE(host->input().empty());
    ASSERT_EQ(host->log().count(service::dialog_ex), 1u) << host->report();
    EXPECT_EQ(host->dialogs().history().back().items[1].lines.size(), 2u) << "both views are listed";
    host->exit_far();
    EXPECT_TRUE(host->failures().empty()) << host->report();
}

TEST_F(startup_records, a_lookup_that_answers_null_gives_the_too_old_warning_empty_lines) {
    host->tamper_startup = [](startup_info& record) { record.get_message = &no_text; };
    host->set_startup_info(300);
    EXPECT_EQ(host->open_plugin(), no_panel);
    ASSERT_EQ(host->dialogs().message_boxes().size(), 1u) << host->report();
    EXPECT_EQ(host->dialogs().message_boxes()[0].title, "");
    host->exit_far();

    // A lookup but no message box: no warning, and nothing called.
    host->tamper_startup = [](startup_info& record) { record.message_box = nullptr; };
    host->set_startup_info(300);
    host->dialogs().clear_records();
    EXPECT_EQ(host->open_plugin(), no_panel);
    EXPECT_TRUE(host->dialogs().message_boxes().empty());
    host->exit_far();
    EXPECT_TRUE(host->failures().empty()) << host->report();
}

}  // namespace
}  // namespace tolvik::test
