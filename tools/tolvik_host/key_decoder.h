// Turns the bytes a terminal sends into the host's input: key codes (the key
// in the low bits plus the Ctrl, Alt and Shift bits), and Ctrl going down or
// up where the terminal reports key releases.
//
// Two encodings are understood at once: the legacy one (control characters,
// "ESC [ ... ~", "ESC O P") and the progressive keyboard protocol that a
// terminal enables on "CSI > 15 u" (every key as "CSI code:shifted ;
// mods:event u", modifier keys included, with press, repeat and release
// events). Mouse reports in the SGR encoding ("CSI < button ; x ; y M")
// give the wheel keys and the left button's clicks (its press; releases,
// drags and other buttons are ignored).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "host/constants.h"
#include "host_keys.h"

namespace tolvik::tools {

namespace keys {
// The host's key codes, plus the few only the interactive host needs.
using namespace ::tolvik::key;
constexpr int32_t alt = 0x02000000;
constexpr int32_t modifiers = ctrl | alt | shift;
constexpr int32_t backspace = 0x08;

constexpr int32_t f(int n) { return f1 + n - 1; }
}  // namespace keys

struct terminal_event {
    enum class kind { key, ctrl_down, ctrl_up, protocol_reply, click };
    kind what = kind::key;
    int32_t code = 0;  // key: host key code; protocol_reply: the flags reported
    int32_t x = 0;     // click: the cell, from 0 at the top left
    int32_t y = 0;
};

// A character key with modifiers as the host codes it: a letter with Ctrl,
// Alt or Shift is upper case (Shift+a is plain 'A'), and '`' is the key
// that carries '~'.
int32_t character_key(int32_t c, int32_t mods);

// "Ctrl+Shift+F3", "Down", "a": for messages and the script mode.
std::string key_name(int32_t code);
// The inverse of key_name for the script mode ("C-S-F3", "Ctrl+R", "Down",
// "a", "Space"); 0 when the name is unknown.
int32_t key_from_name(std::string_view name);
// The named keys key_from_name knows besides single characters.
std::vector<std::string> key_names();

class key_decoder {
public:
    // Appends the events completed by `bytes`; an incomplete sequence waits
    // for the next call.
    void feed(std::string_view bytes, std::vector<terminal_event>& out);
    // The terminal went quiet: a lone ESC waiting for its sequence is the Esc
    // key after all.
    void flush(std::vector<terminal_event>& out);
    bool pending() const { return !buffer_.empty(); }

private:
    // Decodes one event at the front of buffer_; returns the bytes used, 0
    // when the sequence is not complete yet.
    size_t decode_one(std::vector<terminal_event>& out);
    size_t decode_csi(std::vector<terminal_event>& out);

    std::string buffer_;
};

}  // namespace tolvik::tools
