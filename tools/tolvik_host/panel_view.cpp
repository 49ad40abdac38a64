#include "panel_view.h"

#include <algorithm>
#include <cstdio>
#include <ctime>

#include "panel_kinds.h"

namespace tolvik::tools {
namespace {

using emu::attr;
using emu::panel_entry;
using emu::panel_model;

constexpr uint64_t unix_epoch_in_file_time = 116444736000000000ull;

std::string size_text(const panel_entry& entry) {
    if (entry.is_parent()) return "Up";
    if (entry.is_directory()) return "Folder";
    char text[24];
    std::snprintf(text, sizeof text, "%llu", static_cast<unsigned long long>(entry.size));
    return text;
}

std::string time_text(const panel_entry& entry) {
    if (entry.write_time < unix_epoch_in_file_time) return "";
    std::time_t seconds =
        static_cast<std::time_t>((entry.write_time - unix_epoch_in_file_time) / 10000000ull);
    std::tm local{};
    localtime_r(&seconds, &local);
    char text[24];
    std::strftime(text, sizeof text, "%d.%m.%y %H:%M", &local);
    return text;
}

// One item in a cell of `width` columns: a mark for the selection, the name,
// and in the full mode its size and time right-aligned.
void draw_item(emu::screen& display, int32_t x, int32_t y, int32_t width, const panel_entry& entry,
               int32_t mode, attr a) {
    display.fill(x, y, x + width - 1, y, ' ', a);
    display.put(x, y, entry.selected ? '*' : ' ', a);
    bool full = mode != 1 && mode != 2 && mode != 4;
    std::string details;
    if (full) details = size_text(entry) + "  " + time_text(entry);
    int32_t name_width = width - 1;
    if (full && static_cast<int32_t>(details.size()) + 12 <= width) {
        name_width = width - 1 - static_cast<int32_t>(details.size()) - 1;
        display.text(x + width - static_cast<int32_t>(details.size()), y, details, a);
    }
    std::string name = entry.name;
    if (entry.is_directory() && !entry.is_parent() && mode != 3) name += '\\';
    display.text(x + 1, y, name, a, std::max(name_width, 0));
}

void draw_file_panel(emu::screen& display, const panel_model& panel, bool active) {
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
            draw_item(display, x, r.top + 1 + row, width, entry, panel.view_mode, a);
        }
    }
    if (panel.cursor() >= 0 && static_cast<size_t>(panel.cursor()) < items.size()) {
        const panel_entry& entry = items[static_cast<size_t>(panel.cursor())];
        std::string footer = entry.name;
        std::string details = size_text(entry) + " " + time_text(entry);
        display.text(r.left + 1, r.bottom - 1, footer, attr::panel, inner);
        if (static_cast<int32_t>(footer.size() + details.size()) + 1 < inner)
            display.text(r.right - static_cast<int32_t>(details.size()), r.bottom - 1, details, attr::panel);
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

const char* view_mode_name(int32_t mode) {
    switch (mode) {
        case 1:
            return "brief";
        case 2:
            return "medium";
        case 3:
            return "full";
        case 4:
            return "wide";
        default:
            return "other";
    }
}

const char* sort_mode_name(int32_t mode) {
    switch (mode) {
        case emu::sort_modes::unsorted:
            return "unsorted";
        case emu::sort_modes::by_name:
            return "name";
        case emu::sort_modes::by_extension:
            return "extension";
        case emu::sort_modes::by_write_time:
            return "time";
        case emu::sort_modes::by_size:
            return "size";
        default:
            return "other";
    }
}

void draw_panels(emu::screen& display, emu::panel_pair& panels, const std::string& drive_c) {
    for (emu::side s : {emu::side::left, emu::side::right}) {
        panel_model& panel = panels.at(s);
        bool active = panels.active_side() == s;
        const panel_rect& r = panel.rect;
        if (r.right - r.left < 4 || r.bottom - r.top < 4) continue;
        display.fill(r.left, r.top, r.right, r.bottom, ' ', attr::panel);
        display.single_box(r.left, r.top, r.right, r.bottom, attr::panel, panel.directory(),
                           active ? attr::active_cursor : attr::panel_title);
        for (int32_t x = r.left + 1; x < r.right; ++x) display.put(x, r.bottom - 2, '-', attr::panel);
        panel_model& other = panels.at(s == emu::side::left ? emu::side::right : emu::side::left);
        if (panel.plugin != 0)
            draw_plugin_stand_in(display, panel);
        else if (panel.type == panel_tree)
            draw_tree(display, panel, active);
        else if (panel.type == panel_quick_view)
            draw_quick_view(display, panel, other);
        else if (panel.type == panel_information)
            draw_information(display, panel, other, drive_c);
        else
            draw_file_panel(display, panel, active);
    }
}

}  // namespace tolvik::tools
