// One trap function per service slot, so a call names the slot it came through.
#include <array>
#include <cstddef>
#include <cstring>
#include <string>
#include <utility>

#include "host.h"
#include "services.h"

namespace tolvik::emu {
namespace {

// The service slots of each record run from the end of its plain fields to
// its end, pointer after pointer, as the record declares them
// (host/startup_info.h): every one holds a trap until the host puts its
// service there, so a field taken from a reserved range is guarded until it
// is served.
constexpr size_t record_first = TOLVIK_FIELD_END(startup_info, module_number);
constexpr size_t table_first = TOLVIK_FIELD_END(standard_functions, size);
static_assert((sizeof(startup_info) - record_first) % sizeof(void*) == 0);
static_assert((sizeof(standard_functions) - table_first) % sizeof(void*) == 0);

constexpr int record_slot_count = static_cast<int>((sizeof(startup_info) - record_first) / sizeof(void*));
constexpr int table_slot_count = static_cast<int>((sizeof(standard_functions) - table_first) / sizeof(void*));

size_t record_offset(int index) { return record_first + static_cast<size_t>(index) * sizeof(void*); }
size_t table_offset(int index) { return table_first + static_cast<size_t>(index) * sizeof(void*); }

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
