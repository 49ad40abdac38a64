// The OEM code pages the host reads a language's files in (the plugin's
// language and help files and the host's own texts), and their conversion to
// UTF-8 for the terminal, the screen dumps, the messages and the tests'
// reports.
//
// The code page follows from the language file's ".Language=" name, the one
// rule for a language code and a language file alike; which page each
// language takes is written once, in language_code_pages.inc.
#pragma once

#include <string>
#include <string_view>

namespace tolvik::emu {

enum class code_page { cp850, cp852, cp866 };

// The code page of a language by its ".Language=" name ("Russian").
code_page code_page_of_language(std::string_view name);
// 850, 852 or 866.
int number_of(code_page page);
// The table as a phrase for the host's help: "Russian 866, Polish and Czech
// 852, else 850", languages named in the table's order.
std::string code_pages_of_languages();
// The table's language codes for the host's help: "en, de, ru", in the
// table's order.
std::string language_codes();

// The Unicode code point of one byte; control bytes are shown as '?'.
char32_t code_point(unsigned char byte, code_page page);
// One byte as UTF-8.
std::string to_utf8(unsigned char byte, code_page page);
// A text as UTF-8; line breaks stay line breaks, other control bytes
// become '?'.
std::string to_utf8(std::string_view text, code_page page);
// The characters of bytes 0x80..0xFF as UTF-8 texts, 128 of them, for
// winshim's code page; they live as long as the program.
const char* const* high_half_utf8(code_page page);

}  // namespace tolvik::emu
