// Reading the host's fixed-size text fields (directory, file names) within
// their size: a field may lack its terminator.
#pragma once

#include <cstddef>
#include <cstring>

namespace tolvik {

// Length of the text in a field of `size` bytes (size when unterminated).
inline size_t field_length(const char* field, size_t size) noexcept {
    const void* end = std::memchr(field, 0, size);
    return end ? static_cast<size_t>(static_cast<const char*>(end) - field) : size;
}

// True when the field's text is byte for byte `text` (case-sensitive).
inline bool text_equals(const char* field, size_t size, const char* text) noexcept {
    const size_t length = std::strlen(text);
    return field_length(field, size) == length && std::memcmp(field, text, length) == 0;
}

}  // namespace tolvik
