// Where an open dialog shows on a screen. A dialog that fits in the screen's
// box area (screen::box_height() rows) shows at its own place, moved into
// the area when it reaches past it. A dialog larger than the area is folded
// with its frame whole: its first rows (columns) show, then its last rows
// (columns) from its double box's bottom border (right border) on; the part
// in between is left out.
#pragma once

#include <cstdint>

#include "dialog_state.h"
#include "screen.h"

namespace tolvik::emu {

struct dialog_placement {
    int32_t left = 0;  // screen cell of the dialog's first shown column and row
    int32_t top = 0;
    int32_t shown_width = 0;
    int32_t shown_height = 0;
    int32_t columns_kept = 0;  // dialog columns shown before the fold
    int32_t columns_skipped = 0;
    int32_t rows_kept = 0;  // dialog rows shown before the fold
    int32_t rows_skipped = 0;

    // The dialog's own column and row of a screen cell; -1 outside it.
    int32_t column_at(int32_t x) const;
    int32_t row_at(int32_t y) const;
    // The screen column and row of a dialog cell; -1 when it is folded away.
    int32_t screen_x(int32_t column) const;
    int32_t screen_y(int32_t row) const;
};

dialog_placement place(const screen& display, const open_dialog& dialog);

}  // namespace tolvik::emu
