// Values of the Windows calls the plugin makes, shared by the plugin
// (base/windows_calls.h) and by winshim, which answers those calls on Linux.
// The host's panel items carry the same file attributes. Each value is pinned
// in tests/plugin/host_values_test.cpp.
#pragma once

#include <cstdint>

namespace tolvik {

// File attributes, as GetFileAttributesA returns them.
constexpr uint32_t file_attribute_directory = 0x10;
constexpr uint32_t file_attribute_archive = 0x20;
constexpr uint32_t file_attribute_normal = 0x80;
// What GetFileAttributesA returns for a path it cannot read.
constexpr uint32_t invalid_file_attributes = 0xFFFFFFFFu;

// The bit of GetAsyncKeyState's 16-bit result that is set while the key is
// held.
constexpr uint16_t key_state_held = 0x8000;
}  // namespace tolvik
