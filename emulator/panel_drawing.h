// Drawing the host's two panels (and the command line under them) onto the
// screen, beneath any dialog.
#pragma once

#include "panels.h"
#include "screen.h"

namespace tolvik::emu {

// Each panel in its rectangle: a single frame with the directory in the top
// border (its end, after "...", when it is too long), one item per line from
// the top line (a selected item marked '*'),
// the cursor line (highlighted in the active panel), a separator and a footer
// with the name under the cursor. A panel that is not a file panel, or whose
// contents a plugin supplies, shows a stand-in such as "[ Tree ]" instead of
// items. The row under the panels shows the active directory as a prompt.
void draw_panels(screen& display, panel_pair& panels);

// "[ Tree ]", "[ Quick view ]", "[ Information ]", "[ Plugin ]", or "" for a
// file panel.
const char* panel_stand_in(const panel_model& panel);

}  // namespace tolvik::emu
