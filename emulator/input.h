// The host's input: a queue of events that the modal loops (dialogs, message
// boxes) consume in order. Tests fill it before running the plugin; the
// interactive host installs a source that blocks on the terminal instead.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <initializer_list>
#include <string>

namespace tolvik::emu {

enum class input_kind {
    key,        // a key press; `code` is the host key code (modifier bits included)
    ctrl_down,  // the Control key goes down (what GetAsyncKeyState reports)
    ctrl_up,    // the Control key goes up
    idle,       // the host has nothing to do: an idle notification
    cancel,     // the host ends the dialog on its own (close with item -1)
    // The host ends the dialog on its own with item `code` (a list box that
    // closes its dialog on a double click, say): the close notification
    // carries that item, and the dialog may refuse as for any close.
    close,
    shutdown,  // the host tears the dialog down without a close notification
    // The next dialog call returns -1 at once, without running (no
    // notification at all): taken by a dialog or message box that opens
    // while this event is the first in the queue; a loop that meets it
    // instead does nothing with it.
    refuse_dialog,
    // Any other dialog notification the host sends (a real host sends many,
    // for drawing and focus): `code` is the notification, both parameters 0.
    notification,
};

struct input_event {
    input_kind kind = input_kind::idle;
    int32_t code = 0;  // the key, the notification, or the item of a close
};

// "key 0x128", "ctrl down", "idle", ...
std::string describe(const input_event& event);

class input_queue {
public:
    // Called when the queue is empty: fills `event` and returns true, or
    // returns false when there is no more input (the loops then give up).
    using source_fn = std::function<bool(input_event& event)>;

    void push(const input_event& event);
    void key(int32_t code);
    // Several keys in order.
    void keys(std::initializer_list<int32_t> codes);
    void ctrl_down();
    void ctrl_up();
    void idle(int count = 1);
    void cancel();

    // Takes the next event: the queue first, then the source. False when both
    // are exhausted.
    bool next(input_event& event);
    // Takes the first queued event when it is of `kind` (the source is not
    // asked); false, nothing taken, otherwise.
    bool take_if(input_kind kind);

    void set_source(source_fn source);

    bool empty() const { return events_.empty(); }
    size_t size() const { return events_.size(); }
    void clear() { events_.clear(); }

private:
    std::deque<input_event> events_;
    source_fn source_;
};

}  // namespace tolvik::emu
