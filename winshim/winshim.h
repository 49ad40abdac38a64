// The Linux stand-in for the three Windows calls the plugin makes. Same names,
// C linkage, stdcall, the same results as Windows. The plugin links
// libwinshim.so dynamically; a host process may define the calls itself.
#pragma once

#include <cstdint>

#define WINSHIM_API __attribute__((stdcall))

extern "C" {

// Windows calls.
uint32_t WINSHIM_API GetFileAttributesA(const char* path);
int16_t WINSHIM_API GetAsyncKeyState(int32_t virtual_key);
int32_t WINSHIM_API DisableThreadLibraryCalls(void* module);

// winshim's own configuration and control calls (not Windows).
//
// Maps a drive letter to a folder: "X:\a\b" is then "<folder>/a/b". A null or
// empty folder unmaps the drive. C: is "/" until configured; WINSHIM_DRIVE_C
// (and WINSHIM_DRIVE_<letter>) in the environment set the initial mapping.
void winshim_map_drive(char letter, const char* folder);
// Writes the Linux path for a Windows path into `out` (size `size`), its
// bytes read in the code page set (below); returns false when the drive is
// unmapped, the path holds '?' under a code page, or the result does not fit.
bool winshim_native_path(const char* windows_path, char* out, uint32_t size);
// Makes GetFileAttributesA return what `answer` says instead of reading the
// disk (for a host that keeps its folders in memory); null reads the disk
// again.
void winshim_answer_file_attributes(uint32_t (*answer)(const char* path));
// The code page of the single-byte ("A") calls: the names the process sees
// are bytes of this page, while the Linux names are UTF-8. `high` holds the
// characters of bytes 0x80..0xFF as UTF-8 texts (128 of them, copied). Null
// (the default): names pass as the bytes they are. With a page set, a path
// holding '?' (a character the page lacks, or a wildcard) names nothing.
void winshim_set_code_page(const char* const* high);
// A Linux name (UTF-8) as the A calls show it: each character as its byte of
// the code page, '?' for one the page lacks and for a byte that starts no
// UTF-8 character. `out` needs at most the name's size; false when the
// result does not fit.
bool winshim_name_in_code_page(const char* native_name, char* out, uint32_t size);
// Sets the whole 16-bit state GetAsyncKeyState reports for a virtual key
// (0x8000 held, 0x0001 pressed since the last query), for hosts that need
// the states a real keyboard gives besides 0x8000 and 0.
void winshim_set_key_state(int32_t virtual_key, uint16_t state);
// How many times DisableThreadLibraryCalls has been called.
int32_t winshim_disable_thread_calls_count();
}
