// The host services the startup record carries, besides the dialog ones
// (emulator/dialogs.h): message lookup, panel control, shorten path, and the
// traps that fill every slot the plugin must not use. All of them reach the
// live host through host::current(); with no live host they do nothing and
// answer 0 (null).
#pragma once

#include <cstdint>
#include <string>

#include "host/api.h"
#include "host/startup_info.h"

namespace tolvik::emu {

const char* TOLVIK_API get_message_service(int32_t module_number, int32_t message_id);
int32_t TOLVIK_API panel_control_service(host_handle panel, int32_t command, void* param);
char* TOLVIK_API shorten_path_service(char* path, int32_t max_length);

// Puts a trap in every service slot of the record (and of the table), which
// the host then overwrites with the services it gives; a trap logs an
// "unexpected" call naming its slot ("startup+268", "functions+4") and
// records a host failure.
void fill_traps(startup_info& record);
void fill_traps(standard_functions& table);

// The name of the slot a trap stands in, or "" when `fn` is no trap.
std::string trap_slot(const void* fn);

}  // namespace tolvik::emu
