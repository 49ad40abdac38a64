// The snapshot's own work against plain copies of the same bytes:
//   baseline_copy  memcpy of the item records and every string into memory
//                  allocated up front (string lengths known in advance)
//   baseline_fresh the same copy into memory allocated (and freed) for each
//                  copy: what a new snapshot's own memory costs by itself
//   capture        capture_active_panel + release of the view
//   clone          clone of a view + release of the copy
//   deep_copy      a new view copied from a view's own record + its release:
//                  the whole copy of items and strings a clone once made
//   duplicates     ten clones of a view + their release; reports the heap
//                  the view and its ten clones hold against the view alone
//   recapture      recapture over the same panel (copy new, free old)
//   apply          apply onto a directory holding the same names: the host's
//                  record handed back with the selection matched by name
// capture also reports the heap one view holds per item (glibc's own count,
// malloc overhead included) against the bytes it copies per item.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <cstring>
#include <map>
#include <memory>
#include <utility>
#include <vector>

#include "base/memory.h"
#include "bench_host.h"
#include "views/file_panel_view.h"

namespace tolvik::bench {
namespace {

prepared_panel& panel_of(int count) {
    static std::map<int, std::unique_ptr<prepared_panel>> panels;
    auto& slot = panels[count];
    if (!slot) {
        slot = std::make_unique<prepared_panel>();
        prepare_panel(*slot, count, "C:\\bench\\folder");
    }
    install_host(slot.get(), slot.get());
    return *slot;
}

size_t heap_in_use() {
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

void set_item_rate(benchmark::State& state, const prepared_panel& panel) {
    state.SetItemsProcessed(state.iterations() * panel.info.item_count);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * panel.copied_bytes));
}

void baseline_copy(benchmark::State& state) {
    prepared_panel& panel = panel_of(static_cast<int>(state.range(0)));
    std::vector<std::pair<const char*, size_t>> texts;
    for (const panel_item& item : panel.items) {
        texts.emplace_back(item.description, std::strlen(item.description) + 1);
        texts.emplace_back(item.owner, std::strlen(item.owner) + 1);
        for (int c = 0; c < 3; ++c) {
            const char* column = item.custom_column_data[c];
            texts.emplace_back(column, std::strlen(column) + 1);
        }
    }
    const size_t record_bytes = panel.items.size() * sizeof(panel_item);
    std::vector<char> records(record_bytes);
    std::vector<char> strings(panel.copied_bytes - record_bytes);
    for (auto _ : state) {
        std::memcpy(records.data(), panel.items.data(), record_bytes);
        char* to = strings.data();
        for (const auto& [text, bytes] : texts) {
            std::memcpy(to, text, bytes);
            to += bytes;
        }
        benchmark::DoNotOptimize(records.data());
        benchmark::DoNotOptimize(strings.data());
        benchmark::ClobberMemory();
    }
    set_item_rate(state, panel);
}

void baseline_fresh(benchmark::State& state) {
    prepared_panel& panel = panel_of(static_cast<int>(state.range(0)));
    const size_t record_bytes = panel.items.size() * sizeof(panel_item);
    for (auto _ : state) {
        auto* block = static_cast<char*>(memory::allocate(panel.copied_bytes));
        std::memcpy(block, panel.items.data(), record_bytes);
        char* to = block + record_bytes;
        for (const panel_item& item : panel.items) {
            for (const char* text : {item.description, item.owner, item.custom_column_data[0],
                                     item.custom_column_data[1], item.custom_column_data[2]}) {
                const size_t bytes = std::strlen(text) + 1;
                std::memcpy(to, text, bytes);
                to += bytes;
            }
        }
        benchmark::DoNotOptimize(block);
        benchmark::ClobberMemory();
        memory::release(block);
    }
    set_item_rate(state, panel);
}

void capture(benchmark::State& state) {
    prepared_panel& panel = panel_of(static_cast<int>(state.range(0)));
    const size_t before = heap_in_use();
    file_panel_view* held = capture_active_panel();
    const size_t heap = heap_in_use() - before;
    memory::destroy(held);
    const double items = panel.info.item_count;
    state.counters["heap_per_item"] = static_cast<double>(heap) / items;
    state.counters["copied_per_item"] = static_cast<double>(panel.copied_bytes) / items;
    state.counters["heap_over_copied"] = static_cast<double>(heap) / static_cast<double>(panel.copied_bytes);
    for (auto _ : state) {
        file_panel_view* v = capture_active_panel();
        benchmark::DoNotOptimize(v);
        memory::destroy(v);
    }
    set_item_rate(state, panel);
}

// One copy of a view made by `copy` and released per iteration.
template <class Copy>
void copies(benchmark::State& state, Copy copy) {
    prepared_panel& panel = panel_of(static_cast<int>(state.range(0)));
    file_panel_view* source = capture_active_panel();
    for (auto _ : state) {
        file_panel_view* made = copy(*source);
        benchmark::DoNotOptimize(made);
        memory::destroy(made);
    }
    memory::destroy(source);
    set_item_rate(state, panel);
}

void clone(benchmark::State& state) {
    copies(state, [](const file_panel_view& v) { return v.clone(); });
}

void deep_copy(benchmark::State& state) {
    copies(state, [](const file_panel_view& v) { return file_panel_view::create(v.record()); });
}

void duplicates(benchmark::State& state) {
    prepared_panel& panel = panel_of(static_cast<int>(state.range(0)));
    constexpr int count = 10;
    const size_t before = heap_in_use();
    file_panel_view* source = capture_active_panel();
    const size_t one = heap_in_use() - before;
    file_panel_view* copies[count];
    for (auto& copy : copies) copy = source->clone();
    const size_t eleven = heap_in_use() - before;
    for (auto* copy : copies) memory::destroy(copy);
    state.counters["heap_one_mb"] = static_cast<double>(one) / 1e6;
    state.counters["heap_with_ten_duplicates_mb"] = static_cast<double>(eleven) / 1e6;
    state.counters["ten_duplicates_over_one"] = static_cast<double>(eleven) / static_cast<double>(one);
    for (auto _ : state) {
        for (auto& copy : copies) copy = source->clone();
        benchmark::DoNotOptimize(copies);
        for (auto* copy : copies) memory::destroy(copy);
    }
    memory::destroy(source);
    set_item_rate(state, panel);
}

void recapture(benchmark::State& state) {
    prepared_panel& panel = panel_of(static_cast<int>(state.range(0)));
    file_panel_view* v = capture_active_panel();
    for (auto _ : state) benchmark::DoNotOptimize(v->recapture(panel.info));
    memory::destroy(v);
    set_item_rate(state, panel);
}

void apply(benchmark::State& state) {
    prepared_panel& panel = panel_of(static_cast<int>(state.range(0)));
    file_panel_view* v = capture_active_panel();
    for (auto _ : state) {
        v->apply();
        benchmark::ClobberMemory();
    }
    memory::destroy(v);
    set_item_rate(state, panel);
}

#define TOLVIK_SIZES ->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond)
BENCHMARK(baseline_copy) TOLVIK_SIZES;
BENCHMARK(baseline_fresh) TOLVIK_SIZES;
BENCHMARK(capture) TOLVIK_SIZES;
BENCHMARK(clone) TOLVIK_SIZES;
BENCHMARK(deep_copy) TOLVIK_SIZES;
BENCHMARK(duplicates) TOLVIK_SIZES;
BENCHMARK(recapture) TOLVIK_SIZES;
BENCHMARK(apply) TOLVIK_SIZES;

}  // namespace
}  // namespace tolvik::bench

BENCHMARK_MAIN();
