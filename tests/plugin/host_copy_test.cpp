// The plugin's copies of the host's startup record and standard-function
// table, seen from inside (the static library linked in).
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "emulator/host.h"
#include "host/services.h"
#include "plugin/exports.h"
#include "support/linked_plugin_test.h"

namespace tolvik::test {
namespace {

class host_copy : public linked_plugin_test {};

TEST_F(host_copy, holds_the_first_372_bytes_and_its_own_table) {
    host.set_startup_info(1000);
    const startup_info* record = host.startup_record();
    ASSERT_NE(record, nullptr);
    ASSERT_FALSE(host_too_old());
    const startup_info& copy = startup_copy();
    // Byte for byte, but for the table pointer, which is the plugin's own.
    EXPECT_EQ(std::memcmp(&copy, record, offsetof(startup_info, functions)), 0);
    const size_t after = offsetof(startup_info, functions) + sizeof(void*);
    EXPECT_EQ(std::memcmp(reinterpret_cast<const char*>(&copy) + after,
                          reinterpret_cast<const char*>(record) + after, startup_info_size - after),
              0);
    ASSERT_NE(copy.functions, nullptr);
    EXPECT_NE(copy.functions, record->functions) << "the copy must not point at the host's table";
    EXPECT_NE(static_cast<const void*>(copy.functions), static_cast<const void*>(record));
    EXPECT_EQ(std::memcmp(copy.functions, host.function_table(), standard_functions_size), 0);

    // The host may now throw its records away.
    standard_functions saved = *copy.functions;
    host.scribble_startup_records();
    host.release_startup_records();
    EXPECT_EQ(std::memcmp(copy.functions, &saved, standard_functions_size), 0);
    EXPECT_NE(message_text(4)[0], '\0') << "services are reached through the copy";
}

TEST_F(host_copy, stays_empty_for_a_short_record) {
    host.set_startup_info(371);
    EXPECT_TRUE(host_too_old());
    EXPECT_EQ(startup_copy().get_message, nullptr) << "nothing may be copied from a short record";
    EXPECT_EQ(startup_copy().functions, nullptr);
    EXPECT_STREQ(message_text(4), "") << "no lookup through a copy that was never filled";
    EXPECT_TRUE(host.log().calls_to(emu::service::get_message).empty());
}

TEST_F(host_copy, a_null_record_empties_the_copy_and_a_null_info_is_left_alone) {
    host.set_startup_info();
    ASSERT_FALSE(host_too_old());
    SetStartupInfo(nullptr);
    EXPECT_TRUE(host_too_old());
    EXPECT_EQ(startup_copy().panel_control, nullptr) << "nothing of the earlier record may be called";
    GetPluginInfo(nullptr);
    plugin_info info{};
    GetPluginInfo(&info);
    EXPECT_EQ(info.menu_string_count, 0) << "a host too old, with no lookup, gets no menu entry";
}

}  // namespace
}  // namespace tolvik::test
