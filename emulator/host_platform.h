// What the host does differently on Linux and on Windows: loading the plugin
// library, and answering the plugin's Windows calls (GetAsyncKeyState,
// GetFileAttributesA). host_linux.cpp answers them through winshim, which
// the plugin links; host_windows.cpp patches the loaded DLL's imports.
#pragma once

#include <cstdint>
#include <string>

namespace tolvik::emu {

class host;

namespace platform {

// Loads a library and makes its Windows calls ask the live host. Null, with
// `error` set, when it cannot be loaded; `redirected` tells whether the
// library's key-state calls now reach the host.
void* load_library(const std::string& path, std::string& error, bool& redirected);
void free_library(void* library);
// The address of an exported symbol, or null.
void* find_symbol(void* library, const char* name);

// The plugin's GetFileAttributesA answers with `answer`, or reads the disk
// again for null.
void answer_file_attributes(host& h, uint32_t (*answer)(const char* path));
// The plugin's GetAsyncKeyState reports `state` for `virtual_key`.
void set_key_state(int32_t virtual_key, uint16_t state);
// The plugin's file calls and the disk the panels list see the machine's
// names in the code page whose bytes 0x80..0xFF are the UTF-8 texts `high`
// (null: as the bytes they are). Windows' own single-byte calls convert by
// themselves.
void see_names_in(const char* const* high);
// Redirects the program's own imports of the Windows calls to the host (for
// programs that link the plugin). Returns the import slots patched.
int redirect_own_imports();

}  // namespace platform
}  // namespace tolvik::emu
