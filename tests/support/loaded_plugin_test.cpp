#include "support/loaded_plugin_test.h"

#include "support/host_setup.h"

namespace tolvik::test {

void loaded_plugin_test::TearDown() { EXPECT_TRUE(host->failures().empty()) << host->report(); }

void loaded_plugin_test::reload() {
    host.reset();
    start();
}

std::string loaded_plugin_test::text(int32_t id) const {
    const char* t = host->lang().message(id);
    return t ? t : "";
}

void loaded_plugin_test::start() {
    host = std::make_unique<emu::host>();
    ASSERT_TRUE(host->load(TOLVIK_PLUGIN_PATH)) << host->load_error();
    ASSERT_TRUE(host->load_language(english_language_file()));
    open_panels_on(*host, tree, "left", "right");
}

}  // namespace tolvik::test
