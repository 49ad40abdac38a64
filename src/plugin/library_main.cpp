// Library load and unload of the shared library the host loads.
#include "base/windows_calls.h"
#include "plugin/module.h"

#if defined(_WIN32)

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        DisableThreadLibraryCalls(instance);
        tolvik::module_load();
    } else if (reason == DLL_PROCESS_DETACH) {
        tolvik::module_unload();
    }
    return TRUE;
}

#else

__attribute__((constructor)) static void library_load() {
    DisableThreadLibraryCalls(nullptr);
    tolvik::module_load();
}

__attribute__((destructor)) static void library_unload() { tolvik::module_unload(); }

#endif
