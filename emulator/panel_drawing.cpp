#include "panel_drawing.h"

#include <algorithm>
#include <ctime>
#include <string>

namespace tolvik::emu {

namespace {

constexpr uint64_t unix_epoch_in_file_time = 116444736000000000ull;
// The time column of the full view mode: "dd.mm.yy hh:mm", blank when the
// item has no time (as ".."), so that every size ends in one column.
constexpr size_t time_width = 14;

// A directory too long for the border keeps its end: "...\docs".
std::string title_of(const std::string& directory, int32_t room) {
    if (room < 4 || static_cast<int32_t>(directory.size()) <= room) return directory;
    return "..." + directory.substr(directory.size() - static_cast<size_t>(room - 3));
}

std::string size_text(const panel_entry& entry, const panel_words& words) {
    if (entry.is_parent()) return words.up;
    if (entry.is_directory()) return words.folder;
    return std::to_string(entry.size);
}

std::string time_text(const panel_entry& entry) {
    if (entry.write_time < unix_epoch_in_file_time) return "";
    std::time_t seconds =
        static_cast<std::time_t>((entry.write_time - unix_epoch_in_file_time) / 10000000ull);
    std::tm local{};
#if defined(_WIN32)
    localtime_s(&local, &seconds);
#else
    localtime_r(&seconds, &local);
#endif
    char text[24];
    if (std::strftime(text, sizeof text, "%d.%m.%y %H:%M", &local) == 0) return "";
    return text;
}

// One item in a cell of `width` columns: a mark for the selection, the name,
// and in the full mode its size and time right-aligned.
void draw_item(screen& display, int32_t x, int32_t y, int32_t width, const panel_entry& entry, int32_t mode,
               attr a, const panel_words& words) {
    display.fill(x, y, x + width - 1, y, ' ', a);
    display.put(x, y, entry.selected ? '*' : ' ', a);
    bool full = mode != 1 && mode != 2 && mode != 4;
    std::string details;
    if (full) {
        std::string time = time_text(entry);
        time.resize(time_width, ' ');
        details = size_text(entry, words) + "  " + time;
    }
    int32_t name_width = width - 1;
    if (full && static_cast<int32_t>(details.size()) + 12 <= width) {
        name_width = width - 1 - static_cast<int32_t>(details.size()) - 1;
        display.text(x + width - static_cast<int32_t>(details.size()), y, details, a);
    }
    // A folder's name ends in '\\' where there is room for it.
    int32_t room = std::max(name_width, 0);
    display.text(x + 1, y, entry.name, a, room);
    if (entry.is_directory() && !entry.is_parent() && mode != 3 &&
        static_cast<int32_t>(entry.name.size()) < room)
        display.put(x + 1 + static_cast<int32_t>(entry.name.size()), y, '\\', a);
}

void draw_file_panel(screen& display, const panel_model& panel, bool active, const panel_words& words) {
    const panel_rect& r = panel.rect;
    panel_geometry g = geometry_of(panel);
    int32_t inner = r.right - r.left - 1;
    int32_t top = visible_top(panel);
    const auto& items = panel.items();
    for (int32_t column = 0; column < g.columns; ++column) {
        int32_t x = r.left + 1 + column * inner / g.columns;
        int32_t next = r.left + 1 + (column + 1) * inner / g.columns;
        int32_t width = next - x - (column + 1 < g.columns ? 1 : 0);
        if (column + 1 < g.columns)
            for (int32_t y = r.top + 1; y <= r.top + g.lines; ++y) display.put(next - 1, y, '|', attr::panel);
        for (int32_t row = 0; row < g.lines; ++row) {
            size_t index = static_cast<size_t>(top + column * g.lines + row);
            if (index >= items.size()) break;
            const panel_entry& entry = items[index];
            attr a = entry.selected ? attr::selected : attr::panel;
            if (static_cast<int32_t>(index) == panel.cursor())
                a = active ? attr::active_cursor : attr::cursor_line;
            draw_item(display, x, r.top + 1 + row, width, entry, panel.view_mode, a, words);
        }
    }
    if (panel.cursor() >= 0 && static_cast<size_t>(panel.cursor()) < items.size()) {
        const panel_entry& entry = items[static_cast<size_t>(panel.cursor())];
        std::string details = size_text(entry, words) + " " + time_text(entry);
        display.text(r.left + 1, r.bottom - 1, entry.name, attr::panel, inner);
        if (static_cast<int32_t>(entry.name.size() + details.size()) + 1 < inner)
            display.text(r.right - static_cast<int32_t>(details.size()), r.bottom - 1, details, attr::panel);
    }
}

const char* stand_in(const panel_model& panel) {
    if (panel.plugin != 0) return "[ Plugin ]";
    switch (panel.type) {
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

void draw_panel(screen& display, const panel_model& panel, const panel_model& other, bool active,
                const panel_contents& contents, const panel_words& words) {
    const panel_rect& r = panel.rect;
    if (r.right - r.left < 4 || r.bottom - r.top < 4) return;
    display.fill(r.left, r.top, r.right, r.bottom, ' ', attr::panel);
    int32_t inner = r.right - r.left - 1;
    display.single_box(r.left, r.top, r.right, r.bottom, attr::panel, title_of(panel.directory(), inner - 2),
                       active ? attr::active_cursor : attr::panel_title);
    display.fill(r.left + 1, r.bottom - 2, r.right - 1, r.bottom - 2, '-', attr::panel);
    if (panel.type == panel_file && panel.plugin == 0) {
        draw_file_panel(display, panel, active, words);
    } else if (contents) {
        contents(display, panel, other, active);
    } else {
        std::string text = stand_in(panel);
        int32_t x = r.left + 1 + std::max(0, (inner - static_cast<int32_t>(text.size())) / 2);
        display.text(x, r.top + (r.bottom - 2 - r.top) / 2, text, attr::panel, inner);
    }
}

}  // namespace

panel_geometry geometry_of(const panel_model& panel) {
    panel_geometry g;
    g.lines = panel.visible_lines();
    int32_t inner = panel.rect.right - panel.rect.left - 1;
    if (panel.view_mode == 1) g.columns = 3;
    if (panel.view_mode == 2) g.columns = 2;
    // Columns narrower than 8 cells are no use.
    while (g.columns > 1 && inner / g.columns < 8) --g.columns;
    return g;
}

int32_t visible_top(const panel_model& panel) {
    int32_t capacity = geometry_of(panel).capacity();
    int32_t top = std::max<int32_t>(panel.top(), 0);
    if (panel.cursor() < top) top = panel.cursor();
    if (panel.cursor() >= top + capacity) top = panel.cursor() - capacity + 1;
    return std::max<int32_t>(top, 0);
}

void draw_panels(screen& display, panel_pair& panels, const panel_contents& contents,
                 const panel_words& words) {
    draw_panel(display, panels.left(), panels.right(), panels.active_side() == side::left, contents, words);
    draw_panel(display, panels.right(), panels.left(), panels.active_side() == side::right, contents, words);
    int32_t prompt_row = std::max(panels.left().rect.bottom, panels.right().rect.bottom) + 1;
    display.text(0, prompt_row, panels.active().directory() + ">", attr::normal);
}

}  // namespace tolvik::emu
