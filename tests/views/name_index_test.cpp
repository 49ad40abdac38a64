// The name index over a host item array: names read within their 260 bytes,
// the first of equal names, empty and absurd listings, and the scan it falls
// back to without memory.
#include "views/name_index.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "base/memory.h"
#include "host/panel_info.h"

namespace tolvik::test {
namespace {

panel_item named(const std::string& name) {
    panel_item item{};
    std::memcpy(item.file_name, name.data(), name.size() < max_path ? name.size() + 1 : max_path);
    return item;
}

// A full 260-byte name without its terminator, followed in the record by
// `after` (the bytes a reader that runs past the field would take in).
panel_item unterminated(char fill, char after) {
    panel_item item{};
    std::memset(item.file_name, fill, max_path);
    std::memset(item.short_name, after, sizeof item.short_name);
    return item;
}

TEST(name_index, finds_each_name_and_the_first_of_equal_names) {
    std::vector<panel_item> items;
    for (int i = 0; i < 100; ++i) items.push_back(named("file" + std::to_string(i) + ".txt"));
    items.push_back(named("file7.txt"));
    items.push_back(named(""));
    for (bool hashed : {true, false}) {
        const long blocks = memory::live_blocks();
        if (!hashed) memory::fail_allocation(1);
        name_index index(items.data(), static_cast<int32_t>(items.size()));
        memory::fail_allocation(0);
        ASSERT_EQ(memory::live_blocks() - blocks, hashed ? 1 : 0) << "the table, or the scan without it";
        for (int i = 0; i < 100; ++i)
            EXPECT_EQ(index.first_match(items[i].file_name), i)
                << items[i].file_name << (hashed ? "" : " (scan)");
        EXPECT_EQ(index.first_match("file100.txt"), -1);
        EXPECT_EQ(index.first_match("file7.tx"), -1);
        EXPECT_EQ(index.first_match("FILE7.TXT"), -1) << "names match byte for byte";
        EXPECT_EQ(index.first_match(""), -1) << "an empty name is never found";
    }
}

TEST(name_index, unterminated_names_are_read_within_260_bytes) {
    // Equal in their 260 bytes, different after them: one name, the first.
    std::vector<panel_item> items{named("a"), unterminated('n', 'x'), unterminated('n', 'y')};
    // 259 bytes of the same letter: a different, shorter name.
    items.push_back(named(std::string(max_path - 1, 'n')));
    for (bool hashed : {true, false}) {
        if (!hashed) memory::fail_allocation(1);
        name_index index(items.data(), static_cast<int32_t>(items.size()));
        memory::fail_allocation(0);
        panel_item query = unterminated('n', 'z');
        EXPECT_EQ(index.first_match(query.file_name), 1) << (hashed ? "hashed" : "scan");
        EXPECT_EQ(index.first_match(items[2].file_name), 1) << (hashed ? "hashed" : "scan");
        EXPECT_EQ(index.first_match(items[3].file_name), 3) << (hashed ? "hashed" : "scan");
    }
    // Alone in the listing, each unterminated name is found under itself.
    name_index second_only(&items[2], 1);
    EXPECT_EQ(second_only.first_match(items[1].file_name), 0);
}

TEST(name_index, empty_listings_find_nothing_and_hold_no_memory) {
    panel_item one = named("x");
    struct case_ {
        const panel_item* items;
        int32_t count;
    } cases[] = {{nullptr, 0}, {&one, 0}, {nullptr, 5}, {&one, -1}, {&one, INT32_MIN}};
    for (const auto& c : cases) {
        const long blocks = memory::live_blocks();
        name_index index(c.items, c.count);
        EXPECT_EQ(memory::live_blocks(), blocks) << "count " << c.count;
        EXPECT_EQ(index.first_match("x"), -1) << "count " << c.count;
    }
}

TEST(name_index, an_absurd_count_is_scanned_not_hashed) {
    // Beyond 2^24 items the table's size would not fit 32 bits; the index
    // must neither allocate nor loop. Only the first items are real, so only
    // they are asked for.
    std::vector<panel_item> items{named("first"), named("second")};
    for (int32_t count : {(1 << 24) + 1, INT32_MAX}) {
        const long blocks = memory::live_blocks();
        name_index index(items.data(), count);
        EXPECT_EQ(memory::live_blocks(), blocks) << "count " << count;
        EXPECT_EQ(index.first_match("first"), 0);
        EXPECT_EQ(index.first_match("second"), 1);
    }
}

}  // namespace
}  // namespace tolvik::test
