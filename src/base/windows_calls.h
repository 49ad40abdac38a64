// The three Windows calls the plugin makes: from Windows itself in the DLL,
// from libwinshim.so on Linux (never defined by the plugin).
#pragma once

#include <cstdint>

#if defined(_WIN32)
#include <windows.h>
#else
#include "winshim.h"
#endif

#include "host/constants.h"
#include "host/windows_values.h"

namespace tolvik {

// True while the Control key is held (highest bit of the 16-bit key state).
inline bool ctrl_held() {
    return (static_cast<uint16_t>(GetAsyncKeyState(virtual_key_control)) & key_state_held) != 0;
}

// The attributes of a path, or invalid_file_attributes when it cannot be read.
inline uint32_t file_attributes(const char* path) { return static_cast<uint32_t>(GetFileAttributesA(path)); }

}  // namespace tolvik
