// Attaching the plugin linked into the program (not loaded from its file) to
// an emulated host, for the programs that look at its objects from inside:
// unit tests, the walk, the allocation sweep and the fuzzers. No GoogleTest
// here.
#pragma once

#include <string>

#include "base/memory.h"
#include "dialog/view_list_dialog_impl.h"
#include "emulator/host.h"
#include "plugin/exports.h"
#include "registry/registry.h"
#include "support/host_setup.h"

namespace tolvik::test {

// The five exports linked into the program.
inline emu::plugin_exports linked_exports() {
    emu::plugin_exports exports;
#define TOLVIK_LINKED_EXPORT(name, member, result, parameters) exports.member = name;
    TOLVIK_EXPORTS(TOLVIK_LINKED_EXPORT)
#undef TOLVIK_LINKED_EXPORT
    return exports;
}

// Hands the five exports to `host`, with the program's own imports of the
// Windows calls redirected to the host (Windows only), and loads the English
// texts. False when the language file cannot be read.
inline bool attach_linked_plugin(emu::host& host) {
    host.attach(linked_exports());
    host.redirect_own_imports();
    return host.load_language(english_language_file());
}

// Plugin blocks alive, not counting the dialog's line block, which lives from
// one fill to the next by design.
inline long plugin_blocks() {
    return memory::live_blocks() - (the_view_list_dialog().list().lines().block ? 1 : 0);
}

// Shuts the plugin down (ExitFAR) and says what it left behind: "" when no
// view, no panel slot and no current slot is left and as many plugin blocks
// live as `blocks_before`, else one line per fault.
inline std::string shut_down(emu::host& host, long blocks_before) {
    host.exit_far();
    std::string problems;
    if (!all_views().empty() || !panel_slots().empty() || current_slot())
        problems += "ExitFAR left views or slots behind\n";
    if (plugin_blocks() != blocks_before)
        problems += "expected " + std::to_string(blocks_before) + " plugin blocks after ExitFAR, got " +
                    std::to_string(plugin_blocks()) + "\n";
    return problems;
}

}  // namespace tolvik::test
