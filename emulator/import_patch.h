// Redirecting a loaded Windows module's imports to the emulator's own
// functions, by rewriting its import address table. The module itself is not
// changed on disk; only this process's view of its imports. Windows only:
// Linux libraries take winshim's calls instead.
#pragma once

namespace tolvik::emu {

// In the import address table of `module` (a loaded module's base address),
// replaces every slot that imports `function` by name from any DLL with
// `replacement`. Returns how many slots were replaced.
int patch_imports(void* module, const char* function, void* replacement);

// Redirects GetAsyncKeyState and GetFileAttributesA of `module` to the
// emulator's versions (they ask host::current()). Returns the slots replaced
// for GetAsyncKeyState (0 when the module does not import it).
int redirect_key_and_file_imports(void* module);

}  // namespace tolvik::emu
