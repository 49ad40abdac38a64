#include "text_box.h"

#include <algorithm>

#include "host/constants.h"

namespace tolvik::emu {
namespace {

// Rows of a box besides its lines and buttons: the two borders, and a margin
// row above and below while the box fits with them.
constexpr int32_t border_rows = 2;
constexpr int32_t frame_columns = text_box_frame_columns;

int32_t buttons_width(const text_box& box) {
    int32_t width = -1;
    for (const std::string& button : box.buttons)
        width += static_cast<int32_t>(button_label(button).size()) + 1;
    return width;
}

int32_t button_rows(const text_box& box) { return box.buttons.empty() ? 0 : 1; }

// 1 when the box fits in the box area with its margin rows, else 0: a tall
// box gives up its margins before it scrolls.
int32_t margin_rows(const screen& display, const text_box& box) {
    int32_t rows = static_cast<int32_t>(box.lines.size()) + button_rows(box) + border_rows + 2;
    return rows <= display.box_height() ? 1 : 0;
}

}  // namespace

std::string button_label(const std::string& text) { return "[ " + text + " ]"; }

void draw_box_shadow(screen& display, int32_t left, int32_t top, int32_t right, int32_t bottom) {
    auto shade = [&](int32_t x, int32_t y) {
        if (y < display.box_height()) display.put(x, y, display.char_at(x, y), attr::shadow);
    };
    for (int32_t y = top + 1; y <= bottom + 1; ++y)
        for (int32_t x = right + 1; x <= right + 2; ++x) shade(x, y);
    for (int32_t x = left + 2; x <= right; ++x) shade(x, bottom + 1);
}

int32_t visible_lines(const screen& display, const text_box& box) {
    int32_t count = static_cast<int32_t>(box.lines.size());
    int32_t room = display.box_height() - border_rows - 2 * margin_rows(display, box) - button_rows(box);
    return std::max(std::min(count, room), 1);
}

int32_t scrolled(int32_t key, int32_t first, int32_t visible, int32_t count) {
    int32_t last_first = std::max(count - visible, 0);
    switch (key) {
        case key::up:
        case key::wheel_up:
            first -= 1;
            break;
        case key::down:
        case key::wheel_down:
            first += 1;
            break;
        case key::pg_up:
            first -= std::max(visible - 1, 1);
            break;
        case key::pg_dn:
            first += std::max(visible - 1, 1);
            break;
        case key::home:
            first = 0;
            break;
        case key::end:
            first = last_first;
            break;
        default:
            return -1;
    }
    return std::clamp(first, 0, last_first);
}

void draw_text_box(screen& display, const text_box& box, int32_t first) {
    int32_t count = static_cast<int32_t>(box.lines.size());
    int32_t inner = static_cast<int32_t>(box.title.size()) + 2;
    for (const std::string& line : box.lines) inner = std::max(inner, static_cast<int32_t>(line.size()));
    inner = std::max(inner, buttons_width(box));
    int32_t shown = visible_lines(display, box);
    first = std::clamp(first, 0, std::max(count - shown, 0));
    std::string where;
    if (shown < count) {
        where = " " + std::to_string(first + 1) + "-" + std::to_string(first + shown) + "/" +
                std::to_string(count) + " ";
        // Room for the widest position, so that the box keeps its width.
        inner = std::max(inner, 3 * static_cast<int32_t>(std::to_string(count).size()) + 5);
    }
    int32_t width = std::min(inner + frame_columns, display.width());
    int32_t margin = margin_rows(display, box);
    int32_t height = std::min(shown + border_rows + 2 * margin + button_rows(box), display.box_height());
    int32_t x0 = (display.width() - width) / 2;
    int32_t y0 = std::max((display.box_height() - height) / 2, 0);
    int32_t right = x0 + width - 3;
    int32_t top = y0 + margin;
    int32_t bottom = y0 + height - 1 - margin;
    // The box with its margin, and its shadow.
    display.fill(x0, y0, x0 + width - 1, y0 + height - 1, ' ', box.body);
    display.double_box(x0 + 2, top, right, bottom, box.frame, box.title);
    draw_box_shadow(display, x0, y0, x0 + width - 1, y0 + height - 1);
    for (int32_t i = 0; i < shown && first + i < count; ++i)
        display.text(x0 + 4, top + 1 + i, box.lines[static_cast<size_t>(first + i)], box.body, width - 8);
    if (!where.empty()) {
        int32_t x = std::max(right - 1 - static_cast<int32_t>(where.size()), x0 + 3);
        display.text(x, bottom, where, box.frame, right - x);
    }
    if (box.buttons.empty()) return;
    int32_t x = x0 + (width - buttons_width(box)) / 2;
    for (size_t i = 0; i < box.buttons.size(); ++i) {
        std::string label = button_label(box.buttons[i]);
        display.text(x, top + 1 + shown, label, i == 0 ? attr::focused_button : attr::button);
        x += static_cast<int32_t>(label.size()) + 1;
    }
}

}  // namespace tolvik::emu
