// The two rows under the panels, in the host's texts (host_texts.h): the
// active panel's status and the key bar.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "panels.h"
#include "screen.h"

namespace tolvik::tools {

// The status row: the active panel's directory, sort, order, view mode and
// selection, and how many host faults were recorded.
void draw_status(emu::screen& display, int32_t row, emu::panel_pair& panels, size_t faults);

// A key bar from "Key Label|Key Label|..." pairs: keys plain, labels
// highlighted. A pair that does not fit whole in the screen's width is left
// out, and so is every pair after it.
void draw_key_bar(emu::screen& display, int32_t row, const std::string& pairs);

}  // namespace tolvik::tools
