// The interactive host names the emulator's code pages as its own.
#pragma once

#include "oem_code_pages.h"

namespace tolvik::tools {
using emu::code_page;
using emu::code_page_of_language;
using emu::code_pages_of_languages;
using emu::code_point;
using emu::language_codes;
using emu::number_of;
using emu::to_utf8;
}  // namespace tolvik::tools
