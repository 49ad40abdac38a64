// Seeded random walks through the plugin's life, checked after every event.
//
// A failing walk prints its seed; it replays alone with
//   TOLVIK_WALK_SEED=<seed> ./test_walk
// Longer runs: TOLVIK_WALK_SEEDS (number of seeds, from 1) and
// TOLVIK_WALK_EVENTS (events per seed).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include "base/memory.h"
#include "plugin/exports.h"
#include "walk/invariants.h"
#include "walk/walker.h"

namespace tolvik::test {
namespace {

long env_number(const char* name, long fallback) {
    const char* text = std::getenv(name);
    if (!text || !*text) return fallback;
    return std::strtol(text, nullptr, 10);
}

struct walk_result {
    bool passed = false;
    long events = 0;
    long openings = 0;
    uint64_t digest = 0;
    std::string tally;
    long max_views = 0;
    std::string violation;
};

walk_result walk_seed(uint32_t seed, long events) {
    memory::fail_allocation(0);
    test_tree tree;
    emu::host host;
    if (!attach_plugin(host, tree)) return {.violation = "the language file did not load"};

    std::mt19937 generator(seed);
    walker walk(host, tree,
                [&generator](uint32_t bound) { return static_cast<uint32_t>(generator() % bound); });
    const bool walked = walk.start() && walk.walk(events);
    // Braced members are initialised in order: finish() runs first.
    return {.passed = walk.finish() && walked,
            .events = walk.events(),
            .openings = walk.openings(),
            .digest = walk.digest(),
            .tally = walk.model_tally(),
            .max_views = walk.max_views(),
            .violation = walk.violation()};
}

TEST(walk, invariants_hold_after_every_event_of_every_seed) {
    long single = env_number("TOLVIK_WALK_SEED", 0);
    long seeds = single ? 1 : env_number("TOLVIK_WALK_SEEDS", 24);
    long per_seed = env_number("TOLVIK_WALK_EVENTS", 4500);
    long total = 0;
    long openings = 0;
    long max_views = 0;
    for (long i = 0; i < seeds; ++i) {
        uint32_t seed = static_cast<uint32_t>(single ? single : i + 1);
        walk_result r = walk_seed(seed, per_seed);
        total += r.events;
        if (i == 0) std::printf("walk: seed %u model checks: %s\n", seed, r.tally.c_str());
        openings += r.openings;
        max_views = std::max(max_views, r.max_views);
        ASSERT_TRUE(r.passed) << "seed " << seed << " broke an invariant " << r.violation
                              << "replay: TOLVIK_WALK_SEED=" << seed << " test_walk";
    }
    std::printf("walk: %ld seeds, %ld events, %ld openings, up to %ld views\n", seeds, total, openings,
                max_views);
    EXPECT_GE(total, seeds * per_seed) << "expected every seed to walk its events";
}

TEST(walk, the_same_seed_walks_the_same_way) {
    walk_result first = walk_seed(77, 600);
    walk_result second = walk_seed(77, 600);
    ASSERT_TRUE(first.passed) << first.violation;
    EXPECT_EQ(first.digest, second.digest) << "expected a replay to take the same steps";
    EXPECT_EQ(first.openings, second.openings) << "expected a replay to open the list as often";
    walk_result other = walk_seed(78, 600);
    EXPECT_NE(first.digest, other.digest) << "expected another seed to take other steps";
}

}  // namespace
}  // namespace tolvik::test
