#include "dialog/text.h"

#include <cstring>

#include "host/text_field.h"

namespace tolvik {
namespace {

// Appends up to `count` characters of `text` to out[at..size-1); returns the
// new end.
size_t append(char* out, size_t size, size_t at, const char* text, size_t count) noexcept {
    size_t room = size - 1 - at;
    if (count > room) count = room;
    std::memcpy(out + at, text, count);
    return at + count;
}

}  // namespace

size_t message_length(const char* text) noexcept { return text ? std::strlen(text) : 0; }

size_t copy_text(char* out, size_t size, const char* text) noexcept {
    size_t n = field_length(text, size - 1);
    std::memcpy(out, text ? text : "", n);
    out[n] = '\0';
    return n;
}

size_t substitute_string(char* out, size_t size, const char* format, const char* argument) noexcept {
    if (!format) format = "";
    if (!argument) argument = "";
    const char* placeholder = std::strstr(format, "%s");
    if (!placeholder) return copy_text(out, size, format);
    size_t at = append(out, size, 0, format, static_cast<size_t>(placeholder - format));
    at = append(out, size, at, argument, std::strlen(argument));
    const char* rest = placeholder + 2;
    at = append(out, size, at, rest, std::strlen(rest));
    out[at] = '\0';
    return at;
}

}  // namespace tolvik
