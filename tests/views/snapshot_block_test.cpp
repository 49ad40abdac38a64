// The layout of a snapshot's block: the custom column pointer arrays aligned
// after the item records, and when a re-capture rewrites the block in place
// rather than allocating a new one: at about the same size, and never while a
// clone shares it.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <utility>

#include "base/memory.h"
#include "records.h"
#include "support/linked_plugin_test.h"
#include "views/file_panel_view.h"

namespace tolvik::test {
namespace {

class snapshot_block : public linked_plugin_test {};

TEST_F(snapshot_block, column_pointer_arrays_are_aligned_after_the_items) {
    start_without_registry();
    // Item records are 366 bytes: after an odd count the arrays need padding.
    for (int count : {1, 2, 3, 5}) {
        record_builder record(tree.windows("left"));
        for (int i = 0; i < count; ++i)
            record.item("f" + std::to_string(i)).texts(nullptr, nullptr, {"col a", "col b"});
        file_panel_view* v = file_panel_view::create(record.info());
        ASSERT_NE(v, nullptr);
        const panel_item* items = field(v->record().items);
        const auto items_end = reinterpret_cast<uintptr_t>(items + count);
        for (int i = 0; i < count; ++i) {
            char** columns = field(items[i].custom_column_data);
            const auto at = reinterpret_cast<uintptr_t>(columns);
            EXPECT_EQ(at % alignof(char*), 0u) << count << " items: item " << i << "'s array at offset "
                                               << at - reinterpret_cast<uintptr_t>(items);
            EXPECT_GE(at, items_end) << count << " items";
            EXPECT_LT(at, items_end + alignof(char*) + 2 * sizeof(char*) * count) << count << " items";
            ASSERT_EQ(field(items[i].custom_column_count), 2);
            EXPECT_STREQ(columns[0], "col a");
            EXPECT_STREQ(columns[1], "col b");
        }
        memory::destroy(v);
    }
}

TEST_F(snapshot_block, recapture_rewrites_in_place_from_fifteen_sixteenths_to_the_full_size_when_unshared) {
    start_without_registry();
    // One item with a description of n characters takes 366 + 2 (padding)
    // + n + 1 bytes. After a first capture of 400 bytes a re-capture of 375
    // to 400 bytes fits in place, 374 or 401 bytes do not. A sixteenth of
    // 399 rounds down to 24, so after 399 bytes 375 still fits and 374 not.
    // A block that a clone shares is never rewritten, whichever of the two
    // is re-captured; once the clone is gone the block is the view's alone.
    auto block_of = [&](size_t bytes) {
        auto record = std::make_unique<record_builder>(tree.windows("left"));
        const std::string description(bytes - 369, 'd');
        record->item("a").texts(description.c_str(), nullptr);
        return record;
    };
    auto description = [](const file_panel_view* v) {
        return std::string(field(v->record().items)[0].description);
    };
    enum class clone_ { none, kept, destroyed, recaptured };
    const char* const clone_names[] = {"no clone", "a clone kept", "a clone destroyed",
                                       "the clone re-captured"};
    struct case_ {
        size_t first, bytes;
        clone_ clone;
        bool in_place;
    } cases[] = {{400, 400, clone_::none, true},        {400, 375, clone_::none, true},
                 {400, 374, clone_::none, false},       {400, 401, clone_::none, false},
                 {399, 399, clone_::none, true},        {399, 375, clone_::none, true},
                 {399, 374, clone_::none, false},       {399, 400, clone_::none, false},
                 {400, 400, clone_::kept, false},       {400, 375, clone_::kept, false},
                 {400, 400, clone_::recaptured, false}, {400, 400, clone_::destroyed, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.bytes) + " bytes after " + std::to_string(c.first) + ", " +
                     clone_names[static_cast<int>(c.clone)]);
        auto first = block_of(c.first);
        file_panel_view* v = file_panel_view::create(first->info());
        ASSERT_NE(v, nullptr);
        file_panel_view* other = c.clone == clone_::none ? nullptr : v->clone();
        if (c.clone == clone_::destroyed) memory::destroy(std::exchange(other, nullptr));
        if (c.clone == clone_::recaptured) std::swap(v, other);
        auto next = block_of(c.bytes);
        const long allocations = memory::allocation_count();
        ASSERT_TRUE(v->recapture(next->info()));
        EXPECT_EQ(memory::allocation_count() == allocations, c.in_place)
            << "expected " << (c.in_place ? "the block rewritten in place" : "a new block");
        EXPECT_EQ(description(v), std::string(c.bytes - 369, 'd'));
        if (other) {
            EXPECT_EQ(description(other), std::string(c.first - 369, 'd')) << "the other view changed";
        }
        memory::destroy(v);
        memory::destroy(other);
    }
}

}  // namespace
}  // namespace tolvik::test
