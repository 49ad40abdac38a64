// Drawing the open dialogs and the message box onto the host's screen.
#include <algorithm>
#include <map>

#include "dialogs.h"

namespace tolvik::emu {

namespace {

struct palette {
    attr body;
    attr box;
};

palette colours(bool warning) {
    return warning ? palette{attr::warning, attr::warning_frame} : palette{attr::dialog, attr::frame};
}

std::string button_label(const std::string& text) { return "[ " + text + " ]"; }

}  // namespace

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

void dialog_engine::draw(emu::screen& display) const {
    display.clear();
    if (env_.draw_background) env_.draw_background(display);
    for (const auto& dialog : stack_) draw_dialog(display, *dialog);
    if (showing_box_) draw_box(display, *showing_box_);
}

void dialog_engine::draw_dialog(emu::screen& display, const open_dialog& dialog) const {
    palette p = colours(dialog.warning_style());
    int32_t x0 = dialog.left;
    int32_t y0 = dialog.top;
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
                int32_t width = right - left + 1;
                for (int32_t row = 0; top + row <= bottom; ++row) {
                    size_t line = static_cast<size_t>(item.list_top) + row;
                    attr a = p.body;
                    std::string shown;
                    if (line < item.lines.size()) {
                        shown = field_text(item.lines[line].text, list_text_size);
                        if (static_cast<int32_t>(line) == item.list_select)
                            a = attr::list_cursor;
                        else if (item.lines[line].flags & list_item_disabled)
                            a = attr::disabled;
                    }
                    display.fill(left, top + row, right, top + row, ' ', a);
                    display.text(left, top + row, shown, a, std::max(width, 0));
                }
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
    int32_t inner = static_cast<int32_t>(box.title.size()) + 2;
    for (const std::string& line : box.lines) inner = std::max(inner, static_cast<int32_t>(line.size()));
    int32_t buttons_width = -1;
    for (const std::string& button : box.buttons)
        buttons_width += static_cast<int32_t>(button_label(button).size()) + 1;
    inner = std::max(inner, buttons_width);
    // As the plugin lays out its own boxes: margins 2 and 1 around a double box
    // with one blank column inside each side.
    // Centred, but never over the bottom two rows (the status row and the key
    // bar, as the panels leave them): lines that do not fit above them are cut.
    int32_t rows = std::max(display.height() - 2, 1);
    int32_t width = std::min(inner + 8, display.width());
    int32_t height =
        std::min(static_cast<int32_t>(box.lines.size()) + (box.buttons.empty() ? 0 : 1) + 4, rows);
    int32_t x0 = (display.width() - width) / 2;
    int32_t y0 = std::min((display.height() - height) / 2, rows - height);
    display.fill(x0, y0, x0 + width - 1, y0 + height - 1, ' ', p.body);
    display.double_box(x0 + 2, y0 + 1, x0 + width - 3, y0 + height - 2, p.box, box.title);
    int32_t row = y0 + 2;
    int32_t line_rows = height - 4 - (box.buttons.empty() ? 0 : 1);
    for (size_t i = 0; i < box.lines.size() && static_cast<int32_t>(i) < line_rows; ++i)
        display.text(x0 + 4, row++, box.lines[i], p.body, width - 8);
    if (box.buttons.empty()) return;
    int32_t x = x0 + (width - buttons_width) / 2;
    for (size_t i = 0; i < box.buttons.size(); ++i) {
        std::string label = button_label(box.buttons[i]);
        display.text(x, row, label, i == 0 ? attr::focused_button : attr::button);
        x += static_cast<int32_t>(label.size()) + 1;
    }
}

}  // namespace tolvik::emu
