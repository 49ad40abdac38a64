// Helpers shared by the dialog engine's source files (not for tests).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "host/dialog_items.h"
#include "pointer_value.h"

namespace tolvik::emu {

// Copies the lines of a list record the plugin hands in. A null record gives
// no lines; a malformed one (negative or absurd count, count without items)
// gives no lines, returns false and describes itself in `problem`.
bool read_list_lines(const list_record* list, std::vector<list_item>& out, std::string& problem);

}  // namespace tolvik::emu
