// The two rows under the panels, in the host's texts (host_texts.h): the
// active panel's status and the key bar.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "panels.h"
#include "screen.h"

namespace tolvik::tools {

// The status row: the active panel's directory, sort, order, view mode and
// selection, and how many host faults were recorded.
void draw_status(emu::screen& display, int32_t row, emu::panel_pair& panels, size_t faults);

// The key bars the host shows, one per state of what has the keyboard.
enum class key_bar {
    panels,
    menu,
    list,
    ctrl_stand_in,
    ctrl_held,
    box,
    box_scroll,
    help,
    warning,
    warning_ctrl_held,
    warning_stand_in,
};
constexpr size_t key_bar_count = static_cast<size_t>(key_bar::warning_stand_in) + 1;
// The name of its text ("keybar.panels").
const char* key_bar_name(key_bar which);

// How a bar gives way on a narrow row. `importance` lists the bar's pairs
// (by their place in its text) from the most important to the least; the
// first `kept` of them (the way to keep and the way back: Enter, Esc, the
// Ctrl release, F10 in the panels) are never left out. A pair the list does
// not name counts as less important than every named one.
struct key_bar_order {
    std::vector<size_t> importance;
    size_t kept = 0;
    bool short_labels = true;  // false: labels never shorten
};
// The order of `which` for the texts in use (host_rows.cpp ranks each bar's
// pairs by their English keys).
key_bar_order order_of(key_bar which);

// A key bar from "Key Label|Key Label|..." pairs (host_texts.h): keys plain,
// labels highlighted, in the text's order. When the row is too narrow,
// labels take their short forms, the least important pair first, and only
// when every label of the pairs shown is short is the least important pair
// left out, and so on; a pair is shown whole or not at all. With an empty
// order that keeps labels whole, the bar shows as many pairs as fit from its
// first.
void draw_key_bar(emu::screen& display, int32_t row, const std::string& pairs, const key_bar_order& order);
// The bar of `which` from the texts in use.
void draw_key_bar(emu::screen& display, int32_t row, key_bar which);

// The two rows as a session draws them at every paint: each row is kept as
// drawn with what it was drawn from, and copied onto the screen again while
// all of that is the same. The status row comes from the texts in use
// (texts_generation()), the screen's width, the active panel's directory,
// sort, order, view mode and count of selected items, and the fault count;
// a key bar from the texts in use and the width.
class host_rows_cache {
public:
    void draw_status(emu::screen& display, int32_t row, emu::panel_pair& panels, size_t faults);
    void draw_key_bar(emu::screen& display, int32_t row, key_bar which);

private:
    struct status_inputs {
        int texts = -1;
        int width = 0;
        std::string folder;
        int32_t sort = 0;
        bool reversed = false;
        int32_t mode = 0;
        size_t selected = 0;
        size_t faults = 0;
    };
    struct kept_row {
        int texts = -1;
        int width = 0;
        std::string cells;  // as emu::screen::row_cells() gives them
    };
    status_inputs status_from_;
    std::string status_cells_;
    kept_row bars_[key_bar_count];
};

}  // namespace tolvik::tools
