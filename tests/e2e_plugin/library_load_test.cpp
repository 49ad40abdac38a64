// What loading and unloading the library do around the exports: on Linux its
// load function asks, as the Windows entry point does, not to be told of
// threads (the stand-in for the Windows calls counts the requests); on
// Windows the entry point makes the module objects at load and takes them
// down at unload: the lists' entries and the view numbers (the views
// themselves are ExitFAR's to free).
#include <gtest/gtest.h>

#include "support/loaded_plugin_test.h"

#if defined(_WIN32)
#include <windows.h>

#include <vector>

#include "support/list_keys.h"
#else
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
#else
// Bytes in the busy blocks of every heap of the process.
long long heap_bytes_in_use() {
    std::vector<HANDLE> heaps(GetProcessHeaps(0, nullptr) + 8);
    heaps.resize(GetProcessHeaps(static_cast<DWORD>(heaps.size()), heaps.data()));
    long long total = 0;
    for (HANDLE heap : heaps) {
        if (!HeapLock(heap)) continue;
        PROCESS_HEAP_ENTRY entry{};
        while (HeapWalk(heap, &entry))
            if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) total += entry.cbData;
        HeapUnlock(heap);
    }
    return total;
}

TEST_F(library_load, unloading_without_exit_far_frees_what_the_module_objects_hold) {
    // Loads the library afresh (unloading the last one) and has it make 300
    // views.
    auto views_made = [&] {
        reload();
        host->set_startup_info();
        for (int i = 0; i < 300; ++i) host->input().key(keys::duplicate);
        host->input().key(key::enter);
        host->open_plugin();
    };
    // What ExitFAR frees: the views and slots, and the lists' entries and
    // the view numbers that refer to them.
    views_made();
    long long before = heap_bytes_in_use();
    host->exit_far();
    const long long exit_far_frees = before - heap_bytes_in_use();
    // A host that unloads the library without ExitFAR: the unload takes down
    // the module objects, so only the views and slots are left behind.
    reload();
    before = heap_bytes_in_use();
    views_made();
    reload();
    const long long left_behind = heap_bytes_in_use() - before;
    ASSERT_GT(exit_far_frees, 100000) << "the views were not made";
    // Each view stands in two lists, so their entries alone take at least
    // two pointers per view.
    EXPECT_GE(exit_far_frees - left_behind, 300 * 2 * 2 * static_cast<long long>(sizeof(void*)))
        << "ExitFAR frees " << exit_far_frees << " bytes; unloading without it left " << left_behind;
}
#endif

}  // namespace
}  // namespace tolvik::test
