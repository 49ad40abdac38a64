// The view list dialog's procedure: notifications and the key table.
#include "base/windows_calls.h"
#include "dialog/view_list_dialog_impl.h"
#include "host/constants.h"
#include "host/services.h"

namespace tolvik {
namespace {

// A key code a row answers to. A `plain` code is compared with the key
// stripped of the Ctrl modifier in Ctrl mode (where Ctrl is down throughout),
// any other code with the key exactly as it came.
struct key_code {
    int32_t code;
    bool plain;
};

constexpr key_code plain(int32_t code) { return {code, true}; }
constexpr key_code exact(int32_t code) { return {code, false}; }

constexpr int never_refused = -1;

// One row of the key table, in the order of its columns: the key codes it
// answers to (unused ones are {0, false}), whether it acts in Ctrl mode only,
// the title of the warning that refuses it while the current slot's view
// cannot be switched, what the list does, whether the dialog then closes,
// and the key notification's result.
// Its padding (a few bytes in each of a few constant rows) is the price of
// that order. NOLINTNEXTLINE(clang-analyzer-optin.performance.Padding)
struct key_row {
    key_code keys[3];
    bool ctrl_mode_only = false;
    int refused_title = never_refused;
    void (list_state::*action)() noexcept = nullptr;
    bool closes = false;
    param_t result = 1;

    bool matches(int32_t key, int32_t plain_key, bool ctrl_mode) const noexcept {
        if (ctrl_mode_only && !ctrl_mode) return false;
        for (const key_code& k : keys)
            if (k.code != 0 && k.code == (k.plain ? plain_key : key)) return true;
        return false;
    }
};

// The first row that matches acts; a key that no row matches goes to the
// host's default dialog procedure. The tests' twin: tests/support/list_keys.h.
constexpr key_row key_table[] = {
    {.keys = {plain(key::enter)}, .action = &list_state::commit, .closes = true},
    {.keys = {plain(key::esc), plain(key::f10)}, .action = &list_state::revert, .closes = true},
    {.keys = {plain(key::down), plain(key::wheel_down), exact(key::ctrl_tilde)},
     .refused_title = msg_refused_move,
     .action = &list_state::move_down},
    {.keys = {plain(key::up), plain(key::wheel_up), exact(key::ctrl_shift_tilde)},
     .refused_title = msg_refused_move,
     .action = &list_state::move_up},
    {.keys = {plain(key::home), exact(key::ctrl | key::home)},
     .refused_title = msg_refused_move,
     .action = &list_state::move_home},
    {.keys = {plain(key::end), exact(key::ctrl | key::end)},
     .refused_title = msg_refused_move,
     .action = &list_state::move_end},
    {.keys = {plain(key::pg_up), exact(key::ctrl | key::pg_up)},
     .refused_title = msg_refused_move,
     .action = &list_state::page_up},
    {.keys = {plain(key::pg_dn), exact(key::ctrl | key::pg_dn)},
     .refused_title = msg_refused_move,
     .action = &list_state::page_down},
    {.keys = {exact(key::ctrl | key::shift | key::f3)},
     .refused_title = msg_refused_new,
     .action = &list_state::create_view},
    {.keys = {exact(key::ctrl | key::f3)},
     .refused_title = msg_refused_clone,
     .action = &list_state::duplicate_view},
    // Refused as the moves are: a deletion hands the current slot another
    // view, which the next opening would capture the unsupported panel into.
    {.keys = {exact(key::ctrl | key::f4), plain(key::del), exact(key::ctrl | key::del)},
     .refused_title = msg_refused_delete,
     .action = &list_state::delete_view},
    {.keys = {exact(key::ctrl | key::shift | key::f5)}, .action = &list_state::renumber},
    {.keys = {exact(key::ctrl_r)}, .action = &list_state::refresh},
    // Swallowed: neither the list nor the host acts on it.
    {.keys = {exact(key::ctrl_u)}, .result = 0},
    {.keys = {exact(key::ctrl_mode_cancel)},
     .ctrl_mode_only = true,
     .action = &list_state::revert,
     .closes = true},
};

}  // namespace

param_t view_list_dialog_impl::handle_message(host_handle dialog, int32_t message, int32_t param1,
                                              param_t param2) noexcept {
    switch (message) {
        case dn_init:
            dialog_handle_ = dialog;
            send(dm_list_mouse_reaction, 1, 0);
            if (opening_position_.select != 0) send(dm_list_set_position, 1, &opening_position_);
            return 0;
        case dn_close:
            ended(param1);
            return 1;
        case dn_key:
            return handle_key(dialog, param1, param2);
        case dn_idle:
            if (!ctrl_mode_) break;
            if (!ctrl_held()) {
                list_.commit();
                close();
            }
            return 1;
        default:
            break;
    }
    return default_dialog_proc(dialog, message, param1, param2);
}

param_t view_list_dialog_impl::handle_key(host_handle dialog, int32_t param1, param_t param2) noexcept {
    const int32_t k = param2;
    const int32_t plain_key = ctrl_mode_ ? (k & ~key::ctrl) : k;

    // Ctrl let go: the key is not looked at, the choice is kept.
    if (ctrl_mode_ && !ctrl_held()) {
        list_.commit();
        close();
        return 1;
    }
    for (const key_row& row : key_table) {
        if (!row.matches(k, plain_key, ctrl_mode_)) continue;
        if (row.refused_title != never_refused && refused(row.refused_title)) return 1;
        if (row.action) (list_.*row.action)();
        if (row.closes) close();
        return row.result;
    }
    return default_dialog_proc(dialog, dn_key, param1, param2);
}

bool view_list_dialog_impl::refused(int title_id) noexcept {
    view* shown = current_view();
    if (!shown || !shown->is_unsupported()) return false;
    warning_.show_warning(ctrl_mode_, title_id);
    if (ctrl_mode_) close();
    return true;
}

void view_list_dialog_impl::close() noexcept {
    closing_ = true;
    send(dm_close, 0, 0);
}

void view_list_dialog_impl::ended(int32_t item) noexcept {
    dialog_handle_ = nullptr;
    if (item < 0 || !closing_) list_.revert();
}

}  // namespace tolvik
