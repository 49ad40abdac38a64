// The library's load and unload. Each layer defines the module-wide objects
// it declares; load constructs them in a fixed order, not left to link order:
// all_views, recent_views, panel_slots, the view list dialog, the view number
// set. Unload destroys them in the reverse of that order.
#pragma once

namespace tolvik {

// Constructs the module-wide objects. Called once at library load, after
// thread notifications are switched off.
void module_load();

// Destroys them in reverse order. Called once at library unload.
void module_unload();

}  // namespace tolvik
