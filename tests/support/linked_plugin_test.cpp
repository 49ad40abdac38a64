#include "support/linked_plugin_test.h"

#include "base/memory.h"
#include "support/host_setup.h"
#include "walk/linked_plugin.h"
#include "walk/walk_tree.h"

namespace tolvik::test {

void linked_plugin_test::SetUp() {
    memory::fail_allocation(0);
    ASSERT_TRUE(attach_linked_plugin(host)) << "the language file did not load";
    plant();
    blocks_before = plugin_blocks();
}

void linked_plugin_test::TearDown() {
    memory::fail_allocation(0);
    host.input().set_source(nullptr);
    EXPECT_EQ(shut_down(host, blocks_before), "");
    EXPECT_TRUE(host.failures().empty()) << host.report();
}

void linked_plugin_test::plant() { open_panels_on(host, tree, "left", "right"); }

void linked_plugin_test::start() {
    host.set_startup_info();
    host.log().clear();
}

void linked_plugin_test::start_without_registry() {
    host.set_startup_info();
    host.exit_far();
    host.log().clear();
}

void walk_tree_test::plant() {
    plant_tree(tree);
    open_panels_on(host, tree, "a", "b");
}

}  // namespace tolvik::test
