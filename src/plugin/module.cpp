#include "plugin/module.h"

#include "dialog/view_list_dialog.h"
#include "registry/registry.h"
#include "views/view_numbers.h"

namespace tolvik {

// Each object's construct() and destroy() do nothing when it already lives or
// does not live, so a second load or unload changes nothing.
void module_load() {
    construct_registry_lists();
    construct_view_list_dialog();
    construct_view_numbers();
}

void module_unload() {
    destroy_view_numbers();
    destroy_view_list_dialog();
    destroy_registry_lists();
}

}  // namespace tolvik
