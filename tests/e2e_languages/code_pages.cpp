// Which bytes of each OEM code page the host reads language files in are
// letters (the characters themselves are the host's tables). Generated from
// the code page definitions of Python's codecs.
#include "e2e_languages/code_pages.h"

namespace tolvik::test {
namespace {

constexpr uint32_t cp850_letters[4] = {0xAFFFFFFF, 0x00E000FF, 0x41FF00C0, 0x00003FFF};

constexpr uint32_t cp852_letters[4] = {0xBFFFFFFF, 0x61E03BFF, 0x61FF00C0, 0x38087FFF};

constexpr uint32_t cp866_letters[4] = {0xFFFFFFFF, 0x0000FFFF, 0x00000000, 0x00FFFFFF};

}  // namespace

const code_page* find_code_page(int number) {
    static const code_page pages[] = {
        {emu::code_page::cp850, cp850_letters},
        {emu::code_page::cp852, cp852_letters},
        {emu::code_page::cp866, cp866_letters},
    };
    for (const code_page& page : pages)
        if (emu::number_of(page.page) == number) return &page;
    return nullptr;
}

}  // namespace tolvik::test
