// The screen's bulk writes (clear, fill, boxes, row copies) against the
// one-cell writes they stand for, and its rows read and written as character
// and attribute pairs.
#include <gtest/gtest.h>

#include <string>

#include "emulator/screen.h"

namespace tolvik::test {
using namespace emu;
namespace {

// The first cell where `a` and `b` differ, as "x,y: 'char' attr against
// 'char' attr"; empty when none does.
std::string first_difference(const screen& a, const screen& b) {
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.char_at(x, y) != b.char_at(x, y) || a.attr_at(x, y) != b.attr_at(x, y))
                return std::to_string(x) + "," + std::to_string(y) + ": '" + a.char_at(x, y) + "' " +
                       static_cast<char>(a.attr_at(x, y)) + " against '" + b.char_at(x, y) + "' " +
                       static_cast<char>(b.attr_at(x, y));
    return "";
}

struct rectangle {
    int left, top, right, bottom;
};

TEST(screen_cells, fill_writes_what_a_put_per_cell_writes_wherever_the_rectangle_lies) {
    // Inside, across each edge, around the whole screen, wholly outside,
    // inverted, and one cell; on a screen of odd size.
    const rectangle rectangles[] = {{2, 1, 9, 3},      {-5, -2, 3, 2}, {10, 4, 40, 20}, {-1, -1, 17, 7},
                                    {-100, 2, 100, 2}, {18, 0, 30, 6}, {0, 8, 16, 12},  {5, 3, 4, 6},
                                    {5, 4, 8, 3},      {6, 6, 6, 6},   {0, 0, 0, 0},    {16, 6, 16, 6},
                                    {-3, -3, -1, -1}};
    for (const rectangle& r : rectangles) {
        for (char c : {'#', '\x01'}) {
            screen filled(17, 7);
            screen by_cells(17, 7);
            filled.text(0, 0, "background", attr::panel);
            by_cells.text(0, 0, "background", attr::panel);
            filled.fill(r.left, r.top, r.right, r.bottom, c, attr::warning);
            for (int y = r.top; y <= r.bottom; ++y)
                for (int x = r.left; x <= r.right; ++x) by_cells.put(x, y, c, attr::warning);
            EXPECT_EQ(first_difference(filled, by_cells), "")
                << "fill " << r.left << "," << r.top << " to " << r.right << "," << r.bottom;
        }
    }
}

TEST(screen_cells, clear_sets_every_cell_of_any_size) {
    for (auto [width, height] : {std::pair{1, 1}, {2, 1}, {3, 1}, {5, 3}, {80, 25}, {401, 3}}) {
        screen s(width, height);
        s.fill(0, 0, width - 1, height - 1, 'x', attr::dialog);
        s.clear(attr::status);
        screen expected(width, height);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) expected.put(x, y, ' ', attr::status);
        EXPECT_EQ(first_difference(s, expected), "") << width << "x" << height;
    }
}

TEST(screen_cells, box_borders_are_the_cells_a_put_per_cell_writes_wherever_the_box_lies) {
    const rectangle boxes[] = {{2, 1, 9, 5}, {-5, -2, 3, 2}, {10, 4, 40, 20}, {-1, -1, 17, 7},
                               {3, 2, 3, 2}, {4, 3, 5, 3},   {6, 0, 8, 6},    {20, 1, 30, 3}};
    for (const rectangle& r : boxes) {
        for (bool twice : {false, true}) {
            screen drawn(17, 7);
            screen by_cells(17, 7);
            if (twice)
                drawn.double_box(r.left, r.top, r.right, r.bottom, attr::frame);
            else
                drawn.single_box(r.left, r.top, r.right, r.bottom, attr::frame);
            char horizontal = twice ? '=' : '-';
            for (int x = r.left + 1; x < r.right; ++x) {
                by_cells.put(x, r.top, horizontal, attr::frame);
                by_cells.put(x, r.bottom, horizontal, attr::frame);
            }
            for (int y = r.top + 1; y < r.bottom; ++y) {
                by_cells.put(r.left, y, '|', attr::frame);
                by_cells.put(r.right, y, '|', attr::frame);
            }
            for (int x : {r.left, r.right})
                for (int y : {r.top, r.bottom}) by_cells.put(x, y, '+', attr::frame);
            EXPECT_EQ(first_difference(drawn, by_cells), "")
                << (twice ? "double" : "single") << " box " << r.left << "," << r.top << " to " << r.right
                << "," << r.bottom;
        }
    }
}

TEST(screen_cells, row_copies_take_what_the_source_has_and_blank_the_rest) {
    // The source: 7x3 with a letter and attribute of its own in every cell.
    screen source(7, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 7; ++x) source.put(x, y, static_cast<char>('a' + y * 7 + x), attr::dialog);
    struct copy {
        int x, y, from_x, from_y, count;
    };
    // Inside, across either edge of the target or of the source, a source
    // row outside it, nothing to copy.
    const copy copies[] = {{2, 1, 0, 0, 7}, {-3, 0, 0, 1, 7}, {8, 2, 1, 2, 6},  {0, 3, -2, 0, 12},
                           {1, 1, 4, 1, 9}, {3, 2, 0, 5, 4},  {4, 0, 2, -1, 3}, {0, 0, 0, 0, 0},
                           {5, 9, 0, 0, 4}, {12, 1, 0, 0, 3}};
    for (const copy& c : copies) {
        screen copied(12, 4);
        screen by_cells(12, 4);
        copied.fill(0, 0, 11, 3, '.', attr::panel);
        by_cells.fill(0, 0, 11, 3, '.', attr::panel);
        copied.copy_row(c.x, c.y, source, c.from_x, c.from_y, c.count);
        for (int i = 0; i < c.count; ++i) {
            char ch = source.char_at(c.from_x + i, c.from_y);
            by_cells.put(c.x + i, c.y, ch ? ch : ' ', ch ? attr::dialog : attr::normal);
        }
        EXPECT_EQ(first_difference(copied, by_cells), "") << "copy to " << c.x << "," << c.y << " from "
                                                          << c.from_x << "," << c.from_y << " of " << c.count;
    }
}

TEST(screen_cells, rows_read_as_pairs_of_character_and_attribute) {
    screen s(6, 3);
    s.text(1, 1, "ab", attr::selected);
    s.put(5, 2, 'z', attr::frame);
    EXPECT_EQ(s.row_cells(0), std::string(" . . . . . ."));
    EXPECT_EQ(s.row_cells(1), std::string(" .asbs . . ."));
    EXPECT_EQ(s.row_cells(2), std::string(" . . . . .zf"));
    // Written back: the pairs both rows hold, on a row of another screen.
    screen other(4, 2);
    other.set_row_cells(1, s.row_cells(1));
    EXPECT_EQ(other.row_cells(1), std::string(" .asbs ."));
    other.set_row_cells(0, "xsys");
    EXPECT_EQ(other.row_cells(0), std::string("xsys . ."));
    other.set_row_cells(2, "zz");
    EXPECT_EQ(other.dump(), "xy\n ab\n") << "a row outside the screen is left out";
    s.resize(2, 1);
    EXPECT_EQ(s.row_cells(0), std::string(" . ."));
}

}  // namespace
}  // namespace tolvik::test
