// The list's rendering: line estimates, filling the lines, the top line.
#include "dialog/layout.h"
#include "dialog/list_line.h"
#include "dialog/list_state.h"
#include "dialog/text.h"
#include "dialog/view_list_dialog_impl.h"
#include "host/constants.h"
#include "host/panel_info.h"
#include "host/services.h"
#include "host/text_field.h"
#include "views/view_numbers.h"

namespace tolvik {

void list_state::measure_lines(int& width) noexcept {
    label_width_ = 0;
    int longest = 0;
    const int digits = digit_count(max_view_number());
    for (view* v : recent_views()) {
        int label = static_cast<int>(message_length(message_text(v->type_label_id())));
        if (label > label_width_) label_width_ = label;
        int estimate =
            digits + label + static_cast<int>(field_length(v->path(), max_path)) + layout::line_fixed_columns;
        if (estimate > longest) longest = estimate;
    }
    width = longest + layout::line_right_gap;
}

void list_state::fill_list(view_position entry, list_position position) noexcept {
    cursor_ = entry;
    view_list& views = recent_views();
    record_.count = 0;
    record_.items = nullptr;
    if (lines_.resize_lines(static_cast<int32_t>(views.size()))) {
        const FarDialogItem& box = owner_.items[1];
        const int digits = digit_count(max_view_number());
        // The list box is right - left + 1 columns wide.
        int path_width = box.right - box.left + 1 - layout::line_right_gap - layout::line_fixed_columns -
                         digits - label_width_;
        if (path_width < 0) path_width = 0;

        list_item* line = lines_.block;
        for (view* v : views) {
            line->flags = shown_in_other_panel(v) ? list_item_disabled : 0;
            char side_mark = ' ';
            if (!v->slots.empty()) side_mark = panel_side(v->slots.front()) == side::left ? '<' : '>';
            line_fields fields{digits,
                               v->number,
                               v->is_valid() ? '.' : '-',
                               label_width_,
                               message_text(v->type_label_id()),
                               side_mark,
                               path_width,
                               v->short_path(path_width)};
            format_list_line(line->text, fields);
            line->reserved[0] = line->reserved[1] = line->reserved[2] = 0;
            ++line;
        }
        record_.count = lines_.count;
        record_.items = lines_.block;
    }
    // Before the dialog runs these go nowhere: the list box item refers to
    // the record already.
    owner_.send(dm_list_set, 1, &record_);
    compute_top(position);
    owner_.send(dm_list_set_position, 1, &position);
}

void list_state::compute_top(list_position& position) const noexcept {
    const FarDialogItem& box = owner_.items[1];
    const int32_t visible = box.bottom - box.top + 1;
    const int32_t n = record_.count;
    const int32_t s = position.select;
    const int32_t half = visible / 2;
    if (n < visible || s < half)
        position.top = 0;
    else if (s + half + 1 < n)
        position.top = s - half + 1;
    else
        position.top = n - visible;
}

int32_t list_state::line_count() const noexcept { return static_cast<int32_t>(recent_views().size()); }

int32_t list_state::page_lines() const noexcept {
    const FarDialogItem& box = owner_.items[1];
    int32_t page = box.bottom - box.top + 1;
    return page > 0 ? page : 1;
}

list_position list_state::host_position() const noexcept {
    list_position position{0, 0};
    owner_.send(dm_list_get_position, 1, &position);
    int32_t last = line_count() - 1;
    if (position.select > last) position.select = last;
    if (position.select < 0) position.select = 0;
    return position;
}

}  // namespace tolvik
