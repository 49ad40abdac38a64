// A host whose startup record is too short: the plugin keeps no copy of it,
// but still reaches the services that the record's own size field covers, to
// name its menu entry and to warn that the host is too old.
#pragma once

#include "host/startup_info.h"

namespace tolvik::old_host {

// Remembers the services that `record` covers (by its size field); forgets
// them when `record` is null. Only called while the host is too old.
void remember(const startup_info* record);

// What the host's message lookup answers (null when it has no text), as
// services.h's message_lookup does; null too when the record did not hold the
// lookup (or the module number it needs).
const char* message_lookup(int32_t id);

// Shows the host-too-old warning when the record held the message box and the
// message lookup; otherwise does nothing.
void warn();

}  // namespace tolvik::old_host
