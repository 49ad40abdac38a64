// The module-wide objects: a load notification that comes twice keeps them,
// an unload that comes twice is harmless, and after ExitFAR and the unload
// the plugin holds no block at all.
#include "plugin/module.h"

#include <gtest/gtest.h>

#include "base/memory.h"
#include "registry/registry.h"
#include "support/linked_plugin_test.h"

namespace tolvik::test {
namespace {

class module_objects : public linked_plugin_test {};

TEST_F(module_objects, a_second_load_keeps_them_and_a_second_unload_does_nothing) {
    start();
    ASSERT_EQ(all_views().size(), 2u);
    module_load();
    EXPECT_EQ(all_views().size(), 2u) << "a second load must not build them afresh";
    host.exit_far();
    module_unload();
    EXPECT_EQ(memory::live_blocks(), 0);
    module_unload();
    module_load();
    EXPECT_TRUE(all_views().empty() && recent_views().empty() && panel_slots().empty());
}

}  // namespace
}  // namespace tolvik::test
