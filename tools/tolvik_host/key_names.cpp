// Host key names for messages and the key scripts, and the host codes of
// character keys.
#include <cctype>
#include <cstdio>

#include "key_decoder.h"

namespace tolvik::tools {
namespace {

struct named_key {
    const char* name;
    int32_t code;
};

constexpr named_key named_keys[] = {
    {"Enter", keys::enter},
    {"Esc", keys::esc},
    {"Tab", keys::tab},
    {"Space", keys::space},
    {"BSpace", keys::backspace},
    {"Up", keys::up},
    {"Down", keys::down},
    {"Left", keys::left},
    {"Right", keys::right},
    {"Home", keys::home},
    {"End", keys::end},
    {"PgUp", keys::pg_up},
    {"PgDn", keys::pg_dn},
    {"Ins", keys::ins},
    {"Del", keys::del},
    {"F1", keys::f(1)},
    {"F2", keys::f(2)},
    {"F3", keys::f(3)},
    {"F4", keys::f(4)},
    {"F5", keys::f(5)},
    {"F6", keys::f(6)},
    {"F7", keys::f(7)},
    {"F8", keys::f(8)},
    {"F9", keys::f(9)},
    {"F10", keys::f(10)},
    {"F11", keys::f(11)},
    {"F12", keys::f(12)},
    {"WheelUp", keys::wheel_up},
    {"WheelDown", keys::wheel_down},
};

}  // namespace

int32_t character_key(int32_t c, int32_t mods) {
    if (c == '`') c = '~';
    if (c >= 'a' && c <= 'z' && (mods & (keys::ctrl | keys::alt | keys::shift))) {
        c = c - 'a' + 'A';
        if (!(mods & (keys::ctrl | keys::alt))) mods &= ~keys::shift;  // Shift+a is 'A'
    }
    return c | mods;
}

std::string key_name(int32_t code) {
    std::string out;
    if (code & keys::ctrl) out += "Ctrl+";
    if (code & keys::alt) out += "Alt+";
    if (code & keys::shift) out += "Shift+";
    int32_t base = code & ~keys::modifiers;
    for (const named_key& k : named_keys)
        if (k.code == base) return out + k.name;
    if (base > 0x20 && base < 0x7F) return out + static_cast<char>(base);
    char hex[16];
    (void)std::snprintf(hex, sizeof hex, "0x%X", static_cast<unsigned>(base));  // 8 digits at most: fits
    return out + hex;
}

std::vector<std::string> key_names() {
    std::vector<std::string> out;
    for (const named_key& k : named_keys) out.emplace_back(k.name);
    return out;
}

int32_t key_from_name(std::string_view name) {
    int32_t mods = 0;
    for (;;) {
        if (name.size() > 2 && (name.substr(0, 2) == "C-"))
            mods |= keys::ctrl, name.remove_prefix(2);
        else if (name.size() > 2 && name.substr(0, 2) == "S-")
            mods |= keys::shift, name.remove_prefix(2);
        else if (name.size() > 2 && name.substr(0, 2) == "A-")
            mods |= keys::alt, name.remove_prefix(2);
        else if (name.size() > 5 && name.substr(0, 5) == "Ctrl+")
            mods |= keys::ctrl, name.remove_prefix(5);
        else if (name.size() > 6 && name.substr(0, 6) == "Shift+")
            mods |= keys::shift, name.remove_prefix(6);
        else if (name.size() > 4 && name.substr(0, 4) == "Alt+")
            mods |= keys::alt, name.remove_prefix(4);
        else
            break;
    }
    for (const named_key& k : named_keys)
        if (name == k.name) return k.code | mods;
    if (name.size() == 1 && name[0] > 0x20 && name[0] < 0x7F) {
        if (mods == 0) return static_cast<unsigned char>(name[0]);
        return character_key(static_cast<unsigned char>(std::tolower(static_cast<unsigned char>(name[0]))),
                             mods);
    }
    return 0;
}

}  // namespace tolvik::tools
