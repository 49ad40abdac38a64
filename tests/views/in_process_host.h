// An emulated host attached to the plugin linked into the test program, over
// a temporary tree mapped as drive C:. The registry is started by
// SetStartupInfo and torn down by ExitFAR at the end of each test, which must
// leave no plugin allocation behind.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/memory.h"
#include "emulator/host.h"
#include "plugin/exports.h"
#include "support/test_tree.h"

namespace tolvik::test {

class in_process_host : public ::testing::Test {
protected:
    void SetUp() override {
        memory::fail_allocation(0);
        blocks_before = memory::live_blocks();
        host.attach({GetMinFarVersion, SetStartupInfo, GetPluginInfo, OpenPlugin, ExitFAR});
#if defined(_WIN32)
        host.redirect_own_imports();
#endif
        ASSERT_TRUE(host.load_language(std::string(TOLVIK_LANG_DIR) + "/tolvik_en.lng"));
        tree.folder("left");
        tree.folder("right");
        host.panels().left().set_directory(tree.windows("left"));
        host.panels().right().set_directory(tree.windows("right"));
    }

    void TearDown() override {
        memory::fail_allocation(0);
        host.exit_far();
        EXPECT_EQ(memory::live_blocks(), blocks_before) << "expected no plugin block left after ExitFAR";
        EXPECT_TRUE(host.failures().empty()) << host.report();
    }

    // SetStartupInfo with a full record: the registry is populated.
    void start() {
        host.set_startup_info();
        host.log().clear();
    }

    // SetStartupInfo, then an empty registry: views are made by hand.
    void start_without_registry() {
        host.set_startup_info();
        host.exit_far();
        host.log().clear();
    }

    std::vector<int32_t> commands() const { return const_cast<emu::host&>(host).log().panel_commands(); }

    test_tree tree;
    emu::host host;
    long blocks_before = 0;
};

}  // namespace tolvik::test
