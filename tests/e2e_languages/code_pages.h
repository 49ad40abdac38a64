// The OEM code pages that language files are written in. The host reads
// one byte per character; bytes below 0x80 are ASCII in every page.
#pragma once

#include <cstdint>
#include <string>

#include "oem_code_pages.h"

namespace tolvik::test {

struct code_page {
    emu::code_page page;      // the host's table of the page
    const uint32_t* letters;  // 128 bits: bit (byte - 0x80) set for a letter

    char32_t character(unsigned char byte) const { return byte < 0x80 ? byte : emu::code_point(byte, page); }
    bool is_letter(unsigned char byte) const {
        if (byte < 0x80) return (byte | 0x20) >= 'a' && (byte | 0x20) <= 'z';
        unsigned bit = byte - 0x80u;
        return (letters[bit / 32] >> (bit % 32) & 1u) != 0;
    }
};

// The page of that number, or null when the tests do not know it.
const code_page* find_code_page(int number);

// `bytes` decoded in `page`, as UTF-8 (for failure messages).
inline std::string to_utf8(const code_page& page, const std::string& bytes) {
    return emu::to_utf8(bytes, page.page);
}

}  // namespace tolvik::test
