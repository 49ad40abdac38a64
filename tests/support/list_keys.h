// The view list's key table as the tests read it, each row once and by what
// the list does: the tests, the walk, its model and the fuzz target take the
// keys they press from here. The plugin's own table is dialog/dialog_keys.cpp;
// a key added there is added here, and nowhere else.
#pragma once

#include <cstdint>
#include <vector>

#include "host/constants.h"

namespace tolvik::test::keys {

constexpr int32_t new_view = key::ctrl | key::shift | key::f3;
constexpr int32_t duplicate = key::ctrl | key::f3;
constexpr int32_t ctrl_f4 = key::ctrl | key::f4;
constexpr int32_t renumber = key::ctrl | key::shift | key::f5;

// clang-format off
enum class does { commit, revert, down, up, home, end, page_up, page_down,
                  create, clone, remove, renumber, refresh, swallow };
// clang-format on

// A code a row answers to: a `plain` one is compared with the key stripped of
// Ctrl in Ctrl mode, an `exact` one with the key as it came. Unused: {0, false}.
struct code {
    int32_t value;
    bool plain;
};
constexpr code plain(int32_t value) { return {value, true}; }
constexpr code exact(int32_t value) { return {value, false}; }

constexpr int never_refused = -1;

// A row: what the list does, its codes, the warning box's title that refuses
// it on a panel that cannot be switched, and whether it acts in Ctrl mode only.
struct list_key {
    does action;
    code codes[3];
    int refused_title = never_refused;
    bool ctrl_mode_only = false;
};

constexpr list_key table[] = {
    {does::commit, {plain(key::enter)}},
    {does::revert, {plain(key::esc), plain(key::f10)}},
    {does::down, {plain(key::down), plain(key::wheel_down), exact(key::ctrl_tilde)}, msg_refused_move},
    {does::up, {plain(key::up), plain(key::wheel_up), exact(key::ctrl_shift_tilde)}, msg_refused_move},
    {does::home, {plain(key::home), exact(key::ctrl | key::home)}, msg_refused_move},
    {does::end, {plain(key::end), exact(key::ctrl | key::end)}, msg_refused_move},
    {does::page_up, {plain(key::pg_up), exact(key::ctrl | key::pg_up)}, msg_refused_move},
    {does::page_down, {plain(key::pg_dn), exact(key::ctrl | key::pg_dn)}, msg_refused_move},
    {does::create, {exact(new_view)}, msg_refused_new},
    {does::clone, {exact(duplicate)}, msg_refused_clone},
    {does::remove, {exact(ctrl_f4), plain(key::del), exact(key::ctrl | key::del)}, msg_refused_delete},
    {does::renumber, {exact(renumber)}},
    {does::refresh, {exact(key::ctrl_r)}},
    {does::swallow, {exact(key::ctrl_u)}},
    {does::revert, {exact(key::ctrl_mode_cancel)}, never_refused, true},
};

// The row that acts on key `k`, the first that matches as the plugin's does;
// null when the key goes to the host's default dialog procedure.
inline const list_key* row_of(int32_t k, bool ctrl_mode) {
    const int32_t plain_k = ctrl_mode ? (k & ~key::ctrl) : k;
    for (const list_key& row : table) {
        if (row.ctrl_mode_only && !ctrl_mode) continue;
        for (const code& c : row.codes)
            if (c.value != 0 && c.value == (c.plain ? plain_k : k)) return &row;
    }
    return nullptr;
}

// Rows refused while the active panel cannot be switched.
inline bool guarded(const list_key& row) { return row.refused_title != never_refused; }

// Every code of the rows that `wanted` picks, as pressed in Ctrl mode (with
// Ctrl added to the plain ones) when `ctrl_mode`.
template <typename pick>
std::vector<int32_t> codes_of(pick wanted, bool ctrl_mode = false) {
    std::vector<int32_t> codes;
    for (const list_key& row : table)
        if (wanted(row) && (ctrl_mode || !row.ctrl_mode_only))
            for (const code& c : row.codes)
                if (c.value != 0) codes.push_back(ctrl_mode && c.plain ? c.value | key::ctrl : c.value);
    return codes;
}

}  // namespace tolvik::test::keys
