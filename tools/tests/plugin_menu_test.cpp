// The plugin menu's reading of the plugin's record, which it cannot trust.
#include "plugin_menu.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace tolvik::tools {
namespace {

TEST(host_plugin_menu, untrusted_plugin_records_give_sane_entries) {
    plugin_info info;
    std::memset(&info, 0, sizeof info);
    EXPECT_TRUE(menu_entries(info).empty()) << "null array";
    const char* texts[] = {"one", nullptr, "three"};
    info.menu_strings = texts;
    info.menu_string_count = -1;
    EXPECT_TRUE(menu_entries(info).empty()) << "negative count";
    info.menu_string_count = 1000000;
    EXPECT_TRUE(menu_entries(info).empty()) << "absurd count";
    info.menu_string_count = 3;
    std::vector<std::string> entries = menu_entries(info);
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[1], "") << "a null entry is shown empty";
    std::string long_text(300, 'x');
    const char* long_entry[] = {long_text.c_str()};
    info.menu_strings = long_entry;
    info.menu_string_count = 1;
    EXPECT_EQ(menu_entries(info)[0].size(), 128u);
}

}  // namespace
}  // namespace tolvik::tools
