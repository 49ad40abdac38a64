#include "panel_drawing.h"

#include <algorithm>
#include <string>

namespace tolvik::emu {

namespace {

// A directory too long for the border keeps its end: "...\docs".
std::string title_of(const std::string& directory, int32_t room) {
    if (room < 4 || static_cast<int32_t>(directory.size()) <= room) return directory;
    return "..." + directory.substr(directory.size() - static_cast<size_t>(room - 3));
}

void draw_panel(screen& display, const panel_model& panel, bool active) {
    const panel_rect& r = panel.rect;
    if (r.right - r.left < 2 || r.bottom - r.top < 4) return;
    display.fill(r.left, r.top, r.right, r.bottom, ' ', attr::panel);
    int32_t width = r.right - r.left - 1;
    display.single_box(r.left, r.top, r.right, r.bottom, attr::panel, title_of(panel.directory(), width - 2),
                       attr::panel_title);
    int32_t separator = r.bottom - 2;
    for (int32_t x = r.left + 1; x < r.right; ++x) display.put(x, separator, '-', attr::panel);

    const char* stand_in = panel_stand_in(panel);
    if (*stand_in) {
        std::string text = stand_in;
        int32_t x = r.left + 1 + std::max(0, (width - static_cast<int32_t>(text.size())) / 2);
        display.text(x, r.top + (separator - r.top) / 2, text, attr::panel, width);
        return;
    }

    int32_t lines = panel.visible_lines();
    const auto& items = panel.items();
    for (int32_t row = 0; row < lines; ++row) {
        size_t index = static_cast<size_t>(panel.top()) + row;
        if (index >= items.size()) break;
        const panel_entry& entry = items[index];
        attr a = entry.selected ? attr::selected : attr::panel;
        if (static_cast<int32_t>(index) == panel.cursor()) a = active ? attr::active_cursor : attr::cursor_line;
        int32_t y = r.top + 1 + row;
        display.fill(r.left + 1, y, r.right - 1, y, ' ', a);
        display.put(r.left + 1, y, entry.selected ? '*' : ' ', a);
        display.text(r.left + 2, y, entry.name, a, width - 1);
    }
    if (panel.cursor() >= 0 && static_cast<size_t>(panel.cursor()) < items.size())
        display.text(r.left + 1, r.bottom - 1, items[static_cast<size_t>(panel.cursor())].name, attr::status, width);
}

}  // namespace

const char* panel_stand_in(const panel_model& panel) {
    if (panel.plugin != 0) return "[ Plugin ]";
    switch (panel.type) {
    case panel_file:
        return "";
    case panel_tree:
        return "[ Tree ]";
    case panel_quick_view:
        return "[ Quick view ]";
    case panel_information:
        return "[ Information ]";
    default:
        return "[ Unknown panel ]";
    }
}

void draw_panels(screen& display, panel_pair& panels) {
    draw_panel(display, panels.left(), panels.active_side() == side::left);
    draw_panel(display, panels.right(), panels.active_side() == side::right);
    int32_t prompt_row = std::max(panels.left().rect.bottom, panels.right().rect.bottom) + 1;
    display.text(0, prompt_row, panels.active().directory() + ">", attr::normal);
}

}  // namespace tolvik::emu
