#include "views/file_panel_view.h"

#include <cstring>
#include <new>

#include "base/memory.h"
#include "base/windows_calls.h"
#include "host/constants.h"
#include "host/services.h"
#include "host/text_field.h"

namespace tolvik {
namespace {

// Shared by every view's short_path; holds one path and its terminator.
char short_path_buffer[max_path];

file_panel_view* capture_with(int32_t command) noexcept {
    panel_info record{};
    panel_control(command, &record);
    return file_panel_view::create(record);
}

}  // namespace

file_panel_view::file_panel_view() noexcept = default;

file_panel_view::file_panel_view(const file_panel_view& source) noexcept
    : view(), info(source.info), valid(source.valid), block(source.block->share()) {}

file_panel_view::~file_panel_view() { free_items(); }

template <class... Source>
file_panel_view* file_panel_view::build(const Source&... source) noexcept {
    void* memory = memory::allocate(sizeof(file_panel_view));
    if (!memory) return nullptr;
    auto* made = new (memory) file_panel_view(source...);
    if (made->has_number()) return made;
    memory::destroy(made);
    return nullptr;
}

file_panel_view* file_panel_view::create(const panel_info& record) noexcept {
    file_panel_view* made = build();
    if (!made) return nullptr;
    if (!made->copy_items(record)) {
        memory::destroy(made);
        return nullptr;
    }
    made->valid = true;
    return made;
}

file_panel_view* capture_active_panel() noexcept { return capture_with(cmd_get_active_info); }

file_panel_view* capture_passive_panel() noexcept { return capture_with(cmd_get_passive_info); }

file_panel_view* capture_root_panel() noexcept {
    char directory[sizeof fallback_directory];
    std::memcpy(directory, fallback_directory, sizeof directory);
    panel_control(cmd_set_directory, directory);
    return capture_active_panel();
}

bool file_panel_view::recapture_from_active() noexcept {
    panel_info record{};
    panel_control(cmd_get_active_info, &record);
    return recapture(record);
}

bool file_panel_view::recapture_from_passive() noexcept {
    panel_info record{};
    panel_control(cmd_get_passive_info, &record);
    return recapture(record);
}

bool file_panel_view::shows_fallback_state(const panel_info& record) const noexcept {
    // The fallback state is a plain file panel. A snapshot of any other kind
    // of panel is never in it: kept over a plain file panel, it would have
    // that panel refused as unsupported.
    if (is_unsupported()) return false;
    if (!text_equals(record.current_dir, max_path, fallback_directory)) return false;
    if (record.panel_type != panel_file || record.plugin == 1) return false;
    if (record.view_mode != info.view_mode || record.sort_mode != info.sort_mode) return false;
    if ((record.flags & panel_reverse_order) != (info.flags & panel_reverse_order)) return false;
    if (record.items) {
        for (int32_t i = 0; i < record.item_count; ++i)
            if (record.items[i].flags & item_selected) return false;
    }
    return true;
}

bool file_panel_view::recapture(const panel_info& record) noexcept {
    // A gone view was applied at the fallback directory; while the panel
    // still shows exactly that state it is not the view's own and must not
    // overwrite it. Anything the user did there since is captured.
    if (!is_valid() && shows_fallback_state(record)) return true;
    if (!copy_items(record)) return false;
    valid = true;
    return true;
}

int file_panel_view::type_label_id() const {
    if (info.plugin == 1) return msg_label_plugin;
    switch (info.panel_type) {
        case panel_file:
            return msg_label_file;
        case panel_tree:
            return msg_label_tree;
        case panel_quick_view:
            return msg_label_quick_view;
        case panel_information:
            return msg_label_information;
        default:
            return msg_label_other;
    }
}

const char* file_panel_view::path() const { return info.current_dir; }

const char* file_panel_view::short_path(int width) const {
    std::memcpy(short_path_buffer, info.current_dir, sizeof short_path_buffer);
    const shorten_path_fn shorten =
        startup_copy().functions ? startup_copy().functions->shorten_path : nullptr;
    const char* shortened = shorten ? shorten(short_path_buffer, width) : nullptr;
    return shortened ? shortened : short_path_buffer;
}

bool file_panel_view::is_unsupported() const { return info.plugin == 1 || info.panel_type != panel_file; }

bool file_panel_view::is_valid() const { return valid; }

void file_panel_view::refresh_validity() {
    const uint32_t attributes = file_attributes(info.current_dir);
    valid = attributes != invalid_file_attributes && (attributes & file_attribute_directory) != 0;
}

file_panel_view* file_panel_view::clone() const { return build(*this); }

}  // namespace tolvik
