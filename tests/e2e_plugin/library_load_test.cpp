// What loading the library does before any export is called: on Linux its
// load function asks, as the Windows entry point does, not to be told of
// threads (the stand-in for the Windows calls counts the requests).
#include <gtest/gtest.h>

#include "support/loaded_plugin_test.h"

#if !defined(_WIN32)
#include "winshim.h"
#endif

namespace tolvik::test {
namespace {

class library_load : public loaded_plugin_test {};

#if !defined(_WIN32)
TEST_F(library_load, turns_off_thread_notifications_once_per_load) {
    int32_t before = winshim_disable_thread_calls_count();
    reload();
    EXPECT_EQ(winshim_disable_thread_calls_count(), before + 1);
    reload();
    EXPECT_EQ(winshim_disable_thread_calls_count(), before + 2);
}
#endif

}  // namespace
}  // namespace tolvik::test
