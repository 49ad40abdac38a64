// The module-wide objects live in one place so that their order of
// construction (and of destruction, reversed) is fixed, not left to link
// order: all_views, recent_views, panel_slots, the view list dialog, the view
// number set.
#pragma once

namespace tolvik {

// Constructs the module-wide objects. Called once at library load, after
// thread notifications are switched off.
void module_load();

// Destroys them in reverse order. Called once at library unload.
void module_unload();

}  // namespace tolvik
