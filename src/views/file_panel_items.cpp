// The copy of a panel's items. Everything one snapshot holds lives in one
// snapshot_block laid out as
//   [item records][padding to 4][custom column pointer arrays][strings]
// so that a copy either succeeds whole or leaves nothing behind, and the
// snapshot's heap is the bytes it copies. A re-capture of about the same size
// (the usual case: both panels are re-captured at every opening) rewrites the
// block in place when no clone shares it: nothing is allocated, so nothing
// can fail half-way, and the memory stays warm. A shared block is never
// written: the re-capture copies into a new one.
#include <cstdint>
#include <cstring>

#include "host/text_field.h"
#include "views/file_panel_view.h"

namespace tolvik {
namespace {

struct block_plan {
    uint64_t item_bytes = 0;
    uint64_t pointer_bytes = 0;
    uint64_t text_bytes = 0;
};

// The custom columns a source item really has: none when the array is null or
// the count is not positive.
int32_t column_count(const panel_item& item) noexcept {
    return item.custom_column_data && item.custom_column_count > 0 ? item.custom_column_count : 0;
}

uint64_t text_size(const char* text) noexcept { return text ? std::strlen(text) + 1 : 0; }

block_plan plan_block(const panel_item* source, int32_t count) noexcept {
    block_plan plan;
    plan.item_bytes = static_cast<uint64_t>(count) * sizeof(panel_item);
    for (int32_t i = 0; i < count; ++i) {
        const panel_item& item = source[i];
        plan.text_bytes += text_size(item.description) + text_size(item.owner);
        const int32_t columns = column_count(item);
        plan.pointer_bytes += static_cast<uint64_t>(columns) * sizeof(char*);
        char* const* column_data = item.custom_column_data;
        for (int32_t j = 0; j < columns; ++j) plan.text_bytes += text_size(column_data[j]);
    }
    return plan;
}

// Copies `text` to `*cursor` and advances it; null stays null.
char* duplicate(const char* text, char*& cursor) noexcept {
    if (!text) return nullptr;
    const size_t bytes = std::strlen(text) + 1;
    char* copy = cursor;
    std::memcpy(copy, text, bytes);
    cursor += bytes;
    return copy;
}

}  // namespace

bool file_panel_view::copy_items(const panel_info& record) noexcept {
    const panel_item* source = record.items;
    int32_t count = record.item_count;
    if (!source || count < 0) count = 0;

    const block_plan plan = plan_block(source, count);
    const uint64_t padding = (4 - plan.item_bytes % 4) % 4;
    const uint64_t total = plan.item_bytes + padding + plan.pointer_bytes + plan.text_bytes;
    if (total > SIZE_MAX) return false;
    const auto bytes = static_cast<size_t>(total);
    // Never rewrite a block that others share, nor the block being read
    // (a record of this view's own).
    const bool in_place = block && !block->is_shared() && !block->overlaps(source, plan.item_bytes) &&
                          bytes <= block->size() && bytes >= block->size() - block->size() / 16;
    snapshot_block* target = in_place ? block : snapshot_block::create(bytes);
    if (!target) return false;

    // Item by item, so that each record is still in cache when its pointers
    // are redirected (they hold the source's pointers after the byte copy).
    char* const start = target->bytes();
    auto* items = reinterpret_cast<panel_item*>(start);
    auto* pointers = reinterpret_cast<char**>(start + plan.item_bytes + padding);
    char* texts = start + plan.item_bytes + padding + plan.pointer_bytes;
    for (int32_t i = 0; i < count; ++i) {
        panel_item& item = items[i];
        std::memcpy(&item, &source[i], sizeof(panel_item));
        item.description = duplicate(item.description, texts);
        item.owner = duplicate(item.owner, texts);
        const int32_t columns = column_count(item);
        if (columns == 0) {
            // A negative count with an array means no columns; a null array
            // keeps its copied count, which nothing follows.
            if (item.custom_column_data) item.custom_column_count = 0;
            item.custom_column_data = nullptr;
            continue;
        }
        char* const* column_data = item.custom_column_data;
        item.custom_column_data = pointers;
        for (int32_t j = 0; j < columns; ++j) *pointers++ = duplicate(column_data[j], texts);
    }

    if (!in_place) {
        free_items();
        block = target;
    }
    info = record;
    info.items = items;
    info.item_count = count;
    if (field_length(info.current_dir, max_path) == max_path) info.current_dir[max_path - 1] = '\0';
    return true;
}

void file_panel_view::free_items() noexcept {
    snapshot_block::release(block);
    block = nullptr;
    info.items = nullptr;
    info.item_count = 0;
}

}  // namespace tolvik
