// Key codes the host acts on itself and the plugin never tests: the panels'
// cursor and selection keys, Tab between the panels, F1 for a dialog's help.
// They extend the protocol's key codes (host/constants.h), in the same
// namespace, so that the host, the interactive host and the tests that send
// keys the plugin must ignore name them alike. Their values are pinned with
// the protocol's in tests/plugin/host_values_test.cpp.
#pragma once

#include <cstdint>

namespace tolvik::key {
constexpr int32_t tab = 0x09;
constexpr int32_t space = 0x20;
constexpr int32_t left = 0x125;
constexpr int32_t right = 0x127;
constexpr int32_t ins = 0x12D;
constexpr int32_t f1 = 0x170;
}  // namespace tolvik::key
