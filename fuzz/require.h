// The one way a fuzz target reports a broken check: it prints what broke and
// aborts, which libFuzzer reports with the input that did it.
#pragma once

#include <string>

namespace tolvik::fuzz {

// Prints `what` and aborts when `ok` is false.
void require(bool ok, const std::string& what);

}  // namespace tolvik::fuzz
