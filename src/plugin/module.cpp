#include "plugin/module.h"

#include "dialog/view_list_dialog.h"
#include "registry/registry.h"
#include "views/view_numbers.h"

namespace tolvik {
namespace {

bool loaded = false;

}  // namespace

void module_load() {
    if (loaded) return;
    loaded = true;
    construct_registry_lists();
    construct_view_list_dialog();
    construct_view_numbers();
}

void module_unload() {
    if (!loaded) return;
    loaded = false;
    destroy_view_numbers();
    destroy_view_list_dialog();
    destroy_registry_lists();
}

}  // namespace tolvik
