// One line of the view list, as the host shows it:
//   number (right-aligned in `digits` columns), validity mark, blank,
//   label (padded and cut to `label_width`), blank, side mark, blank,
//   path (padded and cut to `path_width`), blank.
// The line is cut to fit the list item's 128-character text field.
#pragma once

#include <cstddef>

#include "host/dialog_items.h"

namespace tolvik {

struct line_fields {
    int digits;
    int number;
    char valid_mark;  // '.' valid, '-' directory missing
    int label_width;
    const char* label;  // null = empty
    char side_mark;     // ' ', '<' or '>'
    int path_width;     // negative counts as 0
    const char* path;   // null = empty; read no further than path_width
};

// Number of decimal digits of n (at least 1; a minus sign counts).
int digit_count(int n) noexcept;

// Writes the line, terminated, into `out`; returns its length (< list_text_size).
size_t format_list_line(char (&out)[list_text_size], const line_fields& fields) noexcept;

}  // namespace tolvik
