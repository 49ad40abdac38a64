#include "require.h"

#include <cstdio>
#include <cstdlib>

namespace tolvik::fuzz {

void require(bool ok, const std::string& what) {
    if (ok) return;
    std::fprintf(stderr, "\n*** tolvik fuzz check failed:\n%s\n", what.c_str());
    std::fflush(stderr);
    std::abort();
}

}  // namespace tolvik::fuzz
