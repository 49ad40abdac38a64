#include "support/allocation_sweep.h"

#include <gtest/gtest.h>

#include "base/memory.h"

namespace tolvik::test {

bool with_allocation_failing(long n, const std::function<void()>& step, bool sticky) {
    memory::fail_allocation(n, sticky);
    step();
    const bool delivered = memory::failure_delivered();
    memory::fail_allocation(0);
    return delivered;
}

long sweep_allocations(const std::function<bool(long n)>& run, long limit) {
    for (long n = 1; n <= limit; ++n)
        if (!run(n)) return n - 1;
    ADD_FAILURE() << "expected the sweep to end within " << limit << " runs";
    return limit;
}

}  // namespace tolvik::test
