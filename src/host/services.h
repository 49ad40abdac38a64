// The plugin's own copies of the host's startup record and standard-function
// table. Every host service is called through them, so after SetStartupInfo
// returns nothing refers to the host's record or table.
#pragma once

#include <cstdint>

#include "host/api.h"
#include "host/startup_info.h"

namespace tolvik {

// The startup record's copy. Its table pointer refers to the standard-function
// table's copy. REQUIRES: !host_too_old() (before that it is all zeros).
const startup_info& startup_copy();

// True until SetStartupInfo has copied a record of full size.
bool host_too_old();

// Fills the copies from the host's record (SetStartupInfo's first half).
// Returns false, leaving the copies empty, when the record is too short.
bool copy_startup_info(const startup_info* record);

// Shorthands for the services, all through the copy, panel handle no_panel.
// message_lookup answers what the host answers: null when it has no text (or
// no lookup); message_text makes that "".
const char* message_lookup(int32_t id);
const char* message_text(int32_t id);
int32_t panel_control(int32_t command, void* param);
param_t send_dialog_message(host_handle dialog, int32_t message, int32_t param1, param_t param2);
param_t default_dialog_proc(host_handle dialog, int32_t message, int32_t param1, param_t param2);
// The extended dialog with the copy's module number; -1 (as if cancelled),
// showing nothing, when the host gave no dialog service.
int32_t run_dialog(int32_t width, int32_t height, const char* help_topic, FarDialogItem* items,
                   int32_t item_count, uint32_t flags, dialog_proc_fn proc);

}  // namespace tolvik
