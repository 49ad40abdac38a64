// One run of the interactive host: the emulated file manager with the plugin
// loaded, on the terminal (or on a key script). It owns the emulator host and
// is the source of every event the host's modal loops consume, so the plugin's
// dialogs run on the same input as the panels.
//
// Ctrl mode: where the terminal reports key releases, Ctrl goes down and up
// for real (the emulator's ctrl_down and ctrl_up events). Elsewhere F12 opens
// the list as if Ctrl were held, and Space (or F12) in the list lets go of
// it: a ctrl_up followed by an idle tick, on which the plugin commits.
//
// Sizes: every change of size lays the whole screen out again (panels,
// dialogs opened centred, the rows under the panels). Below
// min_screen_width x min_screen_height (options.h) the screen shows only
// the "too small" message, and keys other than F10 wait until the screen is
// large enough again, so that no dialog takes keys while it is not seen.
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "host.h"
#include "host_texts.h"
#include "key_decoder.h"
#include "key_script.h"
#include "options.h"
#include "plugin_menu.h"
#include "render.h"
#include "terminal.h"

namespace tolvik::tools {

class session {
public:
    explicit session(options o);
    // Runs until F10 (or the end of the script or of the terminal's input);
    // returns the process's exit status. Host faults are written to stderr.
    int run();

    // Exit statuses besides 0 and 1 (cannot start): the input ended while a
    // dialog of the plugin was open.
    static constexpr int status_input_ended_in_dialog = 3;

    // Driving sessions from a program instead of run() (the fuzzer): start()
    // once, then play() any number of times on the same host. start() uses
    // a plugin attached to host() beforehand, else loads the one the options
    // name; it ends with the plugin started. Each play() begins on the
    // panels with no box, menu or held key of an earlier one, takes its steps
    // from `source` (false: the input has ended) until F10 or the end, and
    // leaves the plugin started: ExitFAR and a new start-up are the caller's.
    using step_source = std::function<bool(script_step& step)>;
    bool start(std::string& error);
    void play(step_source source);
    emu::host& host() { return host_; }

private:
    // Takes events and acts on them until F10 or the end of the input.
    void loop();
    void negotiate_key_protocol();
    void resize(int width, int height);
    bool too_small();

    // The next event for the panels or for the plugin's dialogs; false when
    // the input has ended.
    bool next_event(emu::input_event& event);
    bool next_script_event(emu::input_event& event);
    bool next_step(script_step& step);
    bool next_terminal_event(emu::input_event& event);
    void queue(const terminal_event& event);
    // The engine's source while the plugin runs.
    bool dialog_event(emu::input_event& event);

    void handle_key(int32_t code);
    void open_plugin(bool as_if_ctrl_held);

    // Draws everything into the host's screen and sends it to the terminal.
    void paint();
    void draw_background(emu::screen& display);
    void draw_too_small(emu::screen& display);
    std::string key_bar();
    void dump_screen();
    // The screen with the cursor line of each open list marked by a '>' in
    // the column left of its dialog's box.
    emu::screen marked_screen();

    options options_;
    emu::host host_;
    terminal terminal_;
    key_decoder decoder_;
    renderer renderer_;
    plugin_menu menu_;
    std::deque<emu::input_event> pending_;
    std::deque<emu::input_event> waiting_;  // keys held while the screen is too small
    size_t script_at_ = 0;
    step_source source_;  // play()'s steps, instead of the script's
    std::string drive_c_;
    bool real_ctrl_ = false;      // the terminal reports Ctrl's press and release
    bool stand_in_ctrl_ = false;  // the list runs as if Ctrl were held
    bool ctrl_at_open_ = false;   // Ctrl was held when the plugin was opened
    bool help_open_ = false;
    bool welcome_open_ = false;
    std::string ended_in_dialog_;  // title of the dialog open when the input ended
    bool quit_ = false;
    bool dumped_ = false;  // the script printed a screen itself
};

}  // namespace tolvik::tools
