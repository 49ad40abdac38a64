// The one view list dialog: a double box around a list box with one line per
// view of recent_views, front first.
//
// Items: 0 the double box, 1 the list box (whose list record is the list's).
// The dialog owns its list and its warning box. `dialog_handle_` is set from
// the init notification until the close notification or the end of the
// host's dialog call, whichever comes first; no dialog message is sent while
// it is null.
//
// However the dialog ends, the active panel then shows the current slot's
// view: the dialog's own closes follow a commit or a revert (or a refusal,
// which applied nothing), and a close it did not ask for (the host's cancel,
// an item the host chose, or the host's dialog call returning without a
// close notification) reverts a preview still showing.
#pragma once

#include <cstdint>

#include "dialog/list_state.h"
#include "dialog/view_list_dialog.h"
#include "dialog/warning_box.h"
#include "host/api.h"
#include "host/dialog_items.h"

namespace tolvik {

class view_list_dialog_impl : public view_list_dialog {
public:
    // The item array the host receives, zero-filled at construction.
    FarDialogItem items[2] = {};

    view_list_dialog_impl() noexcept : list_(*this) {}
    view_list_dialog_impl(const view_list_dialog_impl&) = delete;
    view_list_dialog_impl& operator=(const view_list_dialog_impl&) = delete;

    int run() override;

    // Recomputes the size and both items for the cursor entry `entry` at
    // index position.select, fills the list and, while running, pushes all
    // of it into the dialog.
    void rebuild_layout(view_position entry, list_position position) noexcept;

    // The dialog procedure's body: notifications and keys.
    param_t handle_message(host_handle dialog, int32_t message, int32_t param1, param_t param2) noexcept;

    // Sends a dialog message to the running dialog; does nothing (0) while
    // the dialog is not running.
    param_t send(int32_t message, int32_t param1, param_t param2) const noexcept;
    param_t send(int32_t message, int32_t param1, void* param2) const noexcept;

    // The running dialog's handle; null while the dialog is not running.
    host_handle dialog_handle() const noexcept { return dialog_handle_; }
    bool ctrl_mode() const noexcept { return ctrl_mode_; }
    int width() const noexcept { return width_; }
    list_state& list() noexcept { return list_; }
    const list_state& list() const noexcept { return list_; }

private:
    param_t handle_key(host_handle dialog, int32_t param1, param_t param2) noexcept;
    // Runs the refused-action check: true (after the warning) when the
    // current slot's view cannot be switched.
    bool refused(int title_id) noexcept;
    // Closes the running dialog (message 1 with 0, 0).
    void close() noexcept;
    // The dialog's handle is gone: reverts unless the dialog itself asked to
    // close (`closing_`) and the host closed with an item (`item` >= 0).
    void ended(int32_t item) noexcept;

    int width_ = 0;
    int height_ = 0;
    host_handle dialog_handle_ = nullptr;
    list_state list_;
    warning_box warning_;
    bool ctrl_mode_ = false;
    bool closing_ = false;  // this run's dialog asked the host to close it
    // Where the opening put the cursor; sent to the host at initialisation
    // when it is not the top line.
    list_position opening_position_{};
};

// The dialog procedure of the view list dialog: forwards to the one object.
param_t TOLVIK_API dialog_proc(host_handle dialog, int32_t message, int32_t param1, param_t param2);

// The one object, as its implementation.
view_list_dialog_impl& the_view_list_dialog() noexcept;

}  // namespace tolvik
