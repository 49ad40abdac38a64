// The two rows under the panels, in the host's texts (host_texts.h): the
// active panel's status and the key bar.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "panels.h"
#include "screen.h"

namespace tolvik::tools {

// The status row: the active panel's directory, sort, order, view mode and
// selection, and how many host faults were recorded.
void draw_status(emu::screen& display, int32_t row, emu::panel_pair& panels, size_t faults);

// A key bar from "Key Label|Key Label|..." pairs: keys plain, labels
// highlighted. A pair that does not fit whole in the screen's width is left
// out, and so is every pair after it.
void draw_key_bar(emu::screen& display, int32_t row, const std::string& pairs);

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
