// The five exports: start-up, the plugin menu, each opening, shut-down.
#include "dialog/view_list_dialog.h"
#include "host/constants.h"
#include "host/old_host.h"
#include "host/services.h"
#include "plugin/exports.h"
#include "registry/registry.h"

namespace tolvik {
namespace {

// Read by the host after GetPluginInfo returns, so module-wide.
const char* menu_strings[1];

}  // namespace
}  // namespace tolvik

using namespace tolvik;

int32_t TOLVIK_API GetMinFarVersion() { return tolvik_min_far_version; }

void TOLVIK_API SetStartupInfo(const startup_info* info) {
    if (copy_startup_info(info)) {
        old_host::remember(nullptr);
        populate_registry();
    } else {
        old_host::remember(info);
    }
}

void TOLVIK_API GetPluginInfo(plugin_info* info) {
    if (!info) return;
    info->size = plugin_info_size;
    const char* entry =
        host_too_old() ? old_host::message_lookup(msg_menu_entry) : message_lookup(msg_menu_entry);
    menu_strings[0] = entry;
    info->menu_strings = menu_strings;
    // Without a message lookup, or with one that has no text for the entry,
    // there is nothing to show: offer no entry.
    info->menu_string_count = entry ? 1 : 0;
}

host_handle TOLVIK_API OpenPlugin(int32_t, int32_t) {
    if (host_too_old()) {
        old_host::warn();
        return no_panel;
    }
    synchronise_with_panels();
    get_view_list_dialog().run();
    return no_panel;
}

void TOLVIK_API ExitFAR() { clear_registry(); }
