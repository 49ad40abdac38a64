// Turns the bytes a terminal sends into the host's input: key codes (the key
// in the low bits plus the Ctrl, Alt and Shift bits), and Ctrl going down or
// up where the terminal reports key releases.
//
// Two encodings are understood at once: the legacy one (control characters,
// "ESC [ ... ~", "ESC O P") and the progressive keyboard protocol that a
// terminal enables on "CSI > 15 u" (every key as "CSI code:shifted ;
// mods:event u", modifier keys included, with press, repeat and release
// events).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tolvik::tools {

namespace keys {
constexpr int32_t ctrl = 0x01000000;
constexpr int32_t alt = 0x02000000;
constexpr int32_t shift = 0x04000000;
constexpr int32_t modifiers = ctrl | alt | shift;

constexpr int32_t backspace = 0x08;
constexpr int32_t tab = 0x09;
constexpr int32_t enter = 0x0D;
constexpr int32_t esc = 0x1B;
constexpr int32_t space = 0x20;
constexpr int32_t pg_up = 0x121;
constexpr int32_t pg_dn = 0x122;
constexpr int32_t end = 0x123;
constexpr int32_t home = 0x124;
constexpr int32_t left = 0x125;
constexpr int32_t up = 0x126;
constexpr int32_t right = 0x127;
constexpr int32_t down = 0x128;
constexpr int32_t ins = 0x12D;
constexpr int32_t del = 0x12E;
constexpr int32_t f1 = 0x170;  // F1 to F12 follow in order
constexpr int32_t wheel_up = 0x203;
constexpr int32_t wheel_down = 0x204;

constexpr int32_t f(int n) { return f1 + n - 1; }
}  // namespace keys

struct terminal_event {
    enum class kind { key, ctrl_down, ctrl_up, protocol_reply };
    kind what = kind::key;
    int32_t code = 0;  // key: host key code; protocol_reply: the flags reported
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
