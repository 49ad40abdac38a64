// tolvik_host: the host emulator on a real terminal, with the plugin loaded.
// See options.h for the command line and session.h for the keys.
#include <cstdio>
#include <exception>

#include "options.h"
#include "session.h"

int main(int argc, char** argv) {
    using namespace tolvik::tools;
    options opts;
    std::string error;
    if (!parse_options(argc, argv, TOLVIK_LANG_DIR, TOLVIK_PLUGIN_PATH, opts, error)) {
        // A message that cannot be written has no one else to go to.
        (void)std::fprintf(stderr, "tolvik_host: %s\n(tolvik_host --help lists the options and key words)\n",
                           error.c_str());
        return 2;
    }
    if (opts.usage) {
        (void)std::fputs(usage_text().c_str(), stdout);
        return 0;
    }
    try {
        session s(opts);
        return s.run();
    } catch (const std::exception& e) {
        (void)std::fprintf(stderr, "tolvik_host: %s\n", e.what());
        return 1;
    }
}
