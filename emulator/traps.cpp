// One trap function per unused slot, so a call names the slot it came through.
#include <array>
#include <cstddef>
#include <cstring>
#include <string>
#include <utility>

#include "host.h"
#include "services.h"

namespace tolvik::emu {
namespace {

// A run of unused pointer slots in a record: its offset and slot count.
struct unused_run {
    size_t offset;
    size_t count;
};

#define TOLVIK_UNUSED_RUN(record, field) \
    unused_run { offsetof(record, field), sizeof(record::field) / sizeof(void*) }

// The unused slots of the startup record, then those of the table, in
// offset order.
constexpr unused_run record_runs[] = {
    TOLVIK_UNUSED_RUN(startup_info, reserved_268), TOLVIK_UNUSED_RUN(startup_info, reserved_292),
    TOLVIK_UNUSED_RUN(startup_info, reserved_340), TOLVIK_UNUSED_RUN(startup_info, reserved_364)};
constexpr unused_run table_runs[] = {TOLVIK_UNUSED_RUN(standard_functions, reserved_4),
                                     TOLVIK_UNUSED_RUN(standard_functions, reserved_152)};

#undef TOLVIK_UNUSED_RUN

template <size_t N>
constexpr int slot_count(const unused_run (&runs)[N]) {
    size_t n = 0;
    for (const unused_run& run : runs) n += run.count;
    return static_cast<int>(n);
}

constexpr int record_slot_count = slot_count(record_runs);
constexpr int table_slot_count = slot_count(table_runs);

// The offset of the index-th unused slot of `runs`.
template <size_t N>
size_t slot_offset(const unused_run (&runs)[N], int index) {
    size_t i = static_cast<size_t>(index);
    for (const unused_run& run : runs) {
        if (i < run.count) return run.offset + i * sizeof(void*);
        i -= run.count;
    }
    return 0;
}

size_t record_offset(int index) { return slot_offset(record_runs, index); }
size_t table_offset(int index) { return slot_offset(table_runs, index); }

std::string slot_name(int index) {
    if (index < record_slot_count) return "startup+" + std::to_string(record_offset(index));
    return "functions+" + std::to_string(table_offset(index - record_slot_count));
}

// Takes no arguments: a plugin calling a trap is already wrong; the trap only
// has to be seen.
template <int Index>
intptr_t TOLVIK_API trap() {
    if (host* h = host::current()) {
        h->log().add(call_kind::service, service::unexpected, {}, {}, {slot_name(Index)});
        h->fail("unexpected call through " + slot_name(Index));
    }
    return 0;
}

using trap_fn = intptr_t(TOLVIK_API*)();

template <int... I>
constexpr auto make_traps(std::integer_sequence<int, I...>) {
    return std::array<trap_fn, sizeof...(I)>{&trap<I>...};
}

constexpr auto traps = make_traps(std::make_integer_sequence<int, record_slot_count + table_slot_count>{});

void* trap_at(int index) { return reinterpret_cast<void*>(traps[static_cast<size_t>(index)]); }

}  // namespace

void fill_traps(startup_info& record) {
    auto* bytes = reinterpret_cast<unsigned char*>(&record);
    for (int i = 0; i < record_slot_count; ++i) {
        void* fn = trap_at(i);
        std::memcpy(bytes + record_offset(i), &fn, sizeof fn);
    }
}

void fill_traps(standard_functions& table) {
    auto* bytes = reinterpret_cast<unsigned char*>(&table);
    for (int i = 0; i < table_slot_count; ++i) {
        void* fn = trap_at(record_slot_count + i);
        std::memcpy(bytes + table_offset(i), &fn, sizeof fn);
    }
}

std::string trap_slot(const void* fn) {
    for (size_t i = 0; i < traps.size(); ++i)
        if (reinterpret_cast<const void*>(traps[i]) == fn) return slot_name(static_cast<int>(i));
    return {};
}

}  // namespace tolvik::emu
