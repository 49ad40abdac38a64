// A box of text lines as the host draws its message boxes and its help:
// margins of 2 columns and 1 row around a double box, one blank column inside
// each side, the title in the top border and a row of buttons under the
// lines. It is centred in the screen's box area (screen::box_height()), so it
// never covers the host's own rows below it. A box larger than that area is
// clipped with its frame whole: narrower, its lines are cut; taller, it first
// gives up its margin rows, then shows the lines from `first` on that fit and
// says where it is in its bottom border (" 3-11/20 "); the scroll keys move
// through the rest.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "screen.h"

namespace tolvik::emu {

struct text_box {
    std::string title;
    std::vector<std::string> lines;
    std::vector<std::string> buttons;  // the first is the focused one
    attr body = attr::dialog;
    attr frame = attr::frame;
};

// Columns of a box besides its text: a margin of 2, the border and a blank
// column on each side.
constexpr int32_t text_box_frame_columns = 8;

// How many of the box's lines show at once on `display` (at least 1).
int32_t visible_lines(const screen& display, const text_box& box);

// The first line shown after a scroll key (Up, Down, PgUp, PgDn, Home, End,
// the wheel) over `count` lines of which `visible` show; -1 when `key` is no
// scroll key.
int32_t scrolled(int32_t key, int32_t first, int32_t visible, int32_t count);

// Draws the box showing its lines from `first` (kept in range).
void draw_text_box(screen& display, const text_box& box, int32_t first);

// The shadow of a box with these inclusive corners: the cells two columns to
// its right and one row below it keep their characters in attr::shadow,
// within the screen's box area.
void draw_box_shadow(screen& display, int32_t left, int32_t top, int32_t right, int32_t bottom);

// "[ OK ]": a button as the host draws it.
std::string button_label(const std::string& text);

}  // namespace tolvik::emu
