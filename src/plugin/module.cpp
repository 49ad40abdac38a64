#include "plugin/module.h"

#include <new>

#include "dialog/view_list_dialog_impl.h"
#include "registry/registry.h"
#include "views/view_numbers.h"

namespace tolvik {
namespace {

// The module-wide objects, constructed in member order and destroyed in
// reverse. Destroying a list frees only its entries: ExitFAR has destroyed the
// views and slots they point to by then.
struct module_objects {
    view_list all_views;
    view_list recent_views;
    slot_list panel_slots;
    view_list_dialog_impl dialog;
    view_number_set numbers;
};

alignas(module_objects) unsigned char storage[sizeof(module_objects)];
module_objects* objects = nullptr;

}  // namespace

void module_load() {
    if (!objects) objects = new (storage) module_objects();
}

void module_unload() {
    if (!objects) return;
    objects->~module_objects();
    objects = nullptr;
}

view_list& all_views() { return objects->all_views; }
view_list& recent_views() { return objects->recent_views; }
slot_list& panel_slots() { return objects->panel_slots; }
view_number_set& view_numbers() { return objects->numbers; }
view_list_dialog& get_view_list_dialog() { return objects->dialog; }

}  // namespace tolvik
