// The numbers of the plugin's dialog layouts, in character cells.
//
// A list line is its number, the view's type label and its path, plus
// line_fixed_columns: the validity mark, three blanks, the side mark and a
// closing blank. The list box is line_right_gap columns wider than its lines.
#pragma once

namespace tolvik::layout {

// Between the dialog's edge and its double box. In Ctrl mode there is none,
// so that the box lies on the dialog's edge.
struct margins {
    int x;
    int y;
};
constexpr margins margins_for(bool ctrl_mode) { return ctrl_mode ? margins{0, 0} : margins{2, 1}; }

constexpr int line_fixed_columns = 6;
constexpr int line_right_gap = 4;
// Columns the list dialog's title needs beyond its text.
constexpr int title_gap = 4;
// The list dialog's bounds: a width cut to max_width, a fixed height.
constexpr int max_width = 68;
constexpr int list_dialog_height = 12;

// The warning box: the inner width holds each text line and the title with
// warning_title_gap columns; the box adds warning_frame_columns and the
// margins; its rows are warning_rows plus three vertical margins.
constexpr int warning_title_gap = 2;
constexpr int warning_frame_columns = 4;
constexpr int warning_rows = 4;

}  // namespace tolvik::layout
