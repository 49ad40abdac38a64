// The five exports, as the host sees them through the loaded library.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>
#include <vector>

#include "emulator/host.h"
#include "host/constants.h"
#include "support/loaded_plugin_test.h"

namespace tolvik::test {
using namespace emu;
namespace {

class entry_points : public loaded_plugin_test {};

TEST_F(entry_points, min_far_version_is_1_70_build_1282) {
    EXPECT_EQ(host->min_far_version(), 0x05020146);
    EXPECT_EQ(host->log().size(), 1u) << "GetMinFarVersion calls nothing:\n" << host->report();
}

TEST_F(entry_points, record_of_372_bytes_starts_the_registry) {
    host->set_startup_info(372);
    EXPECT_GT(host->log().count(service::panel_control), 0u)
        << "a full record starts the registry from the panels:\n"
        << host->report();
    host->exit_far();
    // 371 bytes: startup_records_test.cpp's short records.
}

TEST_F(entry_points, larger_record_works_and_host_may_change_its_records_afterwards) {
    host->set_startup_info(1000);
    // The plugin must work from its own copies from now on.
    host->scribble_startup_records();
    host->release_startup_records();
    host->input().key(key::esc);
    EXPECT_EQ(host->open_plugin(7, 99), no_panel);
    EXPECT_EQ(host->log().count(service::dialog_ex), 1u) << host->report();
    EXPECT_EQ(host->log().count(service::unexpected), 0u) << host->report();
    host->exit_far();
}

TEST_F(entry_points, plugin_info_holds_size_44_and_one_menu_string_only) {
    host->set_startup_info();
    plugin_info info;
    std::memset(&info, 0x5C, sizeof info);
    info.size = 999;
    host->get_plugin_info(info);
    EXPECT_EQ(info.size, 44u);
    ASSERT_EQ(info.menu_string_count, 1);
    ASSERT_NE(info.menu_strings, nullptr);
    EXPECT_EQ(std::string(info.menu_strings[0]), text(msg_menu_entry));
    const auto* bytes = reinterpret_cast<const unsigned char*>(&info);
    for (size_t at = 4; at < 44; at += at == 19 ? 9 : 1)  // all but the menu strings (20..27)
        EXPECT_EQ(bytes[at], 0x5C) << "byte " << at << " was written";
    // The lookup is made again at every call.
    size_t lookups = host->log().count(service::get_message);
    host->get_plugin_info(info);
    EXPECT_EQ(host->log().count(service::get_message), lookups + 1);
    host->exit_far();
}

TEST_F(entry_points, open_plugin_answers_minus_one_for_any_arguments_on_both_paths) {
    const int32_t args[][2] = {{0, 0}, {5, 12345}, {-1, INT_MIN}, {INT_MAX, -7}};
    host->set_startup_info();
    for (const auto& a : args) {
        host->input().key(key::esc);
        EXPECT_EQ(host->open_plugin(a[0], a[1]), no_panel);
    }
    host->exit_far();

    reload();
    host->set_startup_info(300);
    for (const auto& a : args) EXPECT_EQ(host->open_plugin(a[0], a[1]), no_panel);
    EXPECT_EQ(host->log().count(service::dialog_ex), 0u);
}

TEST_F(entry_points, too_old_warning_shows_messages_0_1_2_as_a_warning) {
    host->set_startup_info(371);
    host->open_plugin();
    ASSERT_EQ(host->dialogs().message_boxes().size(), 1u) << host->report();
    const message_box_run& box = host->dialogs().message_boxes()[0];
    EXPECT_EQ(box.flags, style_warning);
    EXPECT_FALSE(box.has_help_topic);
    EXPECT_EQ(box.title, text(msg_too_old_title));
    ASSERT_EQ(box.lines.size(), 1u);
    EXPECT_EQ(box.lines[0], text(msg_too_old_text));
    ASSERT_EQ(box.buttons.size(), 1u);
    EXPECT_EQ(box.buttons[0], text(msg_ok));
}

// A lookup that knows every message but the menu entry.
const char* TOLVIK_API all_but_the_menu_entry(int32_t, int32_t id) {
    return id == msg_menu_entry ? nullptr : "x";
}

TEST_F(entry_points, without_a_text_for_the_menu_entry_no_menu_entry_is_offered) {
    const struct {
        const char* what;
        get_message_fn lookup;
    } lookups[] = {{"no lookup", nullptr}, {"no text for message 4", &all_but_the_menu_entry}};
    static get_message_fn lookup = nullptr;
    for (const auto& l : lookups) {
        // A full record and a short one that still holds the module number.
        for (uint32_t size : {static_cast<uint32_t>(startup_info_size), 284u + 4u}) {
            SCOPED_TRACE(std::string(l.what) + ", size " + std::to_string(size));
            reload();
            lookup = l.lookup;
            host->tamper_startup = [](startup_info& record) { record.get_message = lookup; };
            host->set_startup_info(size);
            plugin_info info{};
            info.menu_string_count = -1;
            host->get_plugin_info(info);
            EXPECT_EQ(info.menu_string_count, 0);
            host->exit_far();
        }
    }
}

TEST_F(entry_points, start_up_captures_both_panels_even_after_exports_called_before_it) {
    // A fresh load: start-up asks which panel is active, then captures the
    // passive panel and the active one.
    const std::vector<int32_t> start_up{cmd_get_active_info, cmd_get_passive_info, cmd_get_passive_info,
                                        cmd_get_active_info};
    host->set_startup_info();
    EXPECT_EQ(host->log().panel_commands(), start_up) << host->report();
    host->exit_far();

    // A host that calls the other exports before giving the record gets no
    // menu entry and no panel, is asked nothing, and start-up is the same.
    reload();
    plugin_info info{};
    host->get_plugin_info(info);
    EXPECT_EQ(info.menu_string_count, 0);
    EXPECT_EQ(host->open_plugin(), no_panel);
    for (const call_entry& call : host->log().entries())
        EXPECT_EQ(call.kind, call_kind::export_call) << call.describe();
    host->log().clear();
    host->set_startup_info();
    EXPECT_EQ(host->log().panel_commands(), start_up) << host->report();
    host->exit_far();
}

}  // namespace
}  // namespace tolvik::test
