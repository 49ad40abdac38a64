// Drawing the host's two panels (and the command line under them) onto the
// screen, beneath any dialog: the one renderer of the emulator's panels, used
// by the tests and by the interactive host.
//
// View modes (panel_model::view_mode): 1 brief, three columns of names;
// 2 medium, two columns of names; 3 full, name, size, date and time; 4 wide,
// one column of whole names. Any other value is drawn like 3.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "panels.h"
#include "screen.h"

namespace tolvik::emu {

// Draws the inside of a panel that is not a file panel (a tree, a quick
// view, an information panel, or a panel that a plugin fills): the rows inside
// the frame above the separator, and the footer. `other` is the other panel.
using panel_contents =
    std::function<void(screen& display, const panel_model& panel, const panel_model& other, bool active)>;

// The words a file panel shows in place of a size: for ".." and for a folder.
// The host gives them in the language in use.
struct panel_words {
    std::string up = "Up";
    std::string folder = "Folder";
};

// Each panel in its rectangle: a single frame with the directory in the top
// border (its end, after "...", when it is too long; highlighted in the
// active panel), the items in the panel's view mode, a separator and a footer
// with the item under the cursor, its size and time. A selected item is
// marked '*'; the cursor line is highlighted, more strongly in the active
// panel. A panel that is not a file panel is drawn by `contents`, or without
// it shows a stand-in such as "[ Tree ]". The row under the panels shows the
// active directory as a prompt.
void draw_panels(screen& display, panel_pair& panels, const panel_contents& contents = nullptr,
                 const panel_words& words = {});

// The item grid of a file panel in its view mode: `columns` of `lines` items.
struct panel_geometry {
    int32_t columns = 1;
    int32_t lines = 1;
    int32_t capacity() const { return columns * lines; }
};
panel_geometry geometry_of(const panel_model& panel);

// The top item that keeps the cursor inside the grid, starting from the
// panel's own top.
int32_t visible_top(const panel_model& panel);

}  // namespace tolvik::emu
