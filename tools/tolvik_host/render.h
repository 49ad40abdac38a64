// The host's character-cell screen as a terminal frame: each cell's
// attribute becomes a colour pair, each byte a character of the language's
// OEM code page (oem_code_pages.h) written as UTF-8. Only the rows that changed
// since the last frame are sent.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "code_pages.h"
#include "screen.h"

namespace tolvik::tools {

// The SGR sequence ("\x1b[0;30;46m") that draws an attribute.
const char* colour_of(emu::attr a);

class renderer {
public:
    // The bytes that turn the last frame into `display`: cursor moves,
    // colours and text for every row that differs (every row after a
    // resize or invalidate()).
    std::string frame(const emu::screen& display);
    // The code page the screen's bytes are in; a change draws every row again.
    void set_code_page(code_page page) {
        page_ = page;
        invalidate();
    }
    // Forgets the last frame (the terminal was cleared or resized).
    void invalidate() { rows_.clear(); }

private:
    std::vector<std::string> rows_;  // last frame: per row, char and attribute pairs
    int width_ = 0;
    code_page page_ = code_page::cp850;
    // Each byte in page_ as UTF-8 (one code point, at most 4 bytes), made at
    // the first frame.
    struct glyph {
        char bytes[4];
        uint8_t length;
    };
    std::vector<glyph> glyphs_;
    code_page glyphs_page_ = code_page::cp850;
};

}  // namespace tolvik::tools
