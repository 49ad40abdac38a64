// The screen's bulk writes (clear, fill) against the one-cell write they
// stand for, and its rows read as character and attribute pairs.
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

TEST(screen_cells, fill_writes_what_a_put_per_cell_writes_wherever_the_rectangle_lies) {
    struct rectangle {
        int left, top, right, bottom;
    };
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

TEST(screen_cells, rows_read_as_pairs_of_character_and_attribute) {
    screen s(6, 3);
    s.text(1, 1, "ab", attr::selected);
    s.put(5, 2, 'z', attr::frame);
    EXPECT_EQ(s.row_cells(0), std::string(" . . . . . ."));
    EXPECT_EQ(s.row_cells(1), std::string(" .asbs . . ."));
    EXPECT_EQ(s.row_cells(2), std::string(" . . . . .zf"));
    s.resize(2, 1);
    EXPECT_EQ(s.row_cells(0), std::string(" . ."));
}

}  // namespace
}  // namespace tolvik::test
