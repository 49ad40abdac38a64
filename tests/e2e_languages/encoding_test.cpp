// Every file of every language is written in the OEM code page the host
// reads it in, one byte per character, and its header comment says which:
// no UTF-8, no byte that the page shows as something other than a letter
// (a file saved in another page shows box-drawing pieces there), and no '?'
// left inside a word by a conversion that had no such character.
#include <gtest/gtest.h>

#include <algorithm>

#include "e2e_languages/code_pages.h"
#include "e2e_languages/language_set.h"
#include "emulator/language.h"
#include "emulator/oem_code_pages.h"

namespace tolvik::test {
namespace {

// Characters of the pages that are no letters yet belong in a text.
bool typographic(char32_t c) { return c == U'\u00AB' || c == U'\u00BB' || c == U'\u00BF' || c == U'\u00A1'; }

// Line number (from 1) of byte `at`.
int line_of(const std::string& bytes, size_t at) {
    return 1 + static_cast<int>(std::count(bytes.begin(), bytes.begin() + static_cast<long>(at), '\n'));
}

// Checks one file; `page` is the language's page (0: none declared yet).
void check_file(const std::filesystem::path& path, int& language_page) {
    SCOPED_TRACE(path.filename().string());
    ASSERT_TRUE(std::filesystem::exists(path)) << "missing";
    std::string bytes = read_bytes(path);
    int declared = declared_code_page(bytes);
    ASSERT_NE(declared, -1) << "the comments name two code pages";
    bool ascii =
        std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (declared == 0) {
        EXPECT_TRUE(ascii) << "holds non-ASCII bytes but no comment names its code page";
        return;
    }
    const code_page* page = find_code_page(declared);
    ASSERT_NE(page, nullptr) << "code page " << declared << " is none the host reads language files in";
    if (language_page == 0) language_page = declared;
    EXPECT_EQ(declared, language_page) << "the files of one language declare different code pages";

    for (size_t at = 0; at < bytes.size(); ++at) {
        unsigned char byte = static_cast<unsigned char>(bytes[at]);
        if (byte == '?' && at + 1 < bytes.size()) {
            EXPECT_FALSE(page->is_letter(static_cast<unsigned char>(bytes[at + 1])))
                << "line " << line_of(bytes, at) << ": '?' before a letter, as a failed conversion leaves it";
        }
        if (byte < 0x80) {
            EXPECT_TRUE(byte == '\n' || byte >= 0x20)
                << "line " << line_of(bytes, at) << ": control byte " << int(byte);
            continue;
        }
        if (at + 1 < bytes.size() && byte >= 0xC2 && byte <= 0xF4 &&
            (static_cast<unsigned char>(bytes[at + 1]) & 0xC0) == 0x80 && !page->is_letter(byte)) {
            ADD_FAILURE() << "line " << line_of(bytes, at) << " holds UTF-8; the host reads code page "
                          << declared;
            continue;
        }
        char32_t c = page->character(byte);
        EXPECT_TRUE(page->is_letter(byte) || typographic(c))
            << "line " << line_of(bytes, at) << ": byte 0x" << std::hex << int(byte) << std::dec
            << " is no letter in code page " << declared << " (shown as \""
            << to_utf8(*page, std::string(1, static_cast<char>(byte)))
            << "\"): written in another code page?";
    }
}

class encoding : public ::testing::TestWithParam<language_files> {};

TEST_P(encoding, every_file_is_in_the_code_page_it_declares) {
    const language_files& files = GetParam();
    int page = 0;
    check_file(files.messages, page);
    check_file(files.help, page);
    check_file(files.host_texts, page);
    emu::language language;
    std::string error;
    ASSERT_TRUE(language.load(files.messages.string(), &error)) << error;
    int read_in = emu::number_of(emu::code_page_of_language(language.name()));
    if (page != 0) {
        EXPECT_EQ(page, read_in) << "the host reads " << language.name() << " in code page " << read_in;
    }
}

INSTANTIATE_TEST_SUITE_P(shipped, encoding, ::testing::ValuesIn(shipped_languages()), language_name{});

}  // namespace
}  // namespace tolvik::test
