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

// Unused pointer slots: offsets in the startup record, then in the table.
constexpr int record_slots[] = {268, 272, 276, 292, 296, 300, 304, 308, 312, 316,
                                320, 324, 328, 332, 340, 344, 348, 364, 368};
constexpr int record_slot_count = sizeof record_slots / sizeof record_slots[0];
constexpr int table_slot_count = 55;  // 4..144 and 152..224

int table_offset(int index) { return index < 36 ? 4 + 4 * index : 152 + 4 * (index - 36); }

std::string slot_name(int index) {
    if (index < record_slot_count) return "startup+" + std::to_string(record_slots[index]);
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

const auto traps = make_traps(std::make_integer_sequence<int, record_slot_count + table_slot_count>{});

void* trap_at(int index) { return reinterpret_cast<void*>(traps[static_cast<size_t>(index)]); }

}  // namespace

void fill_traps(startup_info& record) {
    auto* bytes = reinterpret_cast<unsigned char*>(&record);
    for (int i = 0; i < record_slot_count; ++i) {
        void* fn = trap_at(i);
        std::memcpy(bytes + record_slots[i], &fn, sizeof fn);
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
