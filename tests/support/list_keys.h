// The view list's keys as the tests press them: the host's key codes
// (host/constants.h) under the names of what they do in the list.
#pragma once

#include <cstdint>

#include "host/constants.h"

namespace tolvik::test::keys {

constexpr int32_t ctrl_r = key::ctrl_r;
constexpr int32_t ctrl_u = key::ctrl_u;
constexpr int32_t new_view = key::ctrl | key::shift | key::f3;
constexpr int32_t duplicate = key::ctrl | key::f3;
constexpr int32_t ctrl_f4 = key::ctrl | key::f4;
constexpr int32_t renumber = key::ctrl | key::shift | key::f5;

}  // namespace tolvik::test::keys
