#include "key_decoder.h"

#include <charconv>

namespace tolvik::tools {
namespace {

// The progressive protocol's numbers for the modifier keys themselves.
constexpr int32_t left_shift_key = 57441;
constexpr int32_t left_ctrl_key = 57442;
constexpr int32_t right_ctrl_key = 57448;
constexpr int32_t last_modifier_key = 57454;

// Modifier bits from a terminal's modifier parameter (1 + shift 1, alt 2, ctrl 4).
int32_t modifier_bits(int parameter) {
    if (parameter < 2) return 0;
    int bits = parameter - 1;
    int32_t out = 0;
    if (bits & 1) out |= keys::shift;
    if (bits & 2) out |= keys::alt;
    if (bits & 4) out |= keys::ctrl;
    return out;
}

// A single byte outside any sequence.
int32_t legacy_byte(unsigned char b) {
    switch (b) {
        case 0x0D:
        case 0x0A:
            return keys::enter;
        case 0x09:
            return keys::tab;
        case 0x08:
        case 0x7F:
            return keys::backspace;
        case 0x00:
            return keys::ctrl | keys::space;
        default:
            break;
    }
    if (b >= 0x01 && b <= 0x1A) return keys::ctrl | ('A' + b - 1);
    if (b >= 0x20 && b < 0x7F) return b;
    return 0;  // other control bytes and UTF-8: no host key
}

// Keys of "CSI number ~".
int32_t tilde_key(int number) {
    switch (number) {
        case 1:
        case 7:
            return keys::home;
        case 2:
            return keys::ins;
        case 3:
            return keys::del;
        case 4:
        case 8:
            return keys::end;
        case 5:
            return keys::pg_up;
        case 6:
            return keys::pg_dn;
        case 11:
        case 12:
        case 13:
        case 14:
        case 15:
            return keys::f(number - 10);
        case 17:
        case 18:
        case 19:
        case 20:
        case 21:
            return keys::f(number - 11);
        case 23:
        case 24:
            return keys::f(number - 12);
        default:
            return 0;
    }
}

// Keys of "CSI 1 ; mods X" and "ESC O X".
int32_t letter_key(char final) {
    switch (final) {
        case 'A':
            return keys::up;
        case 'B':
            return keys::down;
        case 'C':
            return keys::right;
        case 'D':
            return keys::left;
        case 'H':
            return keys::home;
        case 'F':
            return keys::end;
        case 'P':
            return keys::f(1);
        case 'Q':
            return keys::f(2);
        case 'R':
            return keys::f(3);
        case 'S':
            return keys::f(4);
        default:
            return 0;
    }
}

// Keys the progressive protocol sends as "CSI code u".
int32_t protocol_key(int32_t code, int32_t mods) {
    switch (code) {
        case 13:
        case 57414:
            return keys::enter | mods;
        case 9:
            return keys::tab | mods;
        case 27:
            return keys::esc | mods;
        case 8:
        case 127:
            return keys::backspace | mods;
        case 57417:
            return keys::left | mods;
        case 57418:
            return keys::right | mods;
        case 57419:
            return keys::up | mods;
        case 57420:
            return keys::down | mods;
        case 57421:
            return keys::pg_up | mods;
        case 57422:
            return keys::pg_dn | mods;
        case 57423:
            return keys::home | mods;
        case 57424:
            return keys::end | mods;
        case 57425:
            return keys::ins | mods;
        case 57426:
            return keys::del | mods;
        default:
            break;
    }
    if (code >= 0x20 && code < 0x7F) return character_key(code, mods);
    return 0;
}

// "1;5:3" -> {{1}, {5, 3}}.
std::vector<std::vector<int>> split_parameters(std::string_view text) {
    std::vector<std::vector<int>> out(1, std::vector<int>(1, 0));
    for (char c : text) {
        if (c == ';') {
            out.emplace_back(1, 0);
        } else if (c == ':') {
            out.back().push_back(0);
        } else if (c >= '0' && c <= '9') {
            int& v = out.back().back();
            if (v < 1000000) v = v * 10 + (c - '0');
        }
    }
    return out;
}

int parameter(const std::vector<std::vector<int>>& p, size_t index, size_t sub, int fallback) {
    if (index >= p.size() || sub >= p[index].size() || p[index][sub] == 0) return fallback;
    return p[index][sub];
}

// Button bits of an SGR mouse report: 64 marks the wheel (+0 up, +1 down),
// 32 a move with a button held, 4, 8 and 16 are Shift, Alt and Ctrl; the low
// two bits are the button (0 the left one).
constexpr int mouse_wheel = 64;
constexpr int mouse_motion = 32;

void decode_mouse(std::string_view body, std::vector<terminal_event>& out) {
    auto p = split_parameters(body);
    int button = p[0][0];
    if (!(button & (mouse_wheel | mouse_motion)) && (button & 3) == 0) {
        int x = parameter(p, 1, 0, 1);
        int y = parameter(p, 2, 0, 1);
        out.push_back({terminal_event::kind::click, 0, x - 1, y - 1});
        return;
    }
    if (!(button & mouse_wheel) || (button & 3) > 1) return;
    int32_t mods = 0;
    if (button & 4) mods |= keys::shift;
    if (button & 8) mods |= keys::alt;
    if (button & 16) mods |= keys::ctrl;
    out.push_back(
        {terminal_event::kind::key, ((button & 3) == 0 ? keys::wheel_up : keys::wheel_down) | mods});
}

}  // namespace

void key_decoder::feed(std::string_view bytes, std::vector<terminal_event>& out) {
    buffer_.append(bytes);
    while (!buffer_.empty()) {
        size_t used = decode_one(out);
        if (used == 0) break;
        buffer_.erase(0, used);
    }
}

void key_decoder::flush(std::vector<terminal_event>& out) {
    // What waits is an ESC, or the start of a sequence that never finished:
    // its first byte is the Esc key and the rest is decoded afresh.
    while (!buffer_.empty()) {
        std::string rest = buffer_.substr(1);
        buffer_.clear();
        out.push_back({terminal_event::kind::key, keys::esc});
        feed(rest, out);
    }
}

size_t key_decoder::decode_one(std::vector<terminal_event>& out) {
    unsigned char first = static_cast<unsigned char>(buffer_[0]);
    if (first != 0x1B) {
        if (int32_t code = legacy_byte(first)) out.push_back({terminal_event::kind::key, code});
        return 1;
    }
    if (buffer_.size() < 2) return 0;
    char second = buffer_[1];
    if (second == '[') return decode_csi(out);
    if (second == 'O') {
        if (buffer_.size() < 3) return 0;
        if (int32_t code = letter_key(buffer_[2])) out.push_back({terminal_event::kind::key, code});
        return 3;
    }
    if (second == 0x1B) {
        out.push_back({terminal_event::kind::key, keys::esc});
        return 1;
    }
    // ESC before a byte: that key with Alt.
    if (int32_t code = legacy_byte(static_cast<unsigned char>(second)))
        out.push_back({terminal_event::kind::key, code | keys::alt});
    return 2;
}

size_t key_decoder::decode_csi(std::vector<terminal_event>& out) {
    constexpr size_t longest = 64;
    size_t end = 2;
    while (end < buffer_.size()) {
        unsigned char c = static_cast<unsigned char>(buffer_[end]);
        if (c >= 0x40 && c <= 0x7E) break;
        if (c < 0x20 || end >= longest) {
            // Not a sequence after all: ESC is the Esc key, the rest stays.
            out.push_back({terminal_event::kind::key, keys::esc});
            return 1;
        }
        ++end;
    }
    if (end >= buffer_.size()) return 0;
    char final = buffer_[end];
    std::string_view body(buffer_.data() + 2, end - 2);
    size_t used = end + 1;
    char lead = body.empty() ? '\0' : body[0];
    if (lead == '?' && final == 'u') {
        // The flags the terminal reports; none (or no number) reads as 0.
        std::string_view digits = body.substr(1);
        int flags = 0;
        std::from_chars(digits.data(), digits.data() + digits.size(), flags);
        out.push_back({terminal_event::kind::protocol_reply, flags});
        return used;
    }
    if (lead == '?' && final == 'c') {
        out.push_back({terminal_event::kind::protocol_reply, -1});
        return used;
    }
    if (lead == '<' && (final == 'M' || final == 'm')) {
        if (final == 'M') decode_mouse(body.substr(1), out);
        return used;
    }
    if (lead == '<' || lead == '>' || lead == '=' || lead == '?') return used;

    auto p = split_parameters(body);
    int32_t mods = modifier_bits(parameter(p, 1, 0, 1));
    int event = parameter(p, 1, 1, 1);  // 1 press, 2 repeat, 3 release
    int32_t code = 0;
    if (final == 'u') {
        int32_t key = parameter(p, 0, 0, 0);
        if (key == left_ctrl_key || key == right_ctrl_key) {
            if (event == 1) out.push_back({terminal_event::kind::ctrl_down, 0});
            if (event == 3) out.push_back({terminal_event::kind::ctrl_up, 0});
            return used;
        }
        if (key >= left_shift_key && key <= last_modifier_key) return used;
        // With Shift, the shifted key the terminal reports as an alternate
        // ("61:43;2u" is '+') is the character typed.
        int shifted = parameter(p, 0, 1, 0);
        if ((mods & keys::shift) && shifted >= 0x20 && shifted < 0x7F) {
            key = shifted;
            if (!(mods & (keys::ctrl | keys::alt))) mods &= ~keys::shift;
        }
        code = protocol_key(key, mods);
    } else if (final == '~') {
        int32_t base = tilde_key(parameter(p, 0, 0, 0));
        code = base ? base | mods : 0;
    } else if (final == 'Z') {
        code = keys::tab | keys::shift;
    } else {
        int32_t base = letter_key(final);
        code = base ? base | mods : 0;
    }
    if (code != 0 && event != 3) out.push_back({terminal_event::kind::key, code});
    return used;
}

}  // namespace tolvik::tools
