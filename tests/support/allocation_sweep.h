// The allocation-failure sweep: a step is run again and again with its first,
// second, third... allocation failing, until a run in which the failure was
// never due. Each run checks that the failure left nothing half-built and
// lost nothing already held.
#pragma once

#include <functional>

namespace tolvik::test {

// Runs `step` with the nth allocation failing (with `sticky`, every
// allocation from the nth on); true when the failure was delivered.
bool with_allocation_failing(long n, const std::function<void()>& step, bool sticky = false);

// Calls `run(n)` for n = 1, 2, ...: `run` makes the nth allocation of its
// step fail, checks the outcome and returns whether to go on, which is true
// after a run in which the failure was delivered and nothing was wrong.
// Returns the number of runs that went on; a sweep still going after `limit`
// runs fails the test.
long sweep_allocations(const std::function<bool(long n)>& run, long limit = 10000);

}  // namespace tolvik::test
