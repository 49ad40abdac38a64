// The top line rule for every cursor index, in both page heights.
#include <gtest/gtest.h>

#include "dialog/view_list_dialog_impl.h"

namespace tolvik::test {
namespace {

int32_t top_for(int32_t visible, int32_t count, int32_t select) {
    view_list_dialog_impl dialog;
    dialog.items[1].top = 2;
    dialog.items[1].bottom = 2 + visible - 1;
    dialog.list().record().count = count;
    list_position position{select, -99};
    dialog.list().compute_top(position);
    EXPECT_EQ(position.select, select) << "the cursor index is left alone";
    return position.top;
}

TEST(compute_top, ten_lines_eight_visible) {
    const int32_t expected[10] = {0, 0, 0, 0, 1, 2, 2, 2, 2, 2};
    for (int32_t s = 0; s < 10; ++s)
        EXPECT_EQ(top_for(8, 10, s), expected[s]) << "cursor " << s << ": expected " << expected[s];
}

TEST(compute_top, ten_lines_ten_visible_and_twelve_lines) {
    for (int32_t s = 0; s < 10; ++s) EXPECT_EQ(top_for(10, 10, s), 0) << "cursor " << s;
    const int32_t expected[12] = {0, 0, 0, 0, 0, 1, 2, 2, 2, 2, 2, 2};
    for (int32_t s = 0; s < 12; ++s)
        EXPECT_EQ(top_for(10, 12, s), expected[s]) << "cursor " << s << ": expected " << expected[s];
}

TEST(compute_top, short_lists_always_start_at_the_top) {
    for (int32_t n = 0; n <= 8; ++n)
        for (int32_t s = 0; s < n; ++s) EXPECT_EQ(top_for(8, n, s), 0) << n << " lines, cursor " << s;
}

}  // namespace
}  // namespace tolvik::test
