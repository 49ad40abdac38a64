#include "require.h"

#include <cstdio>
#include <cstdlib>

#include "emulator/text_file.h"

namespace tolvik::fuzz {

void fail(const std::string& what) {
    std::fprintf(stderr, "\n*** tolvik fuzz check failed:\n%s\n", what.c_str());
    std::fflush(stderr);
    std::abort();
}

const std::string& english_language_text() {
    static const std::string contents =
        emu::read_text_file(std::string(TOLVIK_LANG_DIR) + "/tolvik_en.lng").value_or(std::string());
    return contents;
}

}  // namespace tolvik::fuzz
