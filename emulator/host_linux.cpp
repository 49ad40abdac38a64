// Linux: the plugin takes its Windows calls from libwinshim.so, which the
// host sets up through winshim's own control calls.
#include <dlfcn.h>

#include "host_platform.h"
#include "winshim.h"

namespace tolvik::emu::platform {

void* load_library(const std::string& path, std::string& error, bool& redirected) {
    void* library = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!library) {
        const char* why = dlerror();
        error = "cannot load " + path + ": " + (why ? why : "unknown error");
    }
    redirected = library != nullptr;
    return library;
}

void free_library(void* library) { dlclose(library); }

void* find_symbol(void* library, const char* name) { return dlsym(library, name); }

void answer_file_attributes(host&, uint32_t (*answer)(const char* path)) {
    winshim_answer_file_attributes(answer);
}

void set_key_state(int32_t virtual_key, uint16_t state) { winshim_set_key_state(virtual_key, state); }

void see_names_in(const char* const* high) { winshim_set_code_page(high); }

int redirect_own_imports() { return 0; }

}  // namespace tolvik::emu::platform
