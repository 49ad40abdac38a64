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
#include <string>
#include <vector>

#include "code_pages.h"
#include "host.h"
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

private:
    // An event of the panels or the plugin's dialogs, or a mouse click.
    struct host_event {
        emu::input_event input;
        bool click = false;
        int32_t x = 0;  // a click's cell
        int32_t y = 0;
        bool twice = false;  // a double click
    };

    bool start(std::string& error);
    void negotiate_key_protocol();
    void resize(int width, int height);
    bool too_small();

    // The next event for the panels or for the plugin's dialogs; false when
    // the input has ended.
    bool next_event(host_event& event);
    bool next_script_event(host_event& event);
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
    emu::text_box help_box() const;
    emu::text_box welcome_box() const;
    // Whether the welcome box shows only part of its lines.
    bool welcome_scrolls();
    void open_plugin(bool as_if_ctrl_held);

    // Draws everything into the host's screen and sends it to the terminal.
    void paint();
    void draw_background(emu::screen& display);
    void draw_too_small(emu::screen& display);
    std::string key_bar();
    std::string dialog_key_bar();
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
    std::deque<host_event> pending_;
    std::deque<host_event> waiting_;  // keys held while the screen is too small
    size_t script_at_ = 0;
    std::string drive_c_;
    bool real_ctrl_ = false;             // the terminal reports Ctrl's press and release
    bool stand_in_ctrl_ = false;         // the list runs as if Ctrl were held
    bool ctrl_at_open_ = false;          // Ctrl was held when the plugin was opened
    code_page page_ = code_page::cp850;  // of the language in use
    bool help_open_ = false;
    int32_t box_first_ = 0;  // the first line the host's help or welcome box shows
    bool welcome_open_ = false;
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
