// Bounded text helpers for everything the dialog writes into host records.
// None of them uses a text as a printf format, and every output is cut to its
// buffer and terminated.
#pragma once

#include <cstddef>

namespace tolvik {

// Length of a NUL-terminated text from the host's language file; null is empty.
size_t message_length(const char* text) noexcept;

// Copies `text` (null = empty) into `out` of `size` bytes (size >= 1), cut to
// size - 1 characters, terminated. Returns the characters written.
size_t copy_text(char* out, size_t size, const char* text) noexcept;

// Writes `format` into `out` (size >= 1) with its first "%s" replaced by
// `argument` (null = empty); every other character, '%' included, stands as
// it is, and a format without "%s" is written unchanged. The result is cut to
// size - 1 characters and terminated. Returns the characters written.
size_t substitute_string(char* out, size_t size, const char* format, const char* argument) noexcept;

}  // namespace tolvik
