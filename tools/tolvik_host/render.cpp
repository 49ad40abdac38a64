#include "render.h"

namespace tolvik::tools {
namespace {

// Code page 850, bytes 0x80 to 0xFF, as Unicode code points.
constexpr char16_t oem_850_high[128] = {
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7, 0x00EA, 0x00EB, 0x00E8, 0x00EF, 0x00EE,
    0x00EC, 0x00C4, 0x00C5, 0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9, 0x00FF, 0x00D6,
    0x00DC, 0x00F8, 0x00A3, 0x00D8, 0x00D7, 0x0192, 0x00E1, 0x00ED, 0x00F3, 0x00FA, 0x00F1, 0x00D1, 0x00AA,
    0x00BA, 0x00BF, 0x00AE, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB, 0x2591, 0x2592, 0x2593, 0x2502,
    0x2524, 0x00C1, 0x00C2, 0x00C0, 0x00A9, 0x2563, 0x2551, 0x2557, 0x255D, 0x00A2, 0x00A5, 0x2510, 0x2514,
    0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x00E3, 0x00C3, 0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550,
    0x256C, 0x00A4, 0x00F0, 0x00D0, 0x00CA, 0x00CB, 0x00C8, 0x0131, 0x00CD, 0x00CE, 0x00CF, 0x2518, 0x250C,
    0x2588, 0x2584, 0x00A6, 0x00CC, 0x2580, 0x00D3, 0x00DF, 0x00D4, 0x00D2, 0x00F5, 0x00D5, 0x00B5, 0x00FE,
    0x00DE, 0x00DA, 0x00DB, 0x00D9, 0x00FD, 0x00DD, 0x00AF, 0x00B4, 0x00AD, 0x00B1, 0x2017, 0x00BE, 0x00B6,
    0x00A7, 0x00F7, 0x00B8, 0x00B0, 0x00A8, 0x00B7, 0x00B9, 0x00B3, 0x00B2, 0x25A0, 0x00A0,
};

void append_utf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

}  // namespace

std::string oem_to_utf8(unsigned char byte) {
    std::string out;
    if (byte < 0x20 || byte == 0x7F)
        out += '?';
    else if (byte < 0x80)
        out += static_cast<char>(byte);
    else
        append_utf8(out, oem_850_high[byte - 0x80]);
    return out;
}

const char* colour_of(emu::attr a) {
    using emu::attr;
    switch (a) {
        case attr::normal:
            return "\x1b[0;37;40m";
        case attr::panel:
            return "\x1b[0;96;44m";
        case attr::panel_title:
            return "\x1b[0;97;44m";
        case attr::cursor_line:
            return "\x1b[0;97;44m";
        case attr::active_cursor:
            return "\x1b[0;30;46m";
        case attr::selected:
            return "\x1b[0;93;44m";
        case attr::status:
            return "\x1b[0;30;46m";
        case attr::dialog:
            return "\x1b[0;30;47m";
        case attr::frame:
            return "\x1b[0;97;47m";
        case attr::list_cursor:
            return "\x1b[0;30;46m";
        case attr::disabled:
            return "\x1b[0;90;47m";
        case attr::warning:
            return "\x1b[0;97;41m";
        case attr::warning_frame:
            return "\x1b[0;93;41m";
        case attr::button:
            return "\x1b[0;30;47m";
        case attr::focused_button:
            return "\x1b[0;30;46m";
    }
    return "\x1b[0m";
}

std::string renderer::frame(const emu::screen& display) {
    std::string out;
    int width = display.width();
    int height = display.height();
    if (width != width_ || static_cast<int>(rows_.size()) != height) {
        rows_.assign(static_cast<size_t>(height), std::string());
        width_ = width;
        out += "\x1b[0m\x1b[2J";
    }
    for (int y = 0; y < height; ++y) {
        std::string cells;
        cells.reserve(static_cast<size_t>(width) * 2);
        for (int x = 0; x < width; ++x) {
            cells += display.char_at(x, y);
            cells += static_cast<char>(display.attr_at(x, y));
        }
        if (cells == rows_[static_cast<size_t>(y)]) continue;
        out += "\x1b[" + std::to_string(y + 1) + ";1H";
        char current = 0;
        for (int x = 0; x < width; ++x) {
            char a = cells[static_cast<size_t>(x) * 2 + 1];
            if (a != current) {
                out += colour_of(static_cast<emu::attr>(a));
                current = a;
            }
            out += oem_to_utf8(static_cast<unsigned char>(cells[static_cast<size_t>(x) * 2]));
        }
        rows_[static_cast<size_t>(y)] = std::move(cells);
    }
    if (!out.empty()) out += "\x1b[0m";
    return out;
}

}  // namespace tolvik::tools
