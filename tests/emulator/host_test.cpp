// The host itself: the startup record, the traps, the export calls and their
// log, message lookup, the key state.
#include "emulator/host.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "base/windows_calls.h"
#include "emulator/dialogs.h"
#include "emulator/services.h"
#include "fake_plugin.h"
#include "host/constants.h"

namespace tolvik::test {
using namespace emu;
namespace {

using trap_fn = intptr_t(TOLVIK_API*)();

TEST(host_startup, record_carries_the_services_the_module_number_the_table_and_traps) {
    host h;
    h.attach(fake::exports());
    h.set_module_number(77);
    h.set_startup_info();
    ASSERT_EQ(fake::record, h.startup_record());
    const startup_info& r = *fake::record;
    EXPECT_EQ(r.size, 372u);
    EXPECT_EQ(r.module_number, 77);
    EXPECT_EQ(r.get_message, &get_message_service);
    EXPECT_EQ(r.panel_control, &panel_control_service);
    ASSERT_NE(r.functions, nullptr);
    EXPECT_EQ(r.functions->size, 228u);
    EXPECT_EQ(r.functions->shorten_path, &shorten_path_service);
    for (void* service : {(void*)r.message_box, (void*)r.dialog_ex, (void*)r.send_dialog_message,
                          (void*)r.default_dialog_proc})
        EXPECT_EQ(trap_slot(service), "") << "a service the plugin uses is no trap";
    EXPECT_EQ(trap_slot(r.reserved_268[0]), "startup+268");
    EXPECT_EQ(trap_slot(r.reserved_364[1]), "startup+368");
    EXPECT_EQ(trap_slot(r.functions->reserved_4[0]), "functions+4");
    EXPECT_EQ(trap_slot(r.functions->reserved_152[18]), "functions+224");
    EXPECT_TRUE(h.failures().empty()) << h.report();

    // A trap the plugin calls logs and fails, naming its slot.
    reinterpret_cast<trap_fn>(r.reserved_292[3])();
    reinterpret_cast<trap_fn>(r.functions->reserved_4[35])();
    ASSERT_EQ(h.log().count(service::unexpected), 2u) << h.report();
    EXPECT_EQ(h.log().last(service::unexpected)->texts[0], "functions+144");
    ASSERT_EQ(h.failures().size(), 2u);
    EXPECT_NE(h.failures()[0].find("startup+304"), std::string::npos) << h.failures()[0];

    // Scribbled and released records are gone for the plugin.
    h.scribble_startup_records();
    EXPECT_NE(h.startup_record()->get_message, &get_message_service);
    h.release_startup_records();
    EXPECT_EQ(h.startup_bytes(), nullptr);
    EXPECT_EQ(h.function_table(), nullptr);
}

TEST(host_startup, size_field_sets_the_buffer_short_or_poisoned_beyond_372) {
    host h;
    h.attach(fake::exports());
    h.set_startup_info(400);
    ASSERT_EQ(h.startup_buffer_size(), 400u);
    EXPECT_EQ(h.startup_record()->size, 400u);
    for (uint32_t at = 372; at < 400; ++at) ASSERT_EQ(h.startup_bytes()[at], startup_poison) << "byte " << at;

    h.set_startup_info(286);
    EXPECT_EQ(h.startup_buffer_size(), 286u) << "a short record is exactly as long as it says";
    EXPECT_EQ(h.startup_record(), nullptr);
    uint32_t size = 0;
    std::memcpy(&size, h.startup_bytes(), 4);
    EXPECT_EQ(size, 286u);
    h.set_startup_info(0);
    EXPECT_EQ(h.startup_buffer_size(), 4u);
}

TEST(host_exports, calls_are_logged_with_results_and_nested_service_calls) {
    host h;
    h.attach(fake::exports());
    ASSERT_TRUE(h.load_language(std::string(TOLVIK_LANG_DIR) + "/tolvik_en.lng"));
    EXPECT_EQ(h.min_far_version(), 0x05020146);
    h.set_startup_info();
    EXPECT_EQ(h.open_plugin(3, 4), no_panel);
    h.exit_far();
    const auto& e = h.log().entries();
    ASSERT_EQ(e.size(), 5u) << h.report();
    EXPECT_EQ(e[0].service, "GetMinFarVersion");
    EXPECT_EQ(e[0].result, 0x05020146);
    EXPECT_EQ(e[2].service, "OpenPlugin");
    EXPECT_EQ(e[2].args, (std::vector<int32_t>{3, 4}));
    EXPECT_EQ(e[2].result, -1);
    EXPECT_EQ(e[3].service, service::get_message);
    EXPECT_EQ(e[3].depth, 1) << "called from inside OpenPlugin";
    EXPECT_EQ(e[3].texts[0], h.lang().message(msg_menu_entry));
    EXPECT_EQ(e[4].kind, call_kind::export_call);
    EXPECT_TRUE(h.failures().empty()) << h.report();
}

TEST(host_exports, missing_library_or_exports_fail_cleanly) {
    host h;
    EXPECT_FALSE(h.load("/no/such/plugin.library"));
    EXPECT_NE(h.load_error().find("plugin.library"), std::string::npos) << h.load_error();
    EXPECT_FALSE(h.loaded());
    EXPECT_EQ(h.open_plugin(), nullptr);
    h.set_startup_info();
    ASSERT_EQ(h.failures().size(), 2u) << "each call of an absent export is a failure:\n" << h.report();
}

TEST(host_services, message_lookup_checks_module_number_and_range) {
    host h;
    h.lang().set_message(0, "zero");
    EXPECT_STREQ(get_message_service(h.module_number(), 0), "zero");
    EXPECT_TRUE(h.failures().empty());
    EXPECT_STREQ(get_message_service(h.module_number(), 5), "") << "unknown messages read as empty";
    EXPECT_STREQ(get_message_service(h.module_number() + 1, 0), "zero");
    EXPECT_EQ(h.failures().size(), 2u) << h.report();
    EXPECT_EQ(h.log().message_lookups(), (std::vector<int32_t>{0, 5, 0}));
}

TEST(host_services, a_log_that_records_nothing_still_reports_every_failure) {
    host h;
    h.lang().set_message(0, "zero");
    h.log().set_recording(false);
    EXPECT_STREQ(get_message_service(h.module_number() + 1, 0), "zero");
    char path[] = "C:\\a\\b";
    shorten_path_service(path, 4);
    panel_info info{};
    EXPECT_EQ(panel_control_service(no_panel, cmd_get_active_info, &info), 1);
    panel_control_service(no_panel, cmd_set_directory, nullptr);
    char nowhere[] = "C:\\nowhere";
    EXPECT_EQ(panel_control_service(no_panel, cmd_set_directory, nowhere), 0);
    send_dialog_message(reinterpret_cast<host_handle>(0x1234), dm_list_set_position, 1, 0);
    EXPECT_TRUE(h.log().empty());
    EXPECT_EQ(h.panels().directory_requests(), 1) << "counted whether logged or not";
    EXPECT_EQ(h.failures().size(), 3u) << "the module number, the null directory, the unknown dialog\n"
                                       << h.report();
    h.log().set_recording(true);
    get_message_service(h.module_number(), 0);
    EXPECT_EQ(h.log().message_lookups(), (std::vector<int32_t>{0}));
}

TEST(host_services, services_without_a_live_host_answer_nothing) {
    EXPECT_EQ(host::current(), nullptr);
    EXPECT_STREQ(get_message_service(0, 0), "");
    EXPECT_EQ(panel_control_service(no_panel, cmd_get_active_info, nullptr), 0);
}

TEST(host_keys, the_plugins_key_state_follows_the_host_and_starts_released) {
    {
        host h;
        h.redirect_own_imports();
        EXPECT_FALSE(ctrl_held());
        h.set_key_held(virtual_key_control, true);
        EXPECT_TRUE(h.key_held(virtual_key_control));
        EXPECT_TRUE(ctrl_held()) << "GetAsyncKeyState must report the held Ctrl key";
        h.set_key_held(virtual_key_control, false);
        EXPECT_FALSE(ctrl_held());
        h.set_key_held(virtual_key_control, true);
    }
    host h;
    h.redirect_own_imports();
    EXPECT_FALSE(ctrl_held()) << "regression: a key held by an earlier host leaked into this one";
}

}  // namespace
}  // namespace tolvik::test
