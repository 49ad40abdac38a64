// The small modal box shown when the active panel cannot be switched: a
// title chosen by the caller, a fixed line, a line naming the panel type, and
// one button (hidden in Ctrl mode, where the box closes once Ctrl is released).
#pragma once

#include <cstdint>

#include "host/api.h"
#include "host/dialog_items.h"

namespace tolvik {

class warning_box {
public:
    // Builds the box for the current slot's view and runs it modally; returns
    // once it is closed.
    void show_warning(bool ctrl_mode, int title_id) noexcept;

    // Items are rebuilt from zero at each show: 0 box, 1 and 2 text lines,
    // 3 the button.
    FarDialogItem items[4] = {};
    bool ctrl_mode = false;
    // The running box's handle; stale once the box has closed.
    host_handle dialog_handle = nullptr;
};

// The box's dialog procedure; acts on the box being shown.
param_t TOLVIK_API warning_proc(host_handle dialog, int32_t message, int32_t param1, param_t param2);

}  // namespace tolvik
