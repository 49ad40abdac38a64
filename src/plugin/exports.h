// The five functions the host calls, exported undecorated with the API
// calling convention. Nothing else is exported.
#pragma once

#include <cstdint>

#include "host/api.h"
#include "host/startup_info.h"

// The oldest host the plugin accepts: version 1.70, build 1282.
constexpr int32_t tolvik_min_far_version = 0x05020146;

TOLVIK_EXPORT int32_t TOLVIK_API GetMinFarVersion();
TOLVIK_EXPORT void TOLVIK_API SetStartupInfo(const tolvik::startup_info* info);
TOLVIK_EXPORT void TOLVIK_API GetPluginInfo(tolvik::plugin_info* info);
TOLVIK_EXPORT tolvik::host_handle TOLVIK_API OpenPlugin(int32_t open_from, int32_t item);
TOLVIK_EXPORT void TOLVIK_API ExitFAR();
