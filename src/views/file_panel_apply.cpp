// Applying a snapshot to the host's active panel.
#include <cstring>

#include "host/constants.h"
#include "host/services.h"
#include "host/text_field.h"
#include "views/file_panel_view.h"
#include "views/name_index.h"

namespace tolvik {
namespace {

char ascii_lower(char c) noexcept { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// Whether two directory fields name the same folder, as Windows compares
// paths: ignoring ASCII case.
bool same_directory(const char (&a)[max_path], const char (&b)[max_path]) noexcept {
    const size_t length = field_length(a, sizeof a);
    if (field_length(b, sizeof b) != length) return false;
    for (size_t i = 0; i < length; ++i)
        if (ascii_lower(a[i]) != ascii_lower(b[i])) return false;
    return true;
}

}  // namespace

void file_panel_view::apply() {
    int32_t view_mode = info.view_mode;
    int32_t sort_mode = info.sort_mode;
    int32_t reverse = (info.flags & panel_reverse_order) ? 1 : 0;
    // The host gets its own copies, so nothing it writes reaches the snapshot.
    auto send_state = [&](const char* directory, size_t size) noexcept {
        char copy[max_path];
        std::memcpy(copy, directory, size);
        const int32_t entered = panel_control(cmd_set_directory, copy);
        panel_control(cmd_set_view_mode, &view_mode);
        panel_control(cmd_set_sort_mode, &sort_mode);
        panel_control(cmd_set_sort_order, &reverse);
        return entered;
    };

    if (is_valid()) {
        const int32_t entered = send_state(info.current_dir, sizeof info.current_dir);
        panel_info fresh{};
        panel_control(cmd_get_active_info, &fresh);
        if (entered != 0 || same_directory(fresh.current_dir, info.current_dir)) {
            {
                const name_index names(fresh.items, fresh.item_count);
                for (int32_t i = 0; i < info.item_count; ++i) {
                    const panel_item& mine = info.items[i];
                    if (!(mine.flags & item_selected)) continue;
                    const int32_t match = names.first_match(mine.file_name);
                    if (match >= 0) fresh.items[match].flags |= item_selected;
                }
            }
            panel_control(cmd_set_selection, &fresh);
            panel_redraw position{info.current_item, info.top_item};
            panel_control(cmd_redraw, &position);
            panel_control(cmd_set_sort_order, &reverse);
            return;
        }
        // The folder is there but the host could not enter it (no right to
        // list it, a share that refuses listings) and left the panel where it
        // was. Its selection must not be written into that other folder, and
        // the next capture must not take that folder for this view: the view
        // is applied as one whose folder is gone, until it can be entered.
        valid = false;
    }
    send_state(fallback_directory, sizeof fallback_directory);
    panel_control(cmd_redraw, nullptr);
    panel_control(cmd_set_sort_order, &reverse);
}

}  // namespace tolvik
