#include "require.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace tolvik::fuzz {

void fail(const std::string& what) {
    std::fprintf(stderr, "\n*** tolvik fuzz check failed:\n%s\n", what.c_str());
    std::fflush(stderr);
    std::abort();
}

const std::string& english_language_file() {
    static const std::string contents = [] {
        std::ifstream in(std::string(TOLVIK_LANG_DIR) + "/tolvik_en.lng", std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }();
    return contents;
}

}  // namespace tolvik::fuzz
