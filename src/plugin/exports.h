// The five functions the host calls, exported undecorated with the API
// calling convention. Nothing else is exported.
#pragma once

#include <cstdint>

#include "host/export_names.h"

// The oldest host the plugin accepts: version 1.70, build 1282.
constexpr int32_t tolvik_min_far_version = 0x05020146;

#define TOLVIK_DECLARE_EXPORT(name, member, result, parameters) \
    TOLVIK_EXPORT result TOLVIK_API name parameters;
TOLVIK_EXPORTS(TOLVIK_DECLARE_EXPORT)
#undef TOLVIK_DECLARE_EXPORT
