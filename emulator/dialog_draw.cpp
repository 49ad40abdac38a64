// Drawing the open dialogs and the message box onto the host's screen,
// each within the screen's box area (dialog_placement.h, text_box.h).
#include <algorithm>
#include <cstring>
#include <map>

#include "dialog_placement.h"
#include "dialogs.h"
#include "text_box.h"

namespace tolvik::emu {

namespace {

struct palette {
    attr body;
    attr box;
};

// A text field up to its first NUL or its size, as field_text() reads it.
std::string_view field_view(const char* field, size_t size) {
    const void* end = std::memchr(field, '\0', size);
    return {field, end ? static_cast<size_t>(static_cast<const char*>(end) - field) : size};
}

palette colours(bool warning) {
    return warning ? palette{attr::warning, attr::warning_frame} : palette{attr::dialog, attr::frame};
}

// One axis of a placement: the dialog's `size` cells from `start` in a
// screen of `room` cells, with its frame's far border `frame_end` cells
// before its end (0: no frame).
struct axis {
    int32_t start = 0;
    int32_t kept = 0;
    int32_t skipped = 0;
};

axis place_axis(int32_t start, int32_t size, int32_t room, int32_t frame_end) {
    axis a;
    if (size <= room) {
        a.start = std::clamp(start, 0, room - size);
        a.kept = size;
        return a;
    }
    int32_t tail = std::min(frame_end, room);
    a.kept = room - tail;
    a.skipped = size - room;
    return a;
}

// Cells from the end of the dialog to the far border of its first double
// box, that border included: what stays of the dialog when it is folded.
void frame_ends(const open_dialog& dialog, int32_t& right, int32_t& bottom) {
    right = bottom = 0;
    for (const dialog_item_state& item : dialog.items)
        if (item.record.type == item_double_box && !(item.record.flags & flag_hidden)) {
            right = std::max(dialog.width - item.record.right, 0);
            bottom = std::max(dialog.height - item.record.bottom, 0);
            return;
        }
}

// A list's scroll position in `rows` cells of column `x` from `top`: the
// part of the column that stands for the lines shown ('#') over the rest
// (':'), `first` being the first of `count` lines shown.
void draw_scroll_mark(screen& display, int32_t x, int32_t top, int32_t rows, int32_t first, int32_t count,
                      attr a) {
    int32_t thumb = std::clamp(rows * rows / count, 1, rows);
    int32_t last_first = count - rows;
    int32_t at = last_first > 0
                     ? (std::clamp(first, 0, last_first) * (rows - thumb) + last_first / 2) / last_first
                     : 0;
    for (int32_t row = 0; row < rows; ++row)
        display.put(x, top + row, row >= at && row < at + thumb ? '#' : ':', a);
}

}  // namespace

int32_t dialog_placement::column_at(int32_t x) const {
    int32_t c = x - left;
    if (c < 0 || c >= shown_width) return -1;
    return c < columns_kept ? c : c + columns_skipped;
}

int32_t dialog_placement::row_at(int32_t y) const {
    int32_t r = y - top;
    if (r < 0 || r >= shown_height) return -1;
    return r < rows_kept ? r : r + rows_skipped;
}

int32_t dialog_placement::screen_x(int32_t column) const {
    if (column < columns_kept) return left + column;
    if (column < columns_kept + columns_skipped) return -1;
    return left + column - columns_skipped;
}

int32_t dialog_placement::screen_y(int32_t row) const {
    if (row < rows_kept) return top + row;
    if (row < rows_kept + rows_skipped) return -1;
    return top + row - rows_skipped;
}

dialog_placement place(const screen& display, const open_dialog& dialog) {
    int32_t right = 0;
    int32_t bottom = 0;
    frame_ends(dialog, right, bottom);
    int32_t width = std::max(dialog.width, 1);
    int32_t height = std::max(dialog.height, 1);
    axis x = place_axis(dialog.left, width, display.width(), right);
    axis y = place_axis(dialog.top, height, display.box_height(), bottom);
    dialog_placement p;
    p.left = x.start;
    p.top = y.start;
    p.shown_width = width - x.skipped;
    p.shown_height = height - y.skipped;
    p.columns_kept = x.kept;
    p.columns_skipped = x.skipped;
    p.rows_kept = y.kept;
    p.rows_skipped = y.skipped;
    return p;
}

void dialog_engine::redraw() {
    if (!env_.display) return;
    for (const auto& dialog : stack_)
        if (dialog->redraw_stopped > 0) {
            ++skipped_redraws_;
            return;
        }
    draw(*env_.display);
    ++redraws_;
}

void dialog_engine::changed() {
    if (!env_.source_redraws) redraw();
}

void dialog_engine::draw(emu::screen& display) const {
    display.clear();
    if (env_.draw_background) env_.draw_background(display);
    for (const auto& dialog : stack_) draw_dialog(display, *dialog);
    if (showing_box_) draw_box(display, *showing_box_);
}

void dialog_engine::draw_dialog(emu::screen& display, const open_dialog& dialog) const {
    // Drawn whole on a screen of its own, then copied where it shows: the
    // columns kept on the left, then those after the ones skipped.
    emu::screen& own = dialog_cells_;
    own.resize(std::max(dialog.width, 1), std::max(dialog.height, 1));
    draw_dialog_cells(own, dialog);
    dialog_placement at = place(display, dialog);
    // A dialog framed by a double box shows that box and its shadow only;
    // the margin around the box leaves what lies under it.
    int32_t x0 = at.left;
    int32_t y0 = at.top;
    int32_t x1 = at.left + at.shown_width - 1;
    int32_t y1 = at.top + at.shown_height - 1;
    const dialog_item_state* frame = nullptr;
    for (const dialog_item_state& item : dialog.items)
        if (item.record.type == item_double_box && !(item.record.flags & flag_hidden)) {
            frame = &item;
            break;
        }
    if (frame) {
        const FarDialogItem& r = frame->record;
        auto kept_x = [&](int32_t column) { return at.screen_x(std::clamp(column, 0, dialog.width - 1)); };
        auto kept_y = [&](int32_t row) { return at.screen_y(std::clamp(row, 0, dialog.height - 1)); };
        if (kept_x(r.left) >= 0 && kept_x(r.right) >= 0 && kept_y(r.top) >= 0 && kept_y(r.bottom) >= 0) {
            x0 = std::max(x0, kept_x(r.left));
            x1 = std::min(x1, kept_x(r.right));
            y0 = std::max(y0, kept_y(r.top));
            y1 = std::min(y1, kept_y(r.bottom));
        }
    }
    int32_t right = at.shown_width - at.columns_kept;
    for (int32_t y = y0; y <= y1; ++y) {
        int32_t row = at.row_at(y);
        // The columns x0..x1 of the kept part, then of the part after the
        // skipped columns.
        int32_t split = at.left + at.columns_kept;
        if (x0 < split) display.copy_row(x0, y, own, at.column_at(x0), row, std::min(x1 + 1, split) - x0);
        int32_t from = std::max(x0, split);
        if (right > 0 && from <= x1) display.copy_row(from, y, own, at.column_at(from), row, x1 - from + 1);
    }
    if (frame) draw_box_shadow(display, x0, y0, x1, y1);
}

void dialog_engine::draw_dialog_cells(emu::screen& display, const open_dialog& dialog) const {
    palette p = colours(dialog.warning_style());
    int32_t x0 = 0;
    int32_t y0 = 0;
    display.fill(x0, y0, x0 + dialog.width - 1, y0 + dialog.height - 1, ' ', p.body);

    // Centred buttons share their row as one group: collect them first.
    std::map<int32_t, int32_t> group_width;  // row -> width of its centred buttons
    auto centred_button = [](const FarDialogItem& item) {
        return item.type == item_button && !(item.flags & flag_hidden) &&
               (item.left == -1 || (item.flags & flag_button_centered));
    };
    for (const dialog_item_state& item : dialog.items)
        if (centred_button(item.record)) {
            int32_t& width = group_width[item.record.top];
            if (width > 0) ++width;
            width += static_cast<int32_t>(button_label(field_text(item.record.text, item_text_size)).size());
        }
    std::map<int32_t, int32_t> group_next;  // row -> column of the next centred button
    for (const auto& [row, width] : group_width) group_next[row] = x0 + (dialog.width - width) / 2;

    for (size_t index = 0; index < dialog.items.size(); ++index) {
        const dialog_item_state& item = dialog.items[index];
        const FarDialogItem& r = item.record;
        if (r.flags & flag_hidden) continue;
        std::string text = field_text(r.text, item_text_size);
        switch (r.type) {
            case item_double_box:
                display.double_box(x0 + r.left, y0 + r.top, x0 + r.right, y0 + r.bottom, p.box, text);
                break;
            case item_button: {
                std::string label = button_label(text);
                int32_t x = x0 + r.left;
                if (centred_button(r)) {
                    x = group_next[r.top];
                    group_next[r.top] += static_cast<int32_t>(label.size()) + 1;
                }
                bool focused = static_cast<int32_t>(index) == dialog.focus || r.default_button != 0;
                display.text(x, y0 + r.top, label, focused ? attr::focused_button : attr::button);
                break;
            }
            case item_list_box: {
                int32_t left = x0 + r.left;
                int32_t top = y0 + r.top;
                int32_t right = x0 + r.right;
                int32_t bottom = y0 + r.bottom;
                if (!(r.flags & flag_list_no_box)) {
                    display.single_box(left, top, right, bottom, p.box, text, p.box);
                    ++left, ++top, --right, --bottom;
                }
                int32_t rows = bottom - top + 1;
                int32_t count = static_cast<int32_t>(item.lines.size());
                // A list longer than its rows shows where it is: in its right
                // border, or in its last column when it has no box.
                int32_t scroll_column =
                    count > rows && rows > 0 ? (r.flags & flag_list_no_box ? right : right + 1) : -1;
                if (scroll_column == right) --right;
                int32_t width = right - left + 1;
                for (int32_t row = 0; top + row <= bottom; ++row) {
                    size_t line = static_cast<size_t>(item.list_top) + row;
                    attr a = p.body;
                    std::string_view shown;
                    if (line < item.lines.size()) {
                        shown = field_view(item.lines[line].text, list_text_size);
                        if (static_cast<int32_t>(line) == item.list_select)
                            a = attr::list_cursor;
                        else if (item.lines[line].flags & list_item_disabled)
                            a = attr::disabled;
                    }
                    display.fill(left, top + row, right, top + row, ' ', a);
                    display.text(left, top + row, shown, a, std::max(width, 0));
                }
                if (scroll_column >= 0)
                    draw_scroll_mark(display, scroll_column, top, rows, item.list_top, count, p.box);
                break;
            }
            default: {  // texts, and anything else shown by its text
                int32_t x =
                    r.left == -1 ? x0 + (dialog.width - static_cast<int32_t>(text.size())) / 2 : x0 + r.left;
                display.text(x, y0 + r.top, text, p.body, std::max(x0 + dialog.width - x, 0));
                break;
            }
        }
    }
}

void dialog_engine::draw_box(emu::screen& display, const message_box_run& box) const {
    palette p = colours((box.flags & style_warning) != 0);
    draw_text_box(display, {box.title, box.lines, box.buttons, p.body, p.box}, box_first_line_);
}

}  // namespace tolvik::emu
