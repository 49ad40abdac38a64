// The host's screen: a grid of character cells, each with an attribute (the
// colour class the host would draw it in). The host draws its panels and then
// its open dialogs into it; tests compare dumps against golden text.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tolvik::emu {

// Colour classes. The letter in the comment is the cell's mark in
// screen::attribute_rows().
enum class attr : char {
    normal = '.',          // outside everything
    panel = 'p',           // panel body and frame
    panel_title = 'P',     // the directory in a panel's top border
    cursor_line = 'c',     // a panel's cursor line (passive panel)
    active_cursor = 'C',   // the active panel's cursor line
    selected = 's',        // a selected panel item
    status = 'u',          // the footer line
    dialog = 'd',          // dialog body and texts
    frame = 'f',           // a dialog's double box and its title
    list_cursor = 'l',     // the list box line under the cursor
    disabled = 'x',        // a disabled list line
    warning = 'w',         // body of a dialog drawn in warning colours
    warning_frame = 'W',   // its box
    button = 'b',          // a button
    focused_button = 'B',  // the focused (or default) button
    shadow = 'h',          // a box's shadow over what lies under it
};

class screen {
public:
    explicit screen(int width = 80, int height = 25);

    // Changes the size and clears the screen.
    void resize(int width, int height);
    int width() const { return width_; }
    int height() const { return height_; }

    // Rows at the bottom that belong to the host's own lines (its status row
    // and key bar): dialogs and boxes are drawn above them, in box_height()
    // rows. 0 (the default) leaves the whole screen to them; a resize keeps
    // the count.
    void set_bottom_rows(int rows) { bottom_rows_ = std::max(rows, 0); }
    int box_height() const { return std::max(height_ - bottom_rows_, 1); }

    // Every cell becomes a blank with attribute `a`.
    void clear(attr a = attr::normal);

    // Writes one cell; cells outside the screen are ignored.
    void put(int x, int y, char c, attr a);
    // Writes `text` from (x, y), at most `max_width` cells when that is not
    // negative; clipped to the screen. Control characters are shown as '?'.
    void text(int x, int y, std::string_view text, attr a, int max_width = -1);
    // Fills a rectangle (inclusive corners) with `c`.
    void fill(int left, int top, int right, int bottom, char c, attr a);
    // Copies `count` cells of row `from_y` of `from`, from column `from_x`,
    // to (x, y): cells `from` does not have become blanks, cells outside
    // this screen are left out.
    void copy_row(int x, int y, const screen& from, int from_x, int from_y, int count);
    // A double box with inclusive corners and its title centred in the top
    // border (" title "); a title too long for the border is cut.
    void double_box(int left, int top, int right, int bottom, attr a, std::string_view title = {});
    // A single box, same rules.
    void single_box(int left, int top, int right, int bottom, attr a, std::string_view title = {},
                    attr title_attr = attr::panel_title);
    // Writes " title " centred in the top border between the two corners.
    void single_box_title(int left, int top, int right, std::string_view title, attr title_attr);

    char char_at(int x, int y) const;
    attr attr_at(int x, int y) const;
    // Row y (inside the screen) as width() pairs of a character and its
    // attribute; valid until the next resize.
    std::string_view row_cells(int y) const {
        return {reinterpret_cast<const char*>(cells_.data() + static_cast<size_t>(y) * width_),
                static_cast<size_t>(width_) * sizeof(cell)};
    }
    // Sets row y from pairs as row_cells() gives them, as many as both hold;
    // a row outside the screen is ignored.
    void set_row_cells(int y, std::string_view cells);

    // One string per row, trailing blanks trimmed.
    std::vector<std::string> text_rows() const;
    // One string per row, one attribute letter per cell, trailing cells that
    // are blank and normal trimmed, so the rows line up with text_rows().
    std::vector<std::string> attribute_rows() const;
    // The rows joined with '\n' (each row followed by one).
    std::string dump() const;
    std::string dump_attributes() const;
    // Row y as text_rows() gives it; empty outside the screen.
    std::string row(int y) const;
    // True when some row contains `text`.
    bool shows(std::string_view text) const;

private:
    struct cell {
        char c;
        attr a;
    };
    static_assert(sizeof(cell) == 2, "row_cells() hands out cells as pairs of bytes");
    int width_ = 0;
    int height_ = 0;
    int bottom_rows_ = 0;
    std::vector<cell> cells_;

    int trimmed_length(int y) const;
};

}  // namespace tolvik::emu
