// Ctrl mode of the plugin's list: opened with Ctrl held, the list commits the
// view under its cursor when Ctrl goes up. Where the terminal reports key
// releases, Ctrl goes down and up for real (the emulator's ctrl_down and
// ctrl_up events). Elsewhere F12 opens the list as if Ctrl were held (the
// stand-in), and Space or F12 in the list lets go of it: a ctrl_up followed
// by an idle tick, on which the plugin commits.
//
// Contract: begin() and end() bracket one run of the plugin
// (emu::host::open_plugin) on the same host; between them the host's Ctrl
// key is held for the stand-in, and after end() a stand-in Ctrl is never
// left held. Outside a run the mode is off and no idle tick is wanted.
#pragma once

#include "host.h"

namespace tolvik::tools {

class ctrl_mode {
public:
    // Begins a run of the plugin; `stand_in` holds Ctrl for the run unless
    // the terminal holds it already.
    void begin(emu::host& host, bool stand_in);
    // Ends the run: a stand-in Ctrl goes up.
    void end(emu::host& host);

    // Whether the plugin was opened with Ctrl held: only then do idle ticks
    // reach it (it commits on the first one after Ctrl goes up).
    bool wants_idle() const { return held_at_begin_; }
    // Whether the list runs in Ctrl mode now: opened with Ctrl held, and
    // Ctrl still held.
    bool on(const emu::host& host) const;
    // Whether Ctrl is held by the stand-in rather than by the terminal.
    bool stand_in() const { return stand_in_; }
    // Whether the key `code` lets go of the stand-in Ctrl (Space or F12
    // while it is held): the host then sends ctrl_up and an idle tick.
    bool lets_go(const emu::host& host, int32_t code) const;

private:
    bool held_at_begin_ = false;
    bool stand_in_ = false;
};

}  // namespace tolvik::tools
