// The plugin's five exports, listed once: the name the host looks each up by
// (undecorated), the emulator's name for it, its result and its parameters.
// The declarations (plugin/exports.h), the module-definition file (made from
// this list by the build), the emulator's look-up and call log, and the
// programs that link the plugin are all generated from it.
//
// TOLVIK_EXPORTS(X) expands X(name, member, result, parameters) once per
// export, in the order the host calls them first.
#pragma once

#include <cstdint>

#include "host/api.h"
#include "host/startup_info.h"

// clang-format off
#define TOLVIK_EXPORTS(X)                                                              \
    X(GetMinFarVersion, get_min_far_version, int32_t, ())                              \
    X(SetStartupInfo, set_startup_info, void, (const tolvik::startup_info* info))      \
    X(GetPluginInfo, get_plugin_info, void, (tolvik::plugin_info* info))               \
    X(OpenPlugin, open_plugin, tolvik::host_handle, (int32_t open_from, int32_t item)) \
    X(ExitFAR, exit_far, void, ())
// clang-format on
