// The host's path shortening (standard-function table, offset 148).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tolvik::emu {

// `path` cut to at most `width` characters: unchanged when it fits; else the
// drive ("C:\") and the tail with "..." between them, or "..." and the tail
// when the drive does not fit too, or the bare tail below 4 characters. A
// width of 0 or less gives the empty text. The result is never longer than
// `path`, so the service can shorten in place.
std::string shorten(std::string_view path, int32_t width);

}  // namespace tolvik::emu
