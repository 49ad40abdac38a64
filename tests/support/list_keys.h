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

constexpr int never_refused = -1;

// A row: what the list does; the codes it answers to, `plain` ones compared
// with the key stripped of Ctrl in Ctrl mode, `exact` ones with the key as it
// came (unused ones 0); the warning box's title that refuses it on a panel
// that cannot be switched; and whether it acts in Ctrl mode only.
struct list_key {
    does action;
    int32_t plain[2];
    int32_t exact[2];
    int refused_title = never_refused;
    bool ctrl_mode_only = false;
};

constexpr list_key table[] = {
    {does::commit, {key::enter}, {}},
    {does::revert, {key::esc, key::f10}, {}},
    {does::down, {key::down, key::wheel_down}, {key::ctrl_tilde}, msg_refused_move},
    {does::up, {key::up, key::wheel_up}, {key::ctrl_shift_tilde}, msg_refused_move},
    {does::home, {key::home}, {key::ctrl | key::home}, msg_refused_move},
    {does::end, {key::end}, {key::ctrl | key::end}, msg_refused_move},
    {does::page_up, {key::pg_up}, {key::ctrl | key::pg_up}, msg_refused_move},
    {does::page_down, {key::pg_dn}, {key::ctrl | key::pg_dn}, msg_refused_move},
    {does::create, {}, {new_view}, msg_refused_new},
    {does::clone, {}, {duplicate}, msg_refused_clone},
    {does::remove, {key::del}, {ctrl_f4, key::ctrl | key::del}, msg_refused_delete},
    {does::renumber, {}, {renumber}},
    {does::refresh, {}, {key::ctrl_r}},
    {does::swallow, {}, {key::ctrl_u}},
    {.action = does::revert, .exact = {key::ctrl_mode_cancel}, .ctrl_mode_only = true},
};

// The row that acts on key `k`, the first that matches as the plugin's does;
// null when the key goes to the host's default dialog procedure.
inline const list_key* row_of(int32_t k, bool ctrl_mode) {
    for (const list_key& row : table) {
        if (row.ctrl_mode_only && !ctrl_mode) continue;
        for (int32_t code : row.plain)
            if (code != 0 && code == (ctrl_mode ? (k & ~key::ctrl) : k)) return &row;
        for (int32_t code : row.exact)
            if (code != 0 && code == k) return &row;
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
    for (const list_key& row : table) {
        if (!wanted(row) || (row.ctrl_mode_only && !ctrl_mode)) continue;
        for (int32_t code : row.plain)
            if (code != 0) codes.push_back(ctrl_mode ? code | key::ctrl : code);
        for (int32_t code : row.exact)
            if (code != 0) codes.push_back(code);
    }
    return codes;
}

}  // namespace tolvik::test::keys
