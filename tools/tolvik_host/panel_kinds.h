// The panel types besides the file panel, drawn inside a panel's frame: a
// folder tree, a quick view of the other panel's file, an information panel,
// and the stand-in for a panel that a plugin fills.
#pragma once

#include <string>

#include "panels.h"
#include "screen.h"

namespace tolvik::tools {

void draw_tree(emu::screen& display, const emu::panel_model& panel, bool active);
// `other` is the panel whose cursor item is shown.
void draw_quick_view(emu::screen& display, const emu::panel_model& panel, const emu::panel_model& other);
void draw_information(emu::screen& display, const emu::panel_model& panel, const emu::panel_model& other,
                      const std::string& drive_c);
void draw_plugin_stand_in(emu::screen& display, const emu::panel_model& panel);

}  // namespace tolvik::tools
