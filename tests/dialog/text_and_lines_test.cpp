// Bounded texts and list lines: whatever the language file, the labels or the
// directory hold, the dialog writes terminated texts that fit their fields.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>

#include "base/memory.h"
#include "dialog/item_fillers.h"
#include "dialog/line_buffer.h"
#include "dialog/list_line.h"
#include "dialog/text.h"

namespace tolvik::test {
namespace {

std::string substituted(const char* format, const char* argument, size_t size = 512) {
    char out[600];
    std::memset(out, '#', sizeof out);
    size_t n = substitute_string(out, size, format, argument);
    EXPECT_EQ(n, std::strlen(out)) << "expected the returned length to match the text";
    EXPECT_LT(n, size);
    return out;
}

TEST(substitute_string, puts_the_argument_into_the_first_placeholder_only_and_cuts_to_the_buffer) {
    EXPECT_EQ(substituted("Active panel: %s.", "tree panel"), "Active panel: tree panel.");
    EXPECT_EQ(substituted("%s and %s", "A"), "A and %s");
    EXPECT_EQ(substituted("%s", nullptr), "");
    EXPECT_EQ(substituted(nullptr, "x"), "");
    // A language file holding %n or %d must not make the plugin read or write
    // anywhere: they are shown as they stand.
    EXPECT_EQ(substituted("%n%d %s %x%%", "L"), "%n%d L %x%%");
    EXPECT_EQ(substituted("no placeholder %d", "L"), "no placeholder %d");
    EXPECT_EQ(substituted("%", "L"), "%");
    // Cut to the buffer.
    std::string label(1000, 'a');
    std::string out = substituted("<%s>", label.c_str());
    EXPECT_EQ(out.size(), 511u) << "expected 511 characters, got " << out.size();
    EXPECT_EQ(out.substr(0, 2), "<a");
    EXPECT_EQ(substituted("abcdef%s", "xyz", 4), "abc");
    EXPECT_EQ(substituted("ab%sef", "xyz", 6), "abxyz");
}

TEST(copy_text, cuts_and_terminates) {
    char out[4];
    EXPECT_EQ(copy_text(out, sizeof out, "abcdef"), 3u);
    EXPECT_STREQ(out, "abc");
    EXPECT_EQ(copy_text(out, sizeof out, nullptr), 0u);
    EXPECT_STREQ(out, "");
}

std::string line_of(const line_fields& fields) {
    char out[list_text_size];
    std::memset(out, '#', sizeof out);
    size_t n = format_list_line(out, fields);
    EXPECT_EQ(n, std::strlen(out));
    EXPECT_LT(n, static_cast<size_t>(list_text_size));
    return out;
}

TEST(format_list_line, lays_out_number_marks_label_and_path) {
    EXPECT_EQ(line_of({1, 3, '.', 10, "file panel", '<', 8, "C:\\dir"}), "3. file panel < C:\\dir   ");
    EXPECT_EQ(line_of({2, 7, '-', 12, "tree panel", ' ', 4, "C:\\longer"}), " 7- tree panel     C:\\l ");
    EXPECT_EQ(line_of({1, 12, '.', 2, "plugin", '>', 0, "C:\\"}), "12. pl >  ");
    // A null label or path is blank; a negative number keeps its sign.
    EXPECT_EQ(line_of({2, 3, '.', 4, nullptr, '<', 3, nullptr}), " 3.      <     ");
    EXPECT_EQ(line_of({3, -12, '-', 1, "f", ' ', 3, "C:\\"}), "-12- f   C:\\ ");
    EXPECT_EQ(line_of({1, -2147483647 - 1, '.', 1, "f", ' ', 0, ""}), "-2147483648. f    ");
    EXPECT_EQ(line_of({1, 0, '.', 1, "f", ' ', 0, ""}), "0. f    ") << "zero is one digit, with no sign";
    EXPECT_EQ(message_length(nullptr), 0u);
    EXPECT_EQ(message_length("four"), 4u);
}

TEST(format_list_line, fits_128_characters_whatever_the_fields) {
    std::string label(500, 'L');
    std::string line = line_of({9, 1, '.', 500, label.c_str(), '<', 300, "C:\\x"});
    EXPECT_EQ(line.size(), 127u) << "expected the line cut to 127, got " << line.size();
    EXPECT_EQ(line.substr(0, 11), "        1. ");

    // A negative path width (the width clamped while labels are wide) shows
    // no path at all instead of the whole of it.
    line = line_of({1, 4, '.', 3, "abc", '>', -20, "C:\\some\\directory"});
    EXPECT_EQ(line, "4. abc >  ") << "expected no path for a negative width";

    // Huge widths from a hostile layout are cut, never written past the field.
    line = line_of({1000, 5, '.', 2000, "x", ' ', 2000, "y"});
    EXPECT_EQ(line.size(), 127u);
}

TEST(format_list_line, reads_the_path_no_further_than_its_width) {
    // An unterminated path buffer: only `path_width` characters may be read
    // (AddressSanitizer reports any read past the array).
    char* path = new char[5];
    std::memcpy(path, "C:\\ab", 5);
    EXPECT_EQ(line_of({1, 1, '.', 1, "f", ' ', 5, path}), "1. f   C:\\ab ");
    delete[] path;
}

TEST(digit_count, counts_decimal_digits) {
    EXPECT_EQ(digit_count(1), 1);
    EXPECT_EQ(digit_count(9), 1);
    EXPECT_EQ(digit_count(10), 2);
    EXPECT_EQ(digit_count(99), 2);
    EXPECT_EQ(digit_count(100), 3);
    EXPECT_EQ(digit_count(2147483647), 10);
    EXPECT_EQ(digit_count(-5), 2);
}

TEST(line_buffer, out_of_memory_leaves_no_block_and_no_leak) {
    long live = memory::live_blocks();
    {
        line_buffer lines;
        EXPECT_EQ(lines.count, 0) << "a new buffer holds no lines";
        EXPECT_EQ(lines.block, nullptr);
        ASSERT_TRUE(lines.resize_lines(3));
        EXPECT_EQ(lines.count, 3);
        EXPECT_NE(lines.block, nullptr);
        memory::fail_allocation(1);
        EXPECT_FALSE(lines.resize_lines(5));
        EXPECT_EQ(lines.count, 0);
        EXPECT_EQ(lines.block, nullptr);
        EXPECT_FALSE(lines.resize_lines(-1));
        EXPECT_FALSE(lines.resize_lines(INT32_MAX)) << "so many records do not fit in the address space";
        if constexpr (sizeof(size_t) == 4) {
            // The smallest count whose size wraps around to a few bytes.
            const auto wraps = static_cast<int32_t>(SIZE_MAX / sizeof(list_item) + 1);
            EXPECT_FALSE(lines.resize_lines(wraps)) << wraps << " records' size does not fit in size_t";
        }
        EXPECT_EQ(lines.count, 0);
        ASSERT_TRUE(lines.resize_lines(0));
        EXPECT_EQ(lines.count, 0);
    }
    memory::fail_allocation(0);
    EXPECT_EQ(memory::live_blocks(), live) << "expected every block released";
}

TEST(item_fillers, write_only_their_fields_and_cut_the_text) {
    FarDialogItem item;
    std::memset(&item, 0x77, sizeof item);
    std::string title(700, 't');
    set_text_item(item, -1, 3, title.c_str(), 0x4000);
    EXPECT_EQ(item.type, item_text);
    EXPECT_EQ(item.left, -1);
    EXPECT_EQ(item.top, 3);
    EXPECT_EQ(item.right, 0x77777777) << "the text filler leaves right untouched";
    EXPECT_EQ(item.bottom, 0x77777777);
    EXPECT_EQ(item.flags, 0x4000u);
    EXPECT_EQ(item.focus, 0);
    EXPECT_EQ(item.default_button, 0);
    EXPECT_EQ(std::strlen(item.text), 511u);

    list_record list{};
    set_list_box_item(item, 3, 2, 40, 9, list, 0x40040000);
    EXPECT_EQ(item.type, item_list_box);
    EXPECT_EQ(item.right, 40);
    EXPECT_EQ(item.bottom, 9);
    EXPECT_EQ(item.list, &list);
    EXPECT_STREQ(item.text, "");

    set_button_item(item, -1, 4, "OK", 0x10004000);
    EXPECT_EQ(item.type, item_button);
    EXPECT_EQ(item.list, &list) << "the button filler leaves the list pointer untouched";
    set_box_item(item, 2, 1, 45, 10, nullptr, 0);
    EXPECT_EQ(item.type, item_double_box);
    EXPECT_STREQ(item.text, "");
}

}  // namespace
}  // namespace tolvik::test
