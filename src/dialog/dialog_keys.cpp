// The view list dialog's procedure: notifications and the key table.
#include "base/windows_calls.h"
#include "dialog/view_list_dialog_impl.h"
#include "host/constants.h"
#include "host/services.h"

namespace tolvik {

param_t view_list_dialog_impl::handle_message(host_handle dialog, int32_t message, int32_t param1,
                                              param_t param2) noexcept {
    switch (message) {
    case dn_init:
        dialog_handle = dialog;
        send(dm_list_mouse_reaction, 1, 0);
        if (opening_position_.select != 0) send(dm_list_set_position, 1, &opening_position_);
        return 0;
    case dn_close:
        if (param1 < 0) list_state.revert();
        dialog_handle = nullptr;
        return 1;
    case dn_key:
        return handle_key(dialog, param1, param2);
    case dn_idle:
        if (!ctrl_mode) break;
        if (!ctrl_held()) {
            list_state.commit();
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
    const int32_t plain = ctrl_mode ? (k & ~key::ctrl) : k;

    if (ctrl_mode && !ctrl_held()) {
        list_state.commit();
        close();
        return 1;
    }

    if (plain == key::enter) {
        list_state.commit();
        close();
        return 1;
    }
    if (plain == key::esc || plain == key::f10) {
        list_state.revert();
        close();
        return 1;
    }

    // The cursor keys and the two keys that make a view are refused while the
    // active panel cannot be switched.
    void (::tolvik::list_state::*action)() = nullptr;
    int refused_title = msg_refused_move;
    if (plain == key::down || plain == key::wheel_down || k == key::ctrl_tilde)
        action = &::tolvik::list_state::move_down;
    else if (plain == key::up || plain == key::wheel_up || k == key::ctrl_shift_tilde)
        action = &::tolvik::list_state::move_up;
    else if (plain == key::home || k == (key::ctrl | key::home))
        action = &::tolvik::list_state::move_home;
    else if (plain == key::end || k == (key::ctrl | key::end))
        action = &::tolvik::list_state::move_end;
    else if (plain == key::pg_up || k == (key::ctrl | key::pg_up))
        action = &::tolvik::list_state::page_up;
    else if (plain == key::pg_dn || k == (key::ctrl | key::pg_dn))
        action = &::tolvik::list_state::page_down;
    else if (k == (key::ctrl | key::shift | key::f3)) {
        action = &::tolvik::list_state::create_view;
        refused_title = msg_refused_new;
    } else if (k == (key::ctrl | key::f3)) {
        action = &::tolvik::list_state::duplicate_view;
        refused_title = msg_refused_clone;
    }
    if (action) {
        if (!refused(refused_title)) (list_state.*action)();
        return 1;
    }

    if (k == (key::ctrl | key::f4) || plain == key::del || k == (key::ctrl | key::del)) {
        list_state.delete_view();
        return 1;
    }
    if (k == (key::ctrl | key::shift | key::f5)) {
        list_state.renumber();
        return 1;
    }
    if (k == key::ctrl_r) {
        list_state.refresh();
        return 1;
    }
    if (k == key::ctrl_u) return 0;
    if (ctrl_mode && k == key::ctrl_mode_cancel) {
        list_state.revert();
        close();
        return 1;
    }
    return default_dialog_proc(dialog, dn_key, param1, param2);
}

bool view_list_dialog_impl::refused(int title_id) noexcept {
    panel_slot* slot = current_slot();
    view* shown = slot ? slot->shown_view() : nullptr;
    if (!shown || !shown->is_unsupported()) return false;
    warning.show_warning(ctrl_mode, title_id);
    if (ctrl_mode) close();
    return true;
}

void view_list_dialog_impl::close() noexcept { send(dm_close, 0, 0); }

}  // namespace tolvik
