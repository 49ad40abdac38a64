// The terminal frames: which rows a frame sends again, and the glyph each
// byte becomes in every code page.
#include "render.h"

#include <gtest/gtest.h>

#include <string>

namespace tolvik::tools {
namespace {

TEST(host_render, only_changed_rows_are_sent_again) {
    emu::screen display(30, 4);
    display.text(0, 0, "first", emu::attr::normal);
    display.text(0, 2, "same text", emu::attr::normal);
    renderer r;
    EXPECT_NE(r.frame(display).find("first"), std::string::npos);
    EXPECT_EQ(r.frame(display), "") << "an unchanged screen sends nothing";
    display.text(0, 2, "same", emu::attr::selected);  // the same letters
    std::string delta = r.frame(display);
    EXPECT_NE(delta.find("\x1b[3;1H"), std::string::npos) << delta;
    EXPECT_NE(delta.find(colour_of(emu::attr::selected)), std::string::npos) << delta;
    EXPECT_EQ(delta.find("first"), std::string::npos) << "row 1 did not change but was sent: " << delta;
    EXPECT_EQ(r.frame(display), "");
    display.put(29, 3, display.char_at(29, 3), emu::attr::warning);
    delta = r.frame(display);
    EXPECT_NE(delta.find("\x1b[4;1H"), std::string::npos) << "the last cell of the last row: " << delta;
    EXPECT_NE(delta.find(colour_of(emu::attr::warning)), std::string::npos) << delta;
    display.resize(50, 4);
    EXPECT_NE(r.frame(display).find("\x1b[2J"), std::string::npos) << "a new size repaints from scratch";
}

TEST(host_render, every_byte_is_drawn_as_its_code_page_glyph) {
    emu::screen display(256, 1);
    for (int byte = 0; byte < 256; ++byte) display.put(byte, 0, static_cast<char>(byte), emu::attr::normal);
    auto whole_frame_in = [](code_page page) {
        std::string glyphs;
        for (int byte = 0; byte < 256; ++byte) glyphs += to_utf8(static_cast<unsigned char>(byte), page);
        return "\x1b[0m\x1b[2J\x1b[1;1H" + std::string(colour_of(emu::attr::normal)) + glyphs + "\x1b[0m";
    };
    renderer r;
    EXPECT_EQ(r.frame(display), whole_frame_in(code_page::cp850)) << "850 until another is set";
    for (code_page page : {code_page::cp866, code_page::cp852, code_page::cp850}) {
        r.set_code_page(page);
        EXPECT_EQ(r.frame(display), whole_frame_in(page)) << "code page " << number_of(page);
    }
}

TEST(host_code_pages, oem_bytes_become_utf8_and_control_bytes_question_marks) {
    // Letters each language needs, by their known code points.
    const struct {
        code_page page;
        std::string bytes;
        std::u32string letters;
    } pages[] = {
        {code_page::cp850, "\x84\xE1\xA4\x87", U"\u00E4\u00DF\u00F1\u00E7"},            // de, es, fr
        {code_page::cp852, "\x88\xA5\xD8\xFD\x85", U"\u0142\u0105\u011B\u0159\u016F"},  // pl, cs
        {code_page::cp866, "\x80\xAF\xE0\xF1", U"\u0410\u043F\u0440\u0451"},            // ru
    };
    for (const auto& p : pages) {
        ASSERT_EQ(p.bytes.size(), p.letters.size());
        for (size_t i = 0; i < p.bytes.size(); ++i)
            EXPECT_EQ(code_point(static_cast<unsigned char>(p.bytes[i]), p.page), p.letters[i])
                << "byte 0x" << std::hex << int(static_cast<unsigned char>(p.bytes[i])) << " of code page "
                << std::dec << number_of(p.page);
    }
    EXPECT_EQ(to_utf8(0x84, code_page::cp850), "\xC3\xA4");
    EXPECT_EQ(to_utf8(0x80, code_page::cp866), "\xD0\x90") << "two bytes of UTF-8";
    EXPECT_EQ(to_utf8(0xB0, code_page::cp852), "\xE2\x96\x91") << "a shade block: three bytes";
    EXPECT_EQ(to_utf8(std::string_view("Gr\x81n\n\x1b"), code_page::cp850), "Gr\xC3\xBCn\n?")
        << "an ESC in a file name must not reach the terminal; line breaks stay";
    EXPECT_EQ(to_utf8(0x7F, code_page::cp850), "?");
}

}  // namespace
}  // namespace tolvik::tools
