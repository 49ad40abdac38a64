// The terminal frames: which rows a frame sends again, and the glyph each
// byte becomes in every code page.
#include <gtest/gtest.h>

#include <string>

#include "render.h"

namespace tolvik::tools {
namespace {

TEST(host_render, a_row_whose_colours_alone_change_is_sent_again) {
    emu::screen display(30, 4);
    display.text(0, 2, "same text", emu::attr::normal);
    renderer r;
    r.frame(display);
    display.text(0, 2, "same", emu::attr::selected);  // the same letters
    std::string delta = r.frame(display);
    EXPECT_NE(delta.find("\x1b[3;1H"), std::string::npos) << delta;
    EXPECT_NE(delta.find(colour_of(emu::attr::selected)), std::string::npos) << delta;
    EXPECT_EQ(delta.find("\x1b[1;1H"), std::string::npos) << "row 1 did not change: " << delta;
    EXPECT_EQ(r.frame(display), "");
    display.put(29, 3, display.char_at(29, 3), emu::attr::warning);
    EXPECT_NE(r.frame(display).find("\x1b[4;1H"), std::string::npos) << "the last cell of the last row";
}

TEST(host_render, every_byte_is_drawn_as_its_code_page_glyph) {
    emu::screen display(256, 1);
    for (int byte = 0; byte < 256; ++byte) display.put(byte, 0, static_cast<char>(byte), emu::attr::normal);
    renderer r;
    for (code_page page : {code_page::cp850, code_page::cp866, code_page::cp852, code_page::cp850}) {
        r.set_code_page(page);
        std::string glyphs;
        for (int x = 0; x < 256; ++x)
            glyphs += to_utf8(static_cast<unsigned char>(display.char_at(x, 0)), page);
        EXPECT_EQ(r.frame(display),
                  std::string("\x1b[0m\x1b[2J\x1b[1;1H") + colour_of(emu::attr::normal) + glyphs + "\x1b[0m")
            << "code page " << number_of(page);
    }
}

}  // namespace
}  // namespace tolvik::tools
