#include "render.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace tolvik::tools {

const char* colour_of(emu::attr a) {
    using emu::attr;
    switch (a) {
        case attr::normal:
            return "\x1b[0;37;40m";
        case attr::panel:
            return "\x1b[0;96;44m";
        case attr::panel_title:
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
    if (glyphs_page_ != page_ || glyphs_.empty()) {
        glyphs_.clear();
        for (int byte = 0; byte < 256; ++byte) {
            std::string bytes = to_utf8(static_cast<unsigned char>(byte), page_);
            glyph g{};
            g.length = static_cast<uint8_t>(std::min<size_t>(bytes.size(), sizeof g.bytes));
            bytes.copy(g.bytes, g.length);
            glyphs_.push_back(g);
        }
        glyphs_page_ = page_;
    }
    // A changed row is written straight into room made for its worst case:
    // a colour and the longest glyph for every cell.
    constexpr size_t colour_length = 16;
    for (int y = 0; y < height; ++y) {
        std::string_view cells = display.row_cells(y);
        std::string& last = rows_[static_cast<size_t>(y)];
        if (cells == last) continue;
        last.assign(cells);
        size_t start = out.size();
        out.resize(start + 16 + static_cast<size_t>(width) * (colour_length + sizeof(glyph::bytes)));
        char* at = out.data() + start;
        at += std::snprintf(at, 16, "\x1b[%d;1H", y + 1);
        char current = 0;
        for (int x = 0; x < width; ++x) {
            char a = cells[static_cast<size_t>(x) * 2 + 1];
            if (a != current) {
                const char* colour = colour_of(static_cast<emu::attr>(a));
                size_t length = std::min(std::strlen(colour), colour_length);
                at = std::copy_n(colour, length, at);
                current = a;
            }
            const glyph& g = glyphs_[static_cast<unsigned char>(cells[static_cast<size_t>(x) * 2])];
            std::memcpy(at, g.bytes, sizeof g.bytes);
            at += g.length;
        }
        out.resize(static_cast<size_t>(at - out.data()));
    }
    if (!out.empty()) out += "\x1b[0m";
    return out;
}

}  // namespace tolvik::tools
