// Fuzz target: sequences of dialog events over a registry of 2 to 12 views.
// The input drives the walk of tests/walk: keys of the key table and any
// other code, with and without Ctrl and Shift, Ctrl going down and up between
// them, idle ticks, host cancels, folders removed and created while the list
// is open, and between openings panel switches, panel type changes and moves.
// The walk checks the invariants after every event; a violation aborts.
#include <fuzzer/FuzzedDataProvider.h>

#include "fuzz_host.h"
#include "registry/registry.h"
#include "walk/walker.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tolvik;
    using namespace tolvik::fuzz;
    FuzzedDataProvider in(data, size);
    session s;
    auto choose = [&in](uint32_t bound) {
        return in.remaining_bytes() ? in.ConsumeIntegralInRange<uint32_t>(0, bound - 1) : 0u;
    };
    test::walker walk(s.host(), tree(), choose);
    if (!walk.start()) fail("start-up: " + walk.violation());

    // More views: each a copy of the active panel's view after a move to
    // another folder, placed where the input says.
    const auto& folders = test::walk_folders();
    int views = in.ConsumeIntegralInRange(2, 12);
    for (int i = 2; i < views; ++i) {
        s.host().panels().active().set_directory(tree().windows(folders[choose(folders.size())]));
        synchronise_with_panels();
        view_position at = recent_views().begin();
        for (uint32_t steps = choose(static_cast<uint32_t>(recent_views().size())); steps > 0; --steps) ++at;
        add_clone(at);
    }
    s.require_registry("after making the views");

    walk.walk(1L << 30, [&in] { return in.remaining_bytes() == 0; });
    if (!walk.finish()) fail("seedless walk from the fuzz input broke an invariant " + walk.violation());
    return 0;
}
