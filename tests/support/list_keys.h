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

// The keys refused while the active panel cannot be switched, each with the
// title of the warning box it shows.
struct guarded_key {
    int32_t code;
    int32_t title;
};
constexpr guarded_key guarded[] = {
    {key::down, msg_refused_move},     {key::up, msg_refused_move},
    {key::home, msg_refused_move},     {key::end, msg_refused_move},
    {key::pg_up, msg_refused_move},    {key::pg_dn, msg_refused_move},
    {key::wheel_up, msg_refused_move}, {key::wheel_down, msg_refused_move},
    {duplicate, msg_refused_clone},    {new_view, msg_refused_new},
    {key::del, msg_refused_delete},    {key::ctrl | key::del, msg_refused_delete},
    {ctrl_f4, msg_refused_delete}};

}  // namespace tolvik::test::keys
