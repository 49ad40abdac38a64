#include "host_rows.h"

#include "host_texts.h"

namespace tolvik::tools {
namespace {

using emu::attr;

const char* sort_key(int32_t mode) {
    switch (mode) {
        case emu::sort_modes::unsorted:
            return "sort.unsorted";
        case emu::sort_modes::by_name:
            return "sort.name";
        case emu::sort_modes::by_extension:
            return "sort.extension";
        case emu::sort_modes::by_write_time:
            return "sort.time";
        case emu::sort_modes::by_size:
            return "sort.size";
        default:
            return "sort.other";
    }
}

std::string view_mode_key(int32_t mode) {
    return mode >= 1 && mode <= 4 ? "view." + std::to_string(mode) : std::string("view.other");
}

}  // namespace

void draw_status(emu::screen& display, int32_t row, emu::panel_pair& panels, size_t faults) {
    emu::panel_model& panel = panels.active();
    const host_texts& t = texts();
    std::string text =
        " " + fill(t.get("status"), {{"folder", panel.directory()},
                                     {"sort", t.get(sort_key(panel.sort_mode()))},
                                     {"reversed", panel.reversed() ? t.get("status.reversed") : ""},
                                     {"mode", std::to_string(panel.view_mode)},
                                     {"mode_name", t.get(view_mode_key(panel.view_mode))},
                                     {"selected", std::to_string(panel.selected_names().size())}});
    display.fill(0, row, display.width() - 1, row, ' ', attr::normal);
    display.text(0, row, text, attr::normal);
    if (faults > 0) {
        std::string note = " " + fill(t.get("status.faults"), {{"count", std::to_string(faults)}}) + " ";
        display.text(display.width() - static_cast<int32_t>(note.size()), row, note, attr::warning);
    }
}

void draw_key_bar(emu::screen& display, int32_t row, const std::string& pairs) {
    display.fill(0, row, display.width() - 1, row, ' ', attr::normal);
    int32_t x = 0;
    for (const auto& [key, label] : key_bar_pairs(pairs)) {
        int32_t gap = key.empty() || label.empty() ? 0 : 1;
        int32_t width = static_cast<int32_t>(key.size() + label.size()) + gap;
        if (x + width > display.width()) break;
        display.text(x, row, key, attr::normal);
        display.text(x + static_cast<int32_t>(key.size()) + gap, row, label, attr::status);
        x += width + 1;
    }
}

}  // namespace tolvik::tools
