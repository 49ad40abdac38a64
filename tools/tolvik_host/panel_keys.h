// The file manager's own keys, acting on the two panels while no dialog is
// open:
//   Up Down Left Right PgUp PgDn Home End   move the cursor (Left and Right
//                                            by a column in the brief and
//                                            medium modes); the wheel moves
//                                            it a line
//   Enter          enter the folder under the cursor ("..": go up)
//   Ctrl+PgUp      go up a folder
//   Ins, Space     select or deselect the item, then move down
//   + and -        select every file, deselect everything
//   Tab            the other panel becomes active
//   s, Ctrl+F3..F7 sort: next mode; by name, extension, time, size, unsorted
//   r              reverse the order
//   v, 1 2 3 4     view mode: next; brief, medium, full, wide
//   t, Ctrl+T      tree panel (again: back to a file panel)
//   q, Ctrl+Q      quick view
//   i, Ctrl+L      information panel
//   p              a panel that a plugin fills (a stand-in)
//   Ctrl+R         read the active panel's folder again
#pragma once

#include <cstdint>

#include "panels.h"

namespace tolvik::tools {

// Applies `code` to the panels. False when it is no panel key.
bool handle_panel_key(emu::panel_pair& panels, int32_t code);

}  // namespace tolvik::tools
