// Start-up records at the edges: short records ending exactly at a field's
// end, and full records without a standard-function table.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "e2e_plugin/fixture.h"
#include "emulator/host.h"
#include "host/constants.h"

namespace tolvik::emu {
namespace {

class startup_records : public plugin_fixture {};

TEST_F(startup_records, short_records_use_exactly_the_services_they_hold) {
    // The module number ends at 268, the message box at 284, the lookup at
    // 288: the menu entry needs the lookup, the too-old warning both.
    struct case_ {
        uint32_t size;
        bool entry;
    } cases[] = {{267, false}, {268, false}, {283, false}, {284, false},
                 {287, false}, {288, true},  {371, true}};
    for (const auto& c : cases) {
        reload();
        host_->set_module_number(41);
        host_->set_startup_info(c.size);
        plugin_info info{};
        host_->get_plugin_info(info);
        EXPECT_EQ(info.menu_string_count, c.entry ? 1 : 0) << "size " << c.size;
        if (c.entry && info.menu_string_count == 1)
            EXPECT_EQ(std::string(info.menu_strings[0]), text(msg_menu_entry)) << "size " << c.size;
        host_->log().clear();
        EXPECT_EQ(host_->open_plugin(), no_panel);
        if (c.entry) {
            EXPECT_EQ(host_->log().message_lookups(), (std::vector<int32_t>{0, 1, 2}))
                << "size " << c.size << ": the warning asks for its three texts only\n"
                << host_->report();
            ASSERT_EQ(host_->dialogs().message_boxes().size(), 1u) << "size " << c.size;
            EXPECT_EQ(host_->dialogs().message_boxes()[0].title, text(msg_too_old_title));
            for (const call_entry& call : host_->log().entries())
                if (call.kind == call_kind::service) {
                    ASSERT_FALSE(call.args.empty()) << call.describe();
                    EXPECT_EQ(call.args[0], 41)
                        << "size " << c.size << ": the record's module number in " << call.describe();
                }
        } else {
            EXPECT_TRUE(host_->log().message_lookups().empty()) << "size " << c.size << "\n"
                                                                << host_->report();
            EXPECT_EQ(host_->log().count(service::message_box), 0u) << "size " << c.size;
        }
        host_->exit_far();
        EXPECT_TRUE(host_->failures().empty()) << "size " << c.size << "\n" << host_->report();
    }
}

TEST_F(startup_records, a_full_record_without_a_function_table_lists_the_views_without_shortening) {
    host_->tamper_startup = [](startup_info& record) { record.functions = nullptr; };
    host_->set_startup_info();
    host_->input().key(key::esc);
    host_->open_plugin();
    EXPECT_EQ(host_->log().count(service::dialog_ex), 1u) << host_->report();
    EXPECT_EQ(host_->log().count(service::shorten_path), 0u) << host_->report();
    ASSERT_FALSE(host_->dialogs().history().empty());
    const dialog_run& list = host_->dialogs().history().back();
    ASSERT_EQ(list.items.size(), 2u);
    EXPECT_EQ(list.items[1].lines.size(), 2u) << "both panels' views are listed";
    host_->exit_far();
}

TEST_F(startup_records, a_second_start_up_without_a_table_forgets_the_first_table) {
    host_->set_startup_info();
    host_->input().key(key::esc);
    host_->open_plugin();
    ASSERT_GT(host_->log().count(service::shorten_path), 0u)
        << "the list shortens its paths through the table";
    host_->exit_far();

    host_->tamper_startup = [](startup_info& record) { record.functions = nullptr; };
    host_->set_startup_info();
    host_->log().clear();
    host_->input().key(key::esc);
    host_->open_plugin();
    EXPECT_EQ(host_->log().count(service::dialog_ex), 1u) << host_->report();
    EXPECT_EQ(host_->log().count(service::shorten_path), 0u) << "a stale table was kept:\n"
                                                             << host_->report();
    host_->exit_far();
}

}  // namespace
}  // namespace tolvik::emu
