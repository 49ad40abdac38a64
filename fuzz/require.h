// What the fuzz targets share besides the host: the one way a target reports
// a broken check (it prints what broke and aborts, which libFuzzer reports
// with the input that did it), and the English language file.
#pragma once

#include <string>

namespace tolvik::fuzz {

// Prints `what` and aborts.
[[noreturn]] void fail(const std::string& what);

// Fails with `what` when `ok` is false. A message that costs something to
// build is built only on failure: `if (!ok) fail(...)`.
inline void require(bool ok, const char* what) {
    if (!ok) fail(what);
}

// The contents of the plugin's English language file, read once.
const std::string& english_language_text();

}  // namespace tolvik::fuzz
