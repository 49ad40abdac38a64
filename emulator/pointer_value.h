// Pointers and the 32-bit integers the host protocol carries them in (the
// call log's arguments, a dialog message's Param2). Pointers are 32-bit on
// both targets (host/api.h asserts it), so nothing is lost either way.
#pragma once

#include <cstdint>

#include "host/api.h"

namespace tolvik::emu {

// A pointer as the 32-bit value the call log records.
inline int32_t pointer_value(const void* p) { return static_cast<int32_t>(reinterpret_cast<uintptr_t>(p)); }

// The pointer a dialog message's Param2 carries: the host's protocol passes
// pointers as integers.
inline void* param_pointer(param_t param) {
    // NOLINTNEXTLINE(performance-no-int-to-ptr)
    return reinterpret_cast<void*>(static_cast<uintptr_t>(static_cast<uint32_t>(param)));
}

}  // namespace tolvik::emu
