// Opening the view list dialog and laying it out.
#include "dialog/view_list_dialog_impl.h"

#include "base/windows_calls.h"
#include "dialog/item_fillers.h"
#include "dialog/layout.h"
#include "dialog/text.h"
#include "host/constants.h"
#include "host/services.h"

namespace tolvik {
namespace {

constexpr const char help_topic[] = "Panel_list";

// Where the opening puts the cursor: the front of recent_views, which after
// every commit is the view the active panel shows. Two editing actions can
// leave another view at the front: a deletion of the current slot's view
// gives the slot a view further down (the front may then be the view the
// other panel shows), and a new view or duplicate made on the top line and
// left with Esc stays at the front, shown by no panel. Opening there would
// make last_applied a view the panel does not show, so a commit would not
// apply it (and the next opening would re-capture the panel into it), and
// a commit or delete on the other panel's view would leave that panel's slot
// without a view of its own. So the cursor then starts on the current slot's
// view, the one the panel shows; failing that, on the first enabled line.
view_position opening_entry(int32_t& index) noexcept {
    view_list& views = recent_views();
    index = 0;
    view_position front = views.begin();
    const view* shown = current_view();
    if (*front == shown || (!shown && !shown_in_other_panel(*front))) return front;
    int32_t i = 0;
    for (view_position at = views.begin(); at != views.end(); ++at, ++i) {
        if (*at == shown && !shown_in_other_panel(*at)) {
            index = i;
            return at;
        }
    }
    i = 0;
    for (view_position at = views.begin(); at != views.end(); ++at, ++i) {
        if (!shown_in_other_panel(*at)) {
            index = i;
            return at;
        }
    }
    return front;
}

}  // namespace

int view_list_dialog_impl::run() {
    if (recent_views().empty()) return -1;
    ctrl_mode_ = ctrl_held();
    closing_ = false;

    int32_t index = 0;
    view_position entry = opening_entry(index);
    rebuild_layout(entry, list_position{index, 0});
    list_.mark_cursor_applied();
    opening_position_ = list_position{index, 0};
    list_.compute_top(opening_position_);

    const int result = run_dialog(width_, height_, help_topic, items, 2, 0, dialog_proc);
    // The dialog is gone once the call returns, whether or not the host sent
    // the close notification; without one, it ended as a cancel does.
    if (dialog_handle_) ended(-1);
    return result;
}

void view_list_dialog_impl::rebuild_layout(view_position entry, list_position position) noexcept {
    const auto [mx, my] = layout::margins_for(ctrl_mode_);
    const char* title = message_text(msg_list_title);

    list_.record() = list_record{};
    list_.measure_lines(width_);
    const int title_width = static_cast<int>(message_length(title)) + layout::title_gap;
    if (width_ < title_width) width_ = title_width;
    width_ += 2 * (mx + 1);
    if (width_ % 2 != 0) ++width_;
    if (width_ > layout::max_width) width_ = layout::max_width;
    height_ = layout::list_dialog_height;

    set_box_item(items[0], mx, my, width_ - mx - 1, height_ - my - 1, title, 0);
    set_list_box_item(items[1], mx + 1, my + 1, width_ - mx - 2, height_ - my - 2, list_.record(),
                      flag_no_focus | flag_list_no_box);
    list_.fill_list(entry, position);

    // A dialog that is not running yet takes the items as run() hands them
    // over; these messages then go nowhere.
    send(dm_set_item, 0, &items[0]);
    send(dm_set_item, 1, &items[1]);
    screen_point size{static_cast<int16_t>(width_), static_cast<int16_t>(height_)};
    send(dm_resize, 0, &size);
    screen_point centre{-1, -1};
    send(dm_move, 1, &centre);
}

param_t view_list_dialog_impl::send(int32_t message, int32_t param1, param_t param2) const noexcept {
    if (!dialog_handle_) return 0;
    return send_dialog_message(dialog_handle_, message, param1, param2);
}

param_t view_list_dialog_impl::send(int32_t message, int32_t param1, void* param2) const noexcept {
    return send(message, param1, static_cast<param_t>(reinterpret_cast<intptr_t>(param2)));
}

view_list_dialog_impl& the_view_list_dialog() noexcept {
    return static_cast<view_list_dialog_impl&>(get_view_list_dialog());
}

param_t TOLVIK_API dialog_proc(host_handle dialog, int32_t message, int32_t param1, param_t param2) {
    return the_view_list_dialog().handle_message(dialog, message, param1, param2);
}

}  // namespace tolvik
