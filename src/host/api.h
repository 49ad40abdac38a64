// Calling convention and handle types shared by every function that crosses
// the boundary between the host and the plugin.
#pragma once

#include <cstdint>

#if defined(_WIN32)
#define TOLVIK_API __stdcall
#elif defined(__i386__)
#define TOLVIK_API __attribute__((stdcall))
#else
#error "tolvik is a 32-bit plugin: build with -m32 or for i686 Windows"
#endif

#if defined(_WIN32)
// Exported by name through tolvik.def, undecorated.
#define TOLVIK_EXPORT extern "C"
#else
#define TOLVIK_EXPORT extern "C" __attribute__((visibility("default")))
#endif

namespace tolvik {

// Opaque handles the host hands out (panels, dialogs).
using host_handle = void*;

// The value passed as the panel handle: the plugin never owns a panel. The
// host's protocol spells it as the integer -1.
// NOLINTNEXTLINE(performance-no-int-to-ptr)
inline host_handle const no_panel = reinterpret_cast<host_handle>(static_cast<intptr_t>(-1));

// A pointer-sized signed value, as used by dialog messages and procedures.
using param_t = int32_t;

static_assert(sizeof(void*) == 4, "host records are laid out for 32-bit pointers");

}  // namespace tolvik
