// The host's dialog engine: the extended dialog's modal loop, dialog messages,
// the default dialog procedure and the message box, plus the stdcall services
// that the startup record points at.
//
// The loop is re-entrant: a dialog opened from inside another dialog's
// notification runs its own loop on top of the stack and returns; the outer
// loop then goes on. Nothing here throws into the plugin's frames: anything
// the plugin does wrong is recorded as a host failure and answered with a
// neutral result.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "call_log.h"
#include "dialog_state.h"
#include "host/api.h"
#include "host/dialog_items.h"
#include "host/startup_info.h"
#include "input.h"
#include "screen.h"

namespace tolvik::emu {

// What the engine needs from the rest of the host. Unset members are skipped.
// The host builds one from its own members; draw_panels (panel_drawing.h)
// is the usual background.
struct dialog_environment {
    input_queue* input = nullptr;                               // the events every modal loop consumes
    emu::screen* display = nullptr;                             // drawn on every redraw when set
    call_log* calls = nullptr;                                  // every service call, decoded (below)
    std::function<void(const std::string& text)> failure;       // host failures
    std::function<void(bool held)> set_ctrl_held;               // Control key state
    std::function<void(emu::screen& display)> draw_background;  // panels, under the dialogs
    // Set when the input source itself has everything drawn (redraw())
    // before it hands out each event, as the interactive host does: the
    // engine then leaves out its own redraws after a change, which nothing
    // could see before that draw. recentre() still draws at once.
    bool source_redraws = false;
};

// Call log entries (see call_log.h for the shape of an entry):
//   dialog_ex:           args {module, left, top, width, height, help topic pointer, items pointer,
//                              item count, reserved, flags, procedure pointer, param};
//                        texts {help topic or "", title (text of the first double box)};
//                        result: the dialog's result. Calls made while it runs are one deeper.
//   send_dialog_message: args {handle, message, param1, param2}; result set; values by message:
//                          10, 43 {x, y} of the screen point
//                          12     {type, left, top, right, bottom, flags}, texts {item text}
//                          30     {selected, top} as filled;  31 {selected, top} as given
//                          53     {count}, texts {the lines}
//   default_dialog_proc: args {handle, notification, param1, param2}
//   message_box:         args {module, flags, help topic pointer, items pointer, item count,
//                              button count}; texts {help topic or "", then every text}
//   help:                texts {topic}, logged when F1 asks for a dialog's help topic.

class dialog_engine {
public:
    explicit dialog_engine(dialog_environment environment = {});
    ~dialog_engine();
    dialog_engine(const dialog_engine&) = delete;
    dialog_engine& operator=(const dialog_engine&) = delete;

    dialog_environment& environment() { return env_; }

    // The host services (the stdcall functions below forward here).
    int32_t run_dialog(int32_t module_number, int32_t left, int32_t top, int32_t width, int32_t height,
                       const char* help_topic, FarDialogItem* items, int32_t item_count, uint32_t reserved,
                       uint32_t flags, dialog_proc_fn proc, param_t param);
    param_t send_message(host_handle dialog, int32_t message, int32_t param1, param_t param2);
    param_t default_proc(host_handle dialog, int32_t message, int32_t param1, param_t param2);
    int32_t message_box(int32_t module_number, uint32_t flags, const char* help_topic,
                        const char* const* items, int32_t item_count, int32_t button_count);

    // Help file (help_file.h): F1 in a dialog shows its topic's text as a
    // message box under the topic's title when the topic is found. A box
    // taller than the screen scrolls (text_box.h).
    bool load_help(const std::string& path);
    void set_help_text(const std::string& text);
    // The text of a topic without its title line, or "" when absent.
    std::string help_topic_text(const std::string& topic) const;
    // The title of a topic, or the topic's name when it has none.
    std::string help_topic_title(const std::string& topic) const;

    // Open dialogs, outermost first.
    size_t open_count() const { return stack_.size(); }
    const open_dialog& open(size_t index) const { return *stack_[index]; }
    const open_dialog* innermost() const { return stack_.empty() ? nullptr : stack_.back().get(); }
    // The message box on screen (a help box included), or null.
    const message_box_run* showing_box() const { return showing_box_; }
    // The dialogs that have closed, in the order they closed.
    const std::vector<open_dialog>& history() const { return history_; }
    const std::vector<message_box_run>& message_boxes() const { return boxes_; }
    // Help topics asked for with F1, in order.
    const std::vector<std::string>& help_requests() const { return help_requests_; }
    // Screen redraws done, and those skipped because drawing was stopped.
    int32_t redraw_count() const { return redraws_; }
    int32_t skipped_redraws() const { return skipped_redraws_; }
    void clear_records();

    // Draws the background and every open dialog (and a message box being
    // shown) into the display, unless an open dialog stopped drawing.
    void redraw();
    // The screen changed size: each open dialog that was opened centred (left
    // or top -1) is centred again on the new size, then all is drawn again.
    void recentre();
    // Draws into any screen, ignoring the stop counter.
    void draw(emu::screen& display) const;

    // Deepest nesting allowed; a dialog beyond it fails and returns -1.
    static constexpr size_t max_depth = 16;

    // The engine the stdcall services use: the one constructed last that is
    // still alive (construction makes an engine active, destruction gives the
    // place back to the one active before). With none, the services answer
    // -1 (dialog_ex, message_box) or 0 and do nothing.
    static dialog_engine* active();

private:
    dialog_environment env_;
    std::vector<std::unique_ptr<open_dialog>> stack_;
    std::vector<open_dialog> history_;
    std::vector<message_box_run> boxes_;
    std::vector<std::string> help_requests_;
    std::string help_text_;
    const message_box_run* showing_box_ = nullptr;
    int32_t box_first_line_ = 0;  // the first line a box too tall for the screen shows
    dialog_engine* previous_active_ = nullptr;
    int32_t next_id_ = 1;
    int32_t redraws_ = 0;
    int32_t skipped_redraws_ = 0;
    mutable screen dialog_cells_;  // where draw_dialog() draws a dialog before it is placed

    size_t log(std::string_view service, std::vector<int32_t> args, std::vector<int32_t> values = {},
               std::vector<std::string> texts = {}) const;
    void log_result(size_t index, int32_t result) const;
    // Whether calls are logged (decoding them for the log is skipped otherwise).
    bool logging() const { return env_.calls && env_.calls->recording(); }
    void fail(const std::string& text) const;
    // What the screen shows changed: redrawn now, unless the source redraws.
    void changed();
    open_dialog* find(host_handle dialog);
    param_t notify(open_dialog& dialog, int32_t message, int32_t param1, param_t param2);
    void request_close(open_dialog& dialog, int32_t item);
    void key_default(open_dialog& dialog, int32_t code);
    void show_help(open_dialog& dialog);
    void run_loop(open_dialog& dialog);
    // One dialog message being logged and carried out (dialog_messages.cpp).
    struct message_call;
    void centre(open_dialog& dialog, bool horizontal, bool vertical);
    int32_t show_box(message_box_run box);
    void draw_dialog(emu::screen& display, const open_dialog& dialog) const;
    void draw_dialog_cells(emu::screen& display, const open_dialog& dialog) const;
    void draw_box(emu::screen& display, const message_box_run& box) const;
};

// The services, with the host's calling convention, as the startup record
// carries them. They forward to dialog_engine::active().
int32_t TOLVIK_API dialog_ex(int32_t module_number, int32_t left, int32_t top, int32_t width, int32_t height,
                             const char* help_topic, FarDialogItem* items, int32_t item_count,
                             uint32_t reserved, uint32_t flags, dialog_proc_fn proc, param_t param);
param_t TOLVIK_API send_dialog_message(host_handle dialog, int32_t message, int32_t param1, param_t param2);
param_t TOLVIK_API default_dialog_proc(host_handle dialog, int32_t message, int32_t param1, param_t param2);
int32_t TOLVIK_API message_box(int32_t module_number, uint32_t flags, const char* help_topic,
                               const char* const* items, int32_t item_count, int32_t button_count);

// Reads a fixed-size text field up to its first NUL or its size; "" for a
// null pointer.
std::string field_text(const char* field, size_t size);
// The most the host reads of a text it is given by pointer alone (a help
// topic, a message box's texts).
constexpr size_t max_text_length = 4096;

}  // namespace tolvik::emu
