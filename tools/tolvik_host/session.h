// One run of the interactive host: the emulated file manager with the plugin
// loaded, on the terminal (or on a key script). It owns the emulator host and
// is the source of every event the host's modal loops consume, so the plugin's
// dialogs run on the same input as the panels.
//
// Ctrl mode, real or stood in for by F12: ctrl_mode.h.
//
// Sizes: every change of size lays the whole screen out again (panels,
// dialogs opened centred, the rows under the panels). Below
// min_screen_width x min_screen_height (options.h) the screen shows only
// the "too small" message, and keys other than F10 wait until the screen is
// large enough again, so that no dialog takes keys while it is not seen.
// Boxes and dialogs never cover the status row and the key bar: the screen
// keeps those two rows (screen::set_bottom_rows), and a box taller than the
// rest scrolls.
//
// Mouse: the wheel is a key; a click on a panel item moves the cursor there
// (that panel becomes active), a double click opens it as Enter does; a click
// on a line of the plugin's list walks the list's cursor there with the keys
// the plugin knows, so its live preview follows; a click on a box's focused
// button presses it (Enter).
//
// When the input ends while a dialog is open (a key script that stops
// early), the screen as it was is printed (unless the script printed one),
// the innermost dialog or box is named once, and the open dialogs are ended
// as the host ends them on its own (a cancel, then a shutdown for a dialog
// that refuses): no host fault.
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "code_pages.h"
#include "ctrl_mode.h"
#include "host.h"
#include "host_rows.h"
#include "host_texts.h"
#include "key_decoder.h"
#include "key_script.h"
#include "options.h"
#include "plugin_menu.h"
#include "render.h"
#include "terminal.h"
#include "text_box.h"

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
    // The input ended with keys still waiting for a screen large enough,
    // whether or not a dialog was open too (both are said): the script did
    // not run as written.
    static constexpr int status_keys_never_ran = 4;

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
    // An event of the panels or the plugin's dialogs, or a mouse click.
    struct host_event {
        emu::input_event input;
        bool click = false;
        int32_t x = 0;  // a click's cell
        int32_t y = 0;
        bool twice = false;  // a double click
    };

    void negotiate_key_protocol();
    void resize(int width, int height);
    bool too_small();

    // The next event for the panels or for the plugin's dialogs; false when
    // the input has ended.
    bool next_event(host_event& event);
    bool next_script_event(host_event& event);
    bool next_step(script_step& step);
    bool next_terminal_event(host_event& event);
    void queue(const terminal_event& event);
    // The engine's source while the plugin runs.
    bool dialog_event(emu::input_event& event);
    // What the engine gets once the input has ended inside a dialog.
    bool end_dialogs(emu::input_event& event);

    void handle_key(int32_t code);
    void handle_click(const host_event& click);
    void click_panel(const host_event& click);
    // A click while the plugin's dialogs run: true with the key it stands
    // for, or with a walk of the list's cursor begun (list_walk_).
    bool click_in_dialog(const host_event& click, emu::input_event& key);
    // The next key of a walk of the list's cursor towards a clicked line.
    bool walk_list(emu::input_event& key);
    // The host's own help and welcome boxes as text boxes.
    emu::text_box help_box();
    emu::text_box welcome_box();
    // Whether the welcome box shows only part of its lines.
    bool welcome_scrolls();
    void open_plugin(bool as_if_ctrl_held);

    // Draws everything into the host's screen and sends it to the terminal;
    // done before each event is taken from the input, so the dialog engine
    // leaves its own redraws out (emu::dialog_environment::source_redraws).
    void paint();
    void draw_background(emu::screen& display);
    void draw_too_small(emu::screen& display);
    key_bar shown_key_bar();
    key_bar dialog_key_bar();
    void dump_screen();
    // The screen with the cursor line of each open list marked by a '>' in
    // the column left of its dialog's box.
    emu::screen marked_screen();

    options options_;
    emu::host host_;
    terminal terminal_;
    key_decoder decoder_;
    renderer renderer_;
    host_rows_cache rows_;
    plugin_menu menu_;
    std::deque<host_event> pending_;
    std::deque<host_event> waiting_;  // keys held while the screen is too small
    size_t script_at_ = 0;
    step_source source_;  // play()'s steps, instead of the script's
    std::string drive_c_;
    ctrl_mode ctrl_;                     // of the plugin's run in progress
    code_page page_ = code_page::cp850;  // of the language in use
    // The host's own box over the panels (one at a time), and the first of
    // its lines it shows.
    enum class host_box { none, help, welcome };
    host_box box_ = host_box::none;
    int32_t box_first_ = 0;
    std::string ended_in_dialog_;  // title of the dialog open when the input ended
    bool input_ended_ = false;
    int32_t cancelled_dialog_ = 0;  // id of the dialog last sent a cancel
    // A walk of the list's cursor to a clicked line: the dialog, its list
    // item, the line, the cursor before the last step, Enter at the end.
    struct list_walk {
        int32_t dialog = 0;
        size_t item = 0;
        int32_t line = -1;
        int32_t last_select = -1;
        bool enter = false;
    };
    list_walk walk_;
    // The last click of the terminal, for double clicks.
    int32_t last_click_x_ = -1;
    int32_t last_click_y_ = -1;
    int64_t last_click_ms_ = 0;
    bool quit_ = false;
    bool dumped_ = false;  // the script printed a screen itself
};

}  // namespace tolvik::tools
