// Windows file attributes: the host's panel items carry them and
// GetFileAttributesA returns them (on Linux, winshim's stand-in too).
#pragma once

#include <cstdint>

namespace tolvik {

constexpr uint32_t file_attribute_directory = 0x10;
constexpr uint32_t file_attribute_archive = 0x20;
constexpr uint32_t file_attribute_normal = 0x80;
// What GetFileAttributesA returns for a path it cannot read.
constexpr uint32_t invalid_file_attributes = 0xFFFFFFFFu;

}  // namespace tolvik
