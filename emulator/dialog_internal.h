// Helpers shared by the dialog engine's source files (not for tests).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "host/dialog_items.h"

namespace tolvik::emu {

// A pointer as the 32-bit value the call log records.
inline int32_t pointer_value(const void* p) { return static_cast<int32_t>(reinterpret_cast<uintptr_t>(p)); }

// Copies the lines of a list record the plugin hands in. A null record gives
// no lines; a malformed one (negative or absurd count, count without items)
// gives no lines, returns false and describes itself in `problem`.
bool read_list_lines(const list_record* list, std::vector<list_item>& out, std::string& problem);

}  // namespace tolvik::emu
