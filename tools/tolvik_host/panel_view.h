// How the interactive host draws its two panels, in the host's view modes
// and panel types (host_rows.h draws the rows under them).
//
// View modes (panel_model::view_mode): 1 brief, three columns of names;
// 2 medium, two columns of names; 3 full, name, size, date and time; 4 wide,
// one column of whole names. Any other value is drawn like 3 and reported by
// its number. Panel types: a tree shows the folders from the root down to the
// panel's directory and the folders in it; a quick view shows the file under
// the other panel's cursor; an information panel shows the host's mapping and
// the other panel's totals; a panel that a plugin fills shows a stand-in.
#pragma once

#include <cstdint>
#include <string>

#include "panels.h"
#include "screen.h"

namespace tolvik::tools {

// The item grid of a panel in its view mode: `columns` of `lines` items.
struct panel_geometry {
    int32_t columns = 1;
    int32_t lines = 1;
    int32_t capacity() const { return columns * lines; }
};
panel_geometry geometry_of(const emu::panel_model& panel);

// The top item that keeps the cursor inside the grid, starting from the
// panel's own top.
int32_t visible_top(const emu::panel_model& panel);

const char* view_mode_name(int32_t mode);
const char* sort_mode_name(int32_t mode);

// Both panels; `drive_c` is the folder that drive C: stands for.
void draw_panels(emu::screen& display, emu::panel_pair& panels, const std::string& drive_c);

}  // namespace tolvik::tools
