// Connects the dialog engine to a host: its input queue, screen, call log,
// failures, Control key state, and its panels as the screen's background.
#pragma once

#include "dialogs.h"
#include "host.h"

namespace tolvik::emu {

// REQUIRES: `h` outlives every engine given the result.
dialog_environment host_environment(host& h);

}  // namespace tolvik::emu
