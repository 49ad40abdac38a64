// A stand-in plugin for the emulator's own tests: it keeps the record the host
// passed, so a test can call the host's services exactly as a plugin would.
#pragma once

#include <cstdint>

#include "emulator/host.h"
#include "host/api.h"
#include "host/startup_info.h"

namespace tolvik::test {

struct fake {
    static inline const startup_info* record = nullptr;
    static inline int32_t open_calls = 0;

    static int32_t TOLVIK_API get_min_far_version() { return 0x05020146; }
    static void TOLVIK_API set_startup_info(const startup_info* info) { record = info; }
    static void TOLVIK_API get_plugin_info(plugin_info* info) { info->size = 44; }
    // Asks for message 4 from inside the export, to show nesting in the log.
    static host_handle TOLVIK_API open_plugin(int32_t, int32_t) {
        ++open_calls;
        record->get_message(record->module_number, 4);
        return no_panel;
    }
    static void TOLVIK_API exit_far() {}

    static emu::plugin_exports exports() {
        emu::plugin_exports e;
        e.get_min_far_version = &get_min_far_version;
        e.set_startup_info = &set_startup_info;
        e.get_plugin_info = &get_plugin_info;
        e.open_plugin = &open_plugin;
        e.exit_far = &exit_far;
        return e;
    }

    // Runs a panel command through the record, as the plugin does.
    static int32_t panel(int32_t command, void* param) {
        return record->panel_control(no_panel, command, param);
    }
};

}  // namespace tolvik::test
