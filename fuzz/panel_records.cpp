// Fuzz target: panel information records and item arrays as a host might hand
// them over, malformed ones included: any counts (negative, huge with a null
// array), null arrays, file names and directories without a terminator, huge
// and null descriptions and owners, custom column arrays with null entries
// and wrong counts. The records are handed out by the emulated host in place
// of its own (panel commands 1 and 2), so that they go through capture at
// start-up, re-capture at each opening, clone (Ctrl+F3), apply (moves, Enter,
// Esc) and the list's lines; and through the snapshot's own calls directly.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstring>
#include <deque>
#include <string>
#include <vector>

#include "base/memory.h"
#include "fuzz_host.h"
#include "host/constants.h"
#include "support/list_keys.h"
#include "views/file_panel_view.h"
#include "walk/walk_tree.h"

namespace tolvik::fuzz {
namespace {

// One record with everything it points to.
struct built_record {
    panel_info info{};
    std::vector<panel_item> items;
    bool null_items = false;
    std::deque<std::string> texts;
    std::deque<std::vector<char*>> columns;
    int huge_texts = 0;
};

// Longest item array and texts built; a "huge" text is far beyond any field
// and any 16-bit length. A few per record reach every place one can stand
// in; more would only make an input dearer (each is copied into the
// snapshot's block), so the rest are built as ordinary texts.
constexpr int max_items = 48;
constexpr size_t huge_text = 70000;
constexpr int max_huge_texts = 3;

char* text(FuzzedDataProvider& in, built_record& r) {
    int kind = in.ConsumeIntegralInRange(0, 5);
    if (kind == 1 && r.huge_texts == max_huge_texts) kind = 2;
    switch (kind) {
        case 0:
            return nullptr;
        case 1:
            ++r.huge_texts;
            r.texts.push_back(
                std::string(huge_text, static_cast<char>('A' + in.ConsumeIntegralInRange(0, 25))));
            break;
        default:
            r.texts.push_back(in.ConsumeRandomLengthString(300));
            break;
    }
    return r.texts.back().data();
}

void fill_field(FuzzedDataProvider& in, char* field, size_t size) {
    std::vector<uint8_t> bytes = in.ConsumeBytes<uint8_t>(size);
    if (!bytes.empty()) std::memcpy(field, bytes.data(), bytes.size());
}

void build_item(FuzzedDataProvider& in, built_record& r, panel_item& item) {
    std::memset(&item, 0, sizeof item);
    if (in.ConsumeBool()) {
        // Raw bytes: a file name that may have no terminator.
        fill_field(in, reinterpret_cast<char*>(&item), 318);
    } else {
        std::string name = in.ConsumeRandomLengthString(20);
        std::strncpy(item.file_name, name.c_str(), sizeof item.file_name - 1);
    }
    item.flags = in.ConsumeBool() ? item_selected : in.ConsumeIntegral<uint32_t>();
    item.description = text(in, r);
    item.owner = text(in, r);
    if (in.ConsumeBool()) {
        std::vector<char*>& column = r.columns.emplace_back();
        int count = in.ConsumeIntegralInRange(0, 8);
        for (int j = 0; j < count; ++j) column.push_back(text(in, r));
        item.custom_column_data = column.empty() ? nullptr : column.data();
        if (column.empty()) r.columns.pop_back();
        item.custom_column_count = in.ConsumeBool() ? count : -in.ConsumeIntegralInRange(1, 1 << 30);
        if (!item.custom_column_data) item.custom_column_count = in.ConsumeIntegral<int32_t>();
    } else {
        item.custom_column_count = in.ConsumeIntegral<int32_t>();  // with a null array
    }
}

void build_record(FuzzedDataProvider& in, built_record& r) {
    panel_info& info = r.info;
    const int32_t types[] = {panel_file, panel_file, panel_tree, panel_quick_view, panel_information};
    info.panel_type =
        in.ConsumeBool() ? types[in.ConsumeIntegralInRange(0, 4)] : in.ConsumeIntegral<int32_t>();
    info.plugin = in.ConsumeBool() ? 0 : in.ConsumeIntegral<int32_t>();
    info.rect = in.ConsumeBool() ? panel_rect{0, 0, 39, 22} : panel_rect{40, 0, 79, 22};
    switch (in.ConsumeIntegralInRange(0, 3)) {
        case 0: {  // an honest array
            int count = in.ConsumeIntegralInRange(0, max_items);
            r.items.resize(static_cast<size_t>(count));
            for (panel_item& item : r.items) build_item(in, r, item);
            info.item_count = count;
            break;
        }
        case 1:  // any count with no array
            r.null_items = true;
            info.item_count = in.ConsumeIntegral<int32_t>();
            break;
        case 2: {  // an array with a negative count
            r.items.resize(static_cast<size_t>(in.ConsumeIntegralInRange(1, 4)));
            for (panel_item& item : r.items) build_item(in, r, item);
            info.item_count = -in.ConsumeIntegralInRange(1, 1 << 30);
            break;
        }
        default:  // an array with a count of 0
            r.items.resize(1);
            build_item(in, r, r.items[0]);
            info.item_count = 0;
            break;
    }
    info.current_item = in.ConsumeIntegral<int32_t>();
    info.top_item = in.ConsumeIntegral<int32_t>();
    info.view_mode = in.ConsumeIntegral<int32_t>();
    info.sort_mode = in.ConsumeIntegral<int32_t>();
    info.flags = in.ConsumeIntegral<uint32_t>();
    switch (in.ConsumeIntegralInRange(0, 3)) {
        case 0:  // 260 bytes, maybe without a terminator
            fill_field(in, info.current_dir, sizeof info.current_dir);
            break;
        case 1:
            std::strcpy(info.current_dir, fallback_directory);
            break;
        default: {  // a folder of the tree (so that applying it works)
            const auto& folders = test::walk_folders();
            std::string path =
                tree().windows(folders[in.ConsumeIntegralInRange<size_t>(0, folders.size() - 1)]);
            std::strncpy(info.current_dir, path.c_str(), sizeof info.current_dir - 1);
            break;
        }
    }
    if (in.ConsumeBool()) fill_field(in, info.column_info, sizeof info.column_info);
}

// The record as handed out: its own array, or null.
panel_info handed(built_record& r) {
    panel_info info = r.info;
    info.items = r.null_items || r.items.empty() ? nullptr : r.items.data();
    return info;
}

// The first code of each row of the list's key table.
std::vector<int32_t> first_codes() {
    std::vector<int32_t> codes;
    for (const test::keys::list_key& row : test::keys::table)
        if (!row.ctrl_mode_only) codes.push_back(row.plain[0] != 0 ? row.plain[0] : row.exact[0]);
    return codes;
}
const std::vector<int32_t> keys = first_codes();

}  // namespace
}  // namespace tolvik::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tolvik;
    using namespace tolvik::fuzz;
    FuzzedDataProvider in(data, size);
    std::deque<built_record> records(static_cast<size_t>(in.ConsumeIntegralInRange(1, 4)));
    for (built_record& r : records) build_record(in, r);

    session s;
    size_t handouts = 0;
    s.host().panels().tamper = [&](panel_info& info) { info = handed(records[handouts++ % records.size()]); };

    // Start-up captures the passive, then the active panel.
    s.host().set_startup_info();
    s.require_registry("after start-up");

    // The snapshot's own calls, on the records directly.
    if (file_panel_view* v = file_panel_view::create(handed(records[0]))) {
        v->recapture(handed(records[records.size() - 1]));
        v->type_label_id();
        v->is_unsupported();
        v->refresh_validity();
        const char* p = v->path();
        require(std::memchr(p, 0, max_path) != nullptr, "path() is not terminated within 260 characters");
        const char* shortened = v->short_path(in.ConsumeIntegralInRange(-5, 300));
        require(shortened != nullptr, "short_path gave null");
        file_panel_view* copy = v->clone();
        v->apply();
        memory::destroy(v);
        if (copy) {
            copy->apply();
            memory::destroy(copy);
        }
    }
    s.require_registry("after the snapshot's own calls");

    // Two openings with keys from the input: re-capture, lines, clone, apply.
    for (int opening = 0; opening < 2; ++opening) {
        int left = in.ConsumeIntegralInRange(0, 10);
        s.open([&](emu::input_event& event) {
            if (left-- <= 0) return false;
            event = {emu::input_kind::key, keys[in.ConsumeIntegralInRange<size_t>(0, std::size(keys) - 1)]};
            return true;
        });
        s.require_registry("after an opening");
    }
    return 0;
}
