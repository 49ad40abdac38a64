// The registry's module-wide lists. Destroying a list frees only its entries:
// ExitFAR has destroyed the views and slots they point to by then.
#include "base/module_object.h"
#include "registry/registry.h"

namespace tolvik {
namespace {

// Constructed in member order: all_views, recent_views, panel_slots.
struct registry_lists {
    view_list all_views;
    view_list recent_views;
    slot_list panel_slots;
};

constinit module_object<registry_lists> lists;

}  // namespace

void construct_registry_lists() { lists.construct(); }
void destroy_registry_lists() { lists.destroy(); }

view_list& all_views() { return lists.get().all_views; }
view_list& recent_views() { return lists.get().recent_views; }
slot_list& panel_slots() { return lists.get().panel_slots; }

}  // namespace tolvik
