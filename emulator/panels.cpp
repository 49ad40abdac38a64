#include "panels.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <utility>

#include "call_log.h"
#include "host/constants.h"

namespace tolvik::emu {
namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool recycle_big_arrays = false;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool recycle_big_arrays = false;
#else
constexpr bool recycle_big_arrays = true;
#endif
#else
constexpr bool recycle_big_arrays = true;
#endif
constexpr size_t recycled_array_bytes = size_t{1} << 20;

char* duplicate(panel_handout& handout, const std::string& text) {
    std::unique_ptr<char[]> copy(new char[text.size() + 1]);
    std::memcpy(copy.get(), text.c_str(), text.size() + 1);
    handout.strings.push_back(std::move(copy));
    return handout.strings.back().get();
}

void copy_text(char* field, size_t size, const std::string& text) {
    size_t n = std::min(text.size(), size - 1);
    std::memcpy(field, text.data(), n);
    field[n] = '\0';
}

// `item` is all zeros on entry.
void fill_item(panel_handout& handout, const panel_model& panel, const panel_entry& entry, panel_item& item) {
    item.attributes = entry.attributes;
    for (int t = 0; t < 3; ++t) {
        item.times[2 * t] = static_cast<uint32_t>(entry.write_time);
        item.times[2 * t + 1] = static_cast<uint32_t>(entry.write_time >> 32);
    }
    item.size_high = static_cast<uint32_t>(entry.size >> 32);
    item.size_low = static_cast<uint32_t>(entry.size);
    copy_text(item.file_name, sizeof item.file_name, entry.name);
    item.packed_size_high = item.size_high;
    item.packed_size_low = item.size_low;
    item.flags = entry.selected ? item_selected : 0;
    item.links = 1;
    if (const entry_annotation* a = panel.annotation(entry.name)) {
        if (a->has_description) item.description = duplicate(handout, a->description);
        if (a->has_owner) item.owner = duplicate(handout, a->owner);
        if (a->has_custom_columns) {
            std::unique_ptr<char*[]> columns(new char*[a->custom_columns.size() + 1]);
            for (size_t i = 0; i < a->custom_columns.size(); ++i)
                columns[i] = duplicate(handout, a->custom_columns[i]);
            columns[a->custom_columns.size()] = nullptr;
            item.custom_column_data = columns.get();
            item.custom_column_count = static_cast<int32_t>(a->custom_columns.size());
            handout.columns.push_back(std::move(columns));
        }
    }
}

std::string hex(const void* p) {
    char text[16];
    // 10 characters: always fits.
    (void)std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(reinterpret_cast<uintptr_t>(p)));
    return text;
}

}  // namespace

panel_pair::panel_pair() { lay_out(80, 25); }

void panel_pair::lay_out(int screen_width, int screen_height) {
    int half = screen_width / 2;
    left_.rect = panel_rect{0, 0, half - 1, screen_height - 3};
    right_.rect = panel_rect{half, 0, screen_width - 1, screen_height - 3};
}

void panel_pair::fill(panel_model& panel, bool is_active, panel_info& info) {
    panel_handout handout;
    handout.active = is_active;
    handout.count = panel.size();
    if (handout.count && recycled_.capacity >= handout.count) {
        handout.items = std::move(recycled_.items);
        handout.capacity = std::exchange(recycled_.capacity, 0);
        std::memset(handout.items.get(), 0, handout.count * sizeof(panel_item));
    } else if (handout.count) {
        recycled_ = panel_handout();
        handout.items.reset(static_cast<panel_item*>(std::calloc(handout.count, sizeof(panel_item))));
        if (!handout.items) throw std::bad_alloc();
        handout.capacity = handout.count;
    }
    for (size_t i = 0; i < handout.count; ++i) fill_item(handout, panel, panel.items()[i], handout.items[i]);

    std::memset(&info, 0, sizeof info);
    info.panel_type = panel.type;
    info.plugin = panel.plugin;
    info.rect = panel.rect;
    info.items = handout.items.get();
    info.item_count = static_cast<int32_t>(panel.size());
    info.current_item = panel.cursor();
    info.top_item = panel.top();
    info.view_mode = panel.view_mode;
    copy_text(info.current_dir, sizeof info.current_dir, panel.directory());
    info.sort_mode = panel.sort_mode();
    info.flags = panel.reversed() ? panel_reverse_order : 0;

    // The previous array is freed (or kept) only now, so it is never reused
    // for this one.
    panel_handout previous = std::move(handout_);
    handout_ = std::move(handout);
    if (recycle_big_arrays && previous.capacity * sizeof(panel_item) >= recycled_array_bytes) {
        recycled_.items = std::move(previous.items);
        recycled_.capacity = previous.capacity;
    }
    ++handouts_;
    if (tamper) tamper(info);
}

const panel_item* panel_pair::handed_out() const { return handout_.items.get(); }

bool panel_pair::take_selection(const panel_info* info, std::vector<std::string>& failures) {
    // A record a test tampered with may carry anything: apply what matches
    // the handed-out array and say nothing of the rest.
    bool quiet = static_cast<bool>(tamper);
    if (!handout_.active || info->items != handed_out()) {
        if (!quiet)
            failures.push_back("panel control 10: the record's item array " + hex(info->items) +
                               " is not the one the last command 1 handed out");
        return false;
    }
    size_t count = handout_.count;
    if (info->item_count < 0 || static_cast<size_t>(info->item_count) != count) {
        if (!quiet)
            failures.push_back("panel control 10: item count " + std::to_string(info->item_count) +
                               ", the host handed out " + std::to_string(count));
        if (info->item_count < 0) return false;
        count = std::min(count, static_cast<size_t>(info->item_count));
    }
    panel_model& panel = active();
    size_t n = std::min(count, panel.size());
    for (size_t i = 0; i < n; ++i) panel.set_selected(i, (handout_.items[i].flags & item_selected) != 0);
    return true;
}

int32_t panel_pair::control(int32_t command, void* param, std::vector<std::string>& failures, call_log* log,
                            size_t log_index) {
    call_entry* entry = log ? log->entry(log_index) : nullptr;
    auto missing = [&]() {
        failures.push_back("panel control " + std::to_string(command) + " with a null parameter");
        return 0;
    };
    switch (command) {
        case cmd_get_active_info:
        case cmd_get_passive_info: {
            if (!param) return missing();
            bool is_active = command == cmd_get_active_info;
            fill(is_active ? active() : passive(), is_active, *static_cast<panel_info*>(param));
            return 1;
        }
        case cmd_redraw: {
            if (!param) return 1;
            const panel_redraw* redraw = static_cast<const panel_redraw*>(param);
            if (entry) entry->values = {redraw->current_item, redraw->top_item};
            active().set_cursor(redraw->current_item);
            active().set_top(redraw->top_item);
            return 1;
        }
        case cmd_set_selection: {
            if (!param) return missing();
            const panel_info* info = static_cast<const panel_info*>(param);
            if (entry) entry->texts = {active().directory()};
            if (entry && info->items == handed_out() && info->item_count >= 0) {
                size_t n = std::min(handout_.count, static_cast<size_t>(info->item_count));
                for (size_t i = 0; i < n; ++i)
                    if (handout_.items[i].flags & item_selected)
                        entry->values.push_back(static_cast<int32_t>(i));
            }
            return take_selection(info, failures) ? 1 : 0;
        }
        case cmd_set_view_mode:
        case cmd_set_sort_mode:
        case cmd_set_sort_order: {
            if (!param) return missing();
            int32_t value = *static_cast<const int32_t*>(param);
            if (entry) entry->values = {value};
            if (std::find(refused_commands.begin(), refused_commands.end(), command) !=
                refused_commands.end())
                return 0;
            if (command == cmd_set_view_mode) active().view_mode = value;
            if (command == cmd_set_sort_mode) active().set_sort_mode(value);
            if (command == cmd_set_sort_order) active().set_reversed(value != 0);
            return 1;
        }
        case cmd_set_directory: {
            if (!param) return missing();
            const char* directory = static_cast<const char*>(param);
            ++directory_requests_;
            if (entry) entry->texts = {directory};
            return active().set_directory(directory) ? 1 : 0;
        }
        default:
            failures.push_back("panel control: unexpected command " + std::to_string(command));
            return 0;
    }
}

}  // namespace tolvik::emu
