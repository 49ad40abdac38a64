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
                                     {"selected", std::to_string(panel.selected_count())}});
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

const char* key_bar_name(key_bar which) {
    switch (which) {
        case key_bar::panels:
            return "keybar.panels";
        case key_bar::menu:
            return "keybar.menu";
        case key_bar::list:
            return "keybar.list";
        case key_bar::ctrl_stand_in:
            return "keybar.ctrl_stand_in";
        case key_bar::ctrl_held:
            return "keybar.ctrl_held";
        case key_bar::box:
            return "keybar.box";
        case key_bar::box_scroll:
            return "keybar.box_scroll";
        case key_bar::help:
            return "keybar.help";
        case key_bar::warning:
            return "keybar.warning";
        case key_bar::warning_ctrl_held:
            return "keybar.warning_ctrl_held";
        case key_bar::warning_stand_in:
            return "keybar.warning_stand_in";
    }
    return "keybar.panels";
}

void host_rows_cache::draw_status(emu::screen& display, int32_t row, emu::panel_pair& panels, size_t faults) {
    const emu::panel_model& panel = panels.active();
    status_inputs& from = status_from_;
    size_t selected = panel.selected_count();
    if (from.texts != texts_generation() || from.width != display.width() ||
        from.folder != panel.directory() || from.sort != panel.sort_mode() ||
        from.reversed != panel.reversed() || from.mode != panel.view_mode || from.selected != selected ||
        from.faults != faults) {
        from = {texts_generation(), display.width(), panel.directory(), panel.sort_mode(),
                panel.reversed(),   panel.view_mode, selected,          faults};
        emu::screen drawn(display.width(), 1);
        tools::draw_status(drawn, 0, panels, faults);
        status_cells_.assign(drawn.row_cells(0));
    }
    display.set_row_cells(row, status_cells_);
}

void host_rows_cache::draw_key_bar(emu::screen& display, int32_t row, key_bar which) {
    kept_row& kept = bars_[static_cast<size_t>(which)];
    if (kept.texts != texts_generation() || kept.width != display.width()) {
        emu::screen drawn(display.width(), 1);
        tools::draw_key_bar(drawn, 0, texts().get(key_bar_name(which)));
        kept = {texts_generation(), display.width(), std::string(drawn.row_cells(0))};
    }
    display.set_row_cells(row, kept.cells);
}

}  // namespace tolvik::tools
