// How the interactive host draws its two panels: the emulator's renderer
// (panel_drawing.h: frames, items, view modes), with the panel types besides
// the file panel drawn in the host's own texts (panel_kinds.h); host_rows.h
// draws the rows under them and names the sort and view modes.
#pragma once

#include <string>

#include "panel_drawing.h"
#include "panels.h"
#include "screen.h"

namespace tolvik::tools {

using emu::geometry_of;
using emu::panel_geometry;
using emu::visible_top;

// Both panels; `drive_c` is the folder that drive C: stands for.
void draw_panels(emu::screen& display, emu::panel_pair& panels, const std::string& drive_c);

}  // namespace tolvik::tools
