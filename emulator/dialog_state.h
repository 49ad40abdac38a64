// What the host holds for a dialog: the open dialogs (a stack, innermost on
// top) and the records of dialogs and message boxes that have closed. Tests
// read these to see what the plugin made the host show.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "host/api.h"
#include "host/constants.h"
#include "host/dialog_items.h"
#include "host/startup_info.h"

namespace tolvik::emu {

// One item as the host holds it: its own copy of the record, plus, for a list
// box, its own copy of the lines and its cursor.
struct dialog_item_state {
    FarDialogItem record{};
    std::vector<list_item> lines;  // list boxes only
    int32_t list_select = 0;
    int32_t list_top = 0;
    int32_t mouse_reaction = -1;  // last message 54 Param2; -1 never set
};

// A dialog as the host holds it: open on the engine's stack from the start of
// dialog_ex until dialog_ex returns, then kept, as it was at the end, in the
// engine's history. Its handle is derived from its id, never reused, so a
// message sent to a dialog that has closed is caught rather than reaching a
// new one.
struct open_dialog {
    int32_t id = 0;  // 1, 2, ... in order of opening
    host_handle handle = nullptr;
    int32_t module_number = 0;
    int32_t requested_left = 0;
    int32_t requested_top = 0;
    int32_t left = 0;  // on the screen, after centring
    int32_t top = 0;
    int32_t width = 0;
    int32_t height = 0;
    std::string help_topic;  // empty when none was given
    bool has_help_topic = false;
    uint32_t flags = 0;
    dialog_proc_fn proc = nullptr;
    param_t param = 0;
    std::vector<dialog_item_state> items;
    int32_t focus = -1;          // focused item, -1 none
    int32_t redraw_stopped = 0;  // message 3 counter: drawn only at 0
    bool closing = false;        // a close was accepted; the loop ends
    bool in_close_notification = false;
    int32_t result = -1;
    int32_t depth = 0;  // how many dialogs were open beneath it

    // Text of the first double box, or "" when there is none.
    std::string title() const;
    bool warning_style() const { return (flags & style_warning) != 0; }
};

// A message box as shown.
struct message_box_run {
    uint32_t flags = 0;
    std::string help_topic;
    bool has_help_topic = false;
    std::string title;
    std::vector<std::string> lines;
    std::vector<std::string> buttons;
    int32_t result = -1;
};

}  // namespace tolvik::emu
