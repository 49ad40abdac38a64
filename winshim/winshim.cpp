#include "winshim.h"

#include <sys/stat.h>

#include <cctype>
#include <cstdlib>
#include <cstring>
#include <string>

#include "host/windows_values.h"

namespace {

using tolvik::file_attribute_archive;
using tolvik::file_attribute_directory;
using tolvik::file_attribute_normal;
using tolvik::invalid_file_attributes;

// Folder of each drive letter A..Z; empty means unmapped.
struct drive_table {
    std::string folders[26];
    drive_table() {
        folders['C' - 'A'] = "/";
        for (char letter = 'A'; letter <= 'Z'; ++letter) {
            std::string name = std::string("WINSHIM_DRIVE_") + letter;
            if (const char* value = std::getenv(name.c_str())) folders[letter - 'A'] = value;
        }
    }
};

drive_table& drives() {
    static drive_table table;
    return table;
}

// The A calls' code page: the characters of bytes 0x80..0xFF as UTF-8, all
// empty while none is set.
std::string code_page[128];
bool code_page_set = false;

// The length of the UTF-8 character at `p`: 1 for a byte that starts none.
size_t utf8_length(const unsigned char* p) {
    const size_t more = p[0] >= 0xC2 && p[0] <= 0xDF   ? 1
                        : p[0] >= 0xE0 && p[0] <= 0xEF ? 2
                        : p[0] >= 0xF0 && p[0] <= 0xF4 ? 3
                                                       : 0;
    for (size_t i = 1; i <= more; ++i)
        if ((p[i] & 0xC0) != 0x80) return 1;
    return more + 1;
}

// The byte of the code page for the character at `p` ('?' when the page
// lacks it); `p` moves past the character.
char byte_of(const unsigned char*& p) {
    if (*p < 0x80) return static_cast<char>(*p++);
    const size_t length = utf8_length(p);
    const std::string character(reinterpret_cast<const char*>(p), length);
    p += length;
    for (int i = 0; i < 128; ++i)
        if (code_page[i] == character) return static_cast<char>(0x80 + i);
    return '?';
}

uint16_t key_state[256];
uint32_t (*attributes_answer)(const char* path) = nullptr;
int32_t disable_calls = 0;

}  // namespace

extern "C" {

void winshim_map_drive(char letter, const char* folder) {
    int index = std::toupper(static_cast<unsigned char>(letter)) - 'A';
    if (index < 0 || index >= 26) return;
    drives().folders[index] = folder ? folder : "";
}

bool winshim_native_path(const char* windows_path, char* out, uint32_t size) {
    if (!windows_path || !out || size == 0) return false;
    int index = std::toupper(static_cast<unsigned char>(windows_path[0])) - 'A';
    if (index < 0 || index >= 26 || windows_path[1] != ':') return false;
    const std::string& folder = drives().folders[index];
    if (folder.empty()) return false;
    std::string result = folder;
    for (const char* p = windows_path + 2; *p; ++p) {
        char c = *p == '\\' ? '/' : *p;
        if (c == '/' && !result.empty() && result.back() == '/') continue;
        const unsigned char byte = static_cast<unsigned char>(c);
        if (code_page_set && c == '?') return false;
        if (code_page_set && byte >= 0x80)
            result += code_page[byte - 0x80];
        else
            result += c;
    }
    if (result.size() > 1 && result.back() == '/') result.pop_back();
    if (result.size() + 1 > size) return false;
    std::memcpy(out, result.c_str(), result.size() + 1);
    return true;
}

void winshim_set_code_page(const char* const* high) {
    code_page_set = high != nullptr;
    for (int i = 0; i < 128; ++i) code_page[i] = high && high[i] ? high[i] : "";
}

bool winshim_name_in_code_page(const char* native_name, char* out, uint32_t size) {
    if (!native_name || !out) return false;
    uint32_t used = 0;
    for (auto p = reinterpret_cast<const unsigned char*>(native_name); *p;) {
        if (used + 1 >= size) return false;
        out[used++] = code_page_set ? byte_of(p) : static_cast<char>(*p++);
    }
    if (used >= size) return false;
    out[used] = '\0';
    return true;
}

void winshim_set_key_state(int32_t virtual_key, uint16_t state) {
    if (virtual_key >= 0 && virtual_key < 256) key_state[virtual_key] = state;
}

void winshim_answer_file_attributes(uint32_t (*answer)(const char* path)) { attributes_answer = answer; }

int32_t winshim_disable_thread_calls_count() { return disable_calls; }

uint32_t WINSHIM_API GetFileAttributesA(const char* path) {
    if (attributes_answer) return path ? attributes_answer(path) : invalid_file_attributes;
    char native[4096];
    if (!winshim_native_path(path, native, sizeof native)) return invalid_file_attributes;
    struct stat st;
    if (stat(native, &st) != 0) return invalid_file_attributes;
    if (S_ISDIR(st.st_mode)) return file_attribute_directory;
    return S_ISREG(st.st_mode) ? file_attribute_archive : file_attribute_normal;
}

int16_t WINSHIM_API GetAsyncKeyState(int32_t virtual_key) {
    if (virtual_key < 0 || virtual_key >= 256) return 0;
    return static_cast<int16_t>(key_state[virtual_key]);
}

// Linux libraries get no thread notifications to switch off; the requests
// are counted so that tests can see the load asked.
int32_t WINSHIM_API DisableThreadLibraryCalls(void*) {
    ++disable_calls;
    return 1;
}
}
