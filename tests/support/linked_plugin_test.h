// The fixture of every test that links the plugin: an emulated host attached
// to the plugin's exports over a temporary tree mapped as drive C:, with the
// English texts. The registry is started by the test (SetStartupInfo) and
// torn down by ExitFAR at the end, which must leave no plugin block behind
// and the host without failures.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "emulator/host.h"
#include "support/test_tree.h"

namespace tolvik::test {

class linked_plugin_test : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The folders of the tree and where the panels start: "left" and
    // "right" unless a fixture plants its own.
    virtual void plant();

    // SetStartupInfo with a full record: the registry is populated.
    void start();
    // SetStartupInfo, then an empty registry: views are made by hand.
    void start_without_registry();

    std::vector<int32_t> commands() { return host.log().panel_commands(); }

    test_tree tree;
    emu::host host;
    long blocks_before = 0;
};

// The same over the walk's tree (walk_tree.h), panels on "a" and "b".
class walk_tree_test : public linked_plugin_test {
protected:
    void plant() override;
};

}  // namespace tolvik::test
