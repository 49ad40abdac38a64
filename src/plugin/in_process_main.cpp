// Load and unload for the static library that unit tests link: the module
// objects live as long as the test program.
#include "plugin/module.h"

namespace {

struct in_process_module {
    in_process_module() noexcept { tolvik::module_load(); }
    ~in_process_module() { tolvik::module_unload(); }
} the_module;

}  // namespace
