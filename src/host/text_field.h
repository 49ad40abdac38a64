// Reading the texts the host hands over within a bound: a fixed-size field
// (a directory, a file name, a dialog item's text) may lack its terminator,
// and a text given by pointer alone is read no further than its reader's limit.
#pragma once

#include <cstddef>
#include <cstring>

namespace tolvik {

// Length of the text in a field of `size` bytes (size when unterminated);
// a null field is empty.
inline size_t field_length(const char* field, size_t size) noexcept {
    if (!field) return 0;
    const void* end = std::memchr(field, 0, size);
    return end ? static_cast<size_t>(static_cast<const char*>(end) - field) : size;
}

// True when the field's text is byte for byte `text` (case-sensitive).
inline bool text_equals(const char* field, size_t size, const char* text) noexcept {
    const size_t length = std::strlen(text);
    return field_length(field, size) == length && std::memcmp(field, text, length) == 0;
}

}  // namespace tolvik
