#include "host_rows.h"

#include <algorithm>
#include <utility>

#include "host_texts.h"
#include "shorten_path.h"

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
    std::string counts =
        "  " + fill(t.get("status.counts"), {{"selected", std::to_string(panel.selected_count())}});
    std::string note =
        faults > 0 ? " " + fill(t.get("status.faults"), {{"count", std::to_string(faults)}}) + " " : "";
    auto settings = [&](const std::string& folder) {
        return " " + fill(t.get("status"), {{"folder", folder},
                                            {"sort", t.get(sort_key(panel.sort_mode()))},
                                            {"reversed", panel.reversed() ? t.get("status.reversed") : ""},
                                            {"mode", std::to_string(panel.view_mode)},
                                            {"mode_name", t.get(view_mode_key(panel.view_mode))}});
    };
    // The counts and the fault note always show; the folder gives way
    // first, down to a short tail, then the sort and mode from their end.
    int32_t room = display.width() - static_cast<int32_t>(counts.size() + note.size());
    const std::string& folder = panel.directory();
    int32_t folder_room = room - static_cast<int32_t>(settings("").size());
    constexpr int32_t shortest_folder = 8;
    std::string text = settings(emu::shorten(folder, std::max(folder_room, shortest_folder)));
    if (static_cast<int32_t>(text.size()) > room) {
        size_t cut = text.rfind(' ', static_cast<size_t>(std::max(room - 3, 0)));
        text = text.substr(0, cut == std::string::npos ? 0 : cut) + "...";
    }
    display.fill(0, row, display.width() - 1, row, ' ', attr::normal);
    display.text(0, row, text + counts, attr::normal);
    if (!note.empty())
        display.text(display.width() - static_cast<int32_t>(note.size()), row, note, attr::warning);
}

void draw_key_bar(emu::screen& display, int32_t row, const std::string& pairs, const key_bar_order& order) {
    std::vector<key_bar_pair> bar = key_bar_pairs(pairs);
    // Every pair by importance: the order's first, then the rest in the
    // text's order.
    std::vector<size_t> ranked;
    std::vector<bool> named(bar.size(), false);
    for (size_t at : order.importance)
        if (at < bar.size() && !named[at]) ranked.push_back(at), named[at] = true;
    for (size_t at = 0; at < bar.size(); ++at)
        if (!named[at]) ranked.push_back(at);
    size_t kept = std::min(order.kept, ranked.size());

    // The first `shown` pairs of `ranked`, the last `shortened` of those with
    // short labels: 0 for a shown pair with its label, 1 short, -1 left out.
    std::vector<int> form(bar.size());
    auto choose = [&](size_t shown, size_t shortened) {
        std::fill(form.begin(), form.end(), -1);
        for (size_t i = 0; i < shown; ++i) form[ranked[i]] = i + shortened >= shown ? 1 : 0;
    };
    auto label_of = [&](size_t at) -> const std::string& {
        return form[at] == 1 ? bar[at].short_label : bar[at].label;
    };
    auto width_of = [&] {
        int32_t width = -1;
        for (size_t at = 0; at < bar.size(); ++at)
            if (form[at] >= 0) {
                const std::string& label = label_of(at);
                width += static_cast<int32_t>(bar[at].key.size() + label.size()) +
                         (bar[at].key.empty() || label.empty() ? 1 : 2);
            }
        return width;
    };
    bool fits = false;
    for (size_t shown = ranked.size(); !fits && shown + 1 > kept && shown > 0; --shown)
        for (size_t shortened = 0; !fits && shortened <= (order.short_labels ? shown : 0); ++shortened) {
            choose(shown, shortened);
            fits = width_of() <= display.width();
        }
    if (!fits)
        choose(std::min(std::max<size_t>(kept, 1), ranked.size()), order.short_labels ? ranked.size() : 0);

    display.fill(0, row, display.width() - 1, row, ' ', attr::normal);
    int32_t x = 0;
    for (size_t at = 0; at < bar.size(); ++at) {
        if (form[at] < 0) continue;
        const std::string& key = bar[at].key;
        const std::string& label = label_of(at);
        int32_t gap = key.empty() || label.empty() ? 0 : 1;
        int32_t width = static_cast<int32_t>(key.size() + label.size()) + gap;
        // Only on a row too narrow for even the kept pairs: what does not
        // fit whole is left out.
        if (x + width > display.width()) continue;
        display.text(x, row, key, attr::normal);
        display.text(x + static_cast<int32_t>(key.size()) + gap, row, label, attr::status);
        x += width + 1;
    }
}

void draw_key_bar(emu::screen& display, int32_t row, key_bar which) {
    draw_key_bar(display, row, texts().get(key_bar_name(which)), order_of(which));
}

key_bar_order order_of(key_bar which) {
    // Each bar's pairs from the most important to the least, by the key the
    // English text gives the pair, and how many of the first are never left
    // out. Every pair of a bar is named here.
    auto ranked = [which]() -> std::pair<std::vector<std::string>, size_t> {
        switch (which) {
            case key_bar::panels:
                return {{"F10", "F1", "F11", "F12", "t/q/i/p", "v", "s", "Ins"}, 1};
            case key_bar::menu:
                return {{"Enter", "Esc", "Up/Down"}, 2};
            case key_bar::list:
                return {{"Enter", "Esc", "F1", "C-S-F3", "C-F3", "Del", "C-S-F5", "C-R"}, 2};
            case key_bar::ctrl_stand_in:
                return {{"Space", "Esc", "Ctrl", "Up/Down", "Del"}, 2};
            case key_bar::ctrl_held:
                // Ctrl is held by hand here: saying so matters least.
                return {{"Release", "Esc", "Ctrl+~", "Ctrl+Shift+~", "Ctrl"}, 2};
            case key_bar::box:
                return {{"Any"}, 1};
            case key_bar::box_scroll:
                return {{"Other", "Up/Down", "PgUp/PgDn"}, 1};
            case key_bar::help:
                return {{"Esc", "Up/Down", "PgUp/PgDn", "Home/End"}, 1};
            case key_bar::warning:
                return {{"Enter", "Esc"}, 2};
            case key_bar::warning_ctrl_held:
                return {{"Release", "Esc", "Ctrl"}, 2};
            case key_bar::warning_stand_in:
                return {{"Space", "Esc", "Ctrl"}, 2};
        }
        return {};
    };
    auto [keys, kept] = ranked();
    // Every language gives English's pairs in English's order, so a key
    // names the place of its pair in the bar in use too.
    std::vector<key_bar_pair> english = key_bar_pairs(texts().first(key_bar_name(which)));
    key_bar_order order{{}, kept};
    for (const std::string& key : keys)
        for (size_t at = 0; at < english.size(); ++at)
            if (english[at].key == key) order.importance.push_back(at);
    return order;
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
        tools::draw_key_bar(drawn, 0, which);
        kept = {texts_generation(), display.width(), std::string(drawn.row_cells(0))};
    }
    display.set_row_cells(row, kept.cells);
}

}  // namespace tolvik::tools
