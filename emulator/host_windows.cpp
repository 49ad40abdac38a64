// Windows: the plugin DLL imports its Windows calls from Windows itself; the
// host patches the loaded DLL's import slots so that they ask the host.
#include <windows.h>

#include "host.h"
#include "host_platform.h"
#include "import_patch.h"

namespace tolvik::emu::platform {

void* load_library(const std::string& path, std::string& error, bool& redirected) {
    void* library = reinterpret_cast<void*>(LoadLibraryA(path.c_str()));
    if (!library) {
        error = "cannot load " + path + " (error " + std::to_string(GetLastError()) + ")";
        redirected = false;
        return nullptr;
    }
    redirected = redirect_key_and_file_imports(library) != 0;
    return library;
}

void free_library(void* library) { FreeLibrary(static_cast<HMODULE>(library)); }

void* find_symbol(void* library, const char* name) {
    return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(library), name));
}

void answer_file_attributes(host& h, uint32_t (*answer)(const char* path)) {
    if (answer)
        h.file_attributes = answer;
    else
        h.file_attributes = nullptr;
}

// The patched GetAsyncKeyState reads the host's own key states.
void set_key_state(int32_t, uint16_t) {}

void see_names_in(const char* const*) {}

int redirect_own_imports() {
    return redirect_key_and_file_imports(reinterpret_cast<void*>(GetModuleHandleA(nullptr)));
}

}  // namespace tolvik::emu::platform
