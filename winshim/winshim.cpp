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

// The A calls' code page: the characters of bytes 0x80..0xFF, when set.
struct code_page_table {
    bool set = false;
    char16_t high[128] = {};
};
code_page_table code_page;

void append_utf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// The character of UTF-8 that starts at `p`, which moves past it; a byte
// that starts no character is passed alone and gives U+FFFD.
char32_t next_utf8(const unsigned char*& p) {
    const unsigned char lead = *p++;
    if (lead < 0x80) return lead;
    int more = lead >= 0xC2 && lead <= 0xDF   ? 1
               : lead >= 0xE0 && lead <= 0xEF ? 2
               : lead >= 0xF0 && lead <= 0xF4 ? 3
                                              : -1;
    if (more < 0) return U'\uFFFD';
    char32_t c = lead & (0x3F >> more);
    for (int i = 0; i < more; ++i) {
        if ((p[i] & 0xC0) != 0x80) return U'\uFFFD';
        c = (c << 6) | (p[i] & 0x3F);
    }
    p += more;
    return c;
}

char byte_of(char32_t c) {
    if (c < 0x80) return static_cast<char>(c);
    for (int i = 0; i < 128; ++i)
        if (code_page.high[i] == c) return static_cast<char>(0x80 + i);
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
        if (code_page.set && c == '?') return false;
        if (code_page.set && byte >= 0x80)
            append_utf8(result, code_page.high[byte - 0x80]);
        else
            result += c;
    }
    if (result.size() > 1 && result.back() == '/') result.pop_back();
    if (result.size() + 1 > size) return false;
    std::memcpy(out, result.c_str(), result.size() + 1);
    return true;
}

void winshim_set_code_page(const char16_t* high) {
    code_page.set = high != nullptr;
    for (int i = 0; i < 128; ++i) code_page.high[i] = high ? high[i] : 0;
}

bool winshim_name_in_code_page(const char* native_name, char* out, uint32_t size) {
    if (!native_name || !out) return false;
    uint32_t used = 0;
    for (auto p = reinterpret_cast<const unsigned char*>(native_name); *p;) {
        if (used + 1 >= size) return false;
        out[used++] = code_page.set ? byte_of(next_utf8(p)) : static_cast<char>(*p++);
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
