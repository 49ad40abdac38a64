#include "import_patch.h"

#include <windows.h>

#include <cstring>

#include "host.h"

namespace tolvik::emu {
namespace {

SHORT WINAPI emulated_get_async_key_state(int virtual_key) {
    host* h = host::current();
    return h ? static_cast<SHORT>(h->key_state(virtual_key)) : 0;
}

using get_file_attributes_fn = DWORD(WINAPI*)(LPCSTR);

// The real call, looked up by name: the emulator's own import slot may have
// been redirected here, so calling GetFileAttributesA directly could loop.
get_file_attributes_fn real_get_file_attributes() {
    static get_file_attributes_fn real = reinterpret_cast<get_file_attributes_fn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "GetFileAttributesA")));
    return real;
}

DWORD WINAPI emulated_get_file_attributes(LPCSTR path) {
    host* h = host::current();
    if (h && h->file_attributes) return h->file_attributes(path);
    get_file_attributes_fn real = real_get_file_attributes();
    return real ? real(path) : INVALID_FILE_ATTRIBUTES;
}

}  // namespace

int patch_imports(void* module, const char* function, void* replacement) {
    if (!module || !function) return 0;
    auto* base = static_cast<unsigned char*>(module);
    auto* dos = reinterpret_cast<IMAGE_DOS_HEADER*>(base);
    if (dos->e_magic != IMAGE_DOS_SIGNATURE) return 0;
    auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    if (nt->Signature != IMAGE_NT_SIGNATURE) return 0;
    const IMAGE_DATA_DIRECTORY& dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (dir.VirtualAddress == 0 || dir.Size == 0) return 0;

    int patched = 0;
    for (auto* desc = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + dir.VirtualAddress); desc->Name;
         ++desc) {
        const char* dll = reinterpret_cast<const char*>(base + desc->Name);
        HMODULE dll_module = GetModuleHandleA(dll);
        void* by_address =
            dll_module ? reinterpret_cast<void*>(GetProcAddress(dll_module, function)) : nullptr;
        auto* iat = reinterpret_cast<IMAGE_THUNK_DATA*>(base + desc->FirstThunk);
        auto* names = desc->OriginalFirstThunk
                          ? reinterpret_cast<IMAGE_THUNK_DATA*>(base + desc->OriginalFirstThunk)
                          : nullptr;
        for (size_t i = 0; iat[i].u1.Function; ++i) {
            bool match = false;
            if (names && !IMAGE_SNAP_BY_ORDINAL(names[i].u1.Ordinal)) {
                auto* by_name = reinterpret_cast<IMAGE_IMPORT_BY_NAME*>(base + names[i].u1.AddressOfData);
                match = std::strcmp(reinterpret_cast<const char*>(by_name->Name), function) == 0;
            } else if (by_address) {
                match = reinterpret_cast<void*>(iat[i].u1.Function) == by_address;
            }
            if (!match) continue;
            DWORD old = 0;
            if (!VirtualProtect(&iat[i].u1.Function, sizeof(void*), PAGE_READWRITE, &old)) continue;
            iat[i].u1.Function = reinterpret_cast<ULONG_PTR>(replacement);
            VirtualProtect(&iat[i].u1.Function, sizeof(void*), old, &old);
            ++patched;
        }
    }
    return patched;
}

int redirect_key_and_file_imports(void* module) {
    patch_imports(module, "GetFileAttributesA", reinterpret_cast<void*>(&emulated_get_file_attributes));
    return patch_imports(module, "GetAsyncKeyState", reinterpret_cast<void*>(&emulated_get_async_key_state));
}

}  // namespace tolvik::emu
