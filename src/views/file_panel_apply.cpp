// Applying a snapshot to the host's active panel.
#include <cstring>

#include "host/constants.h"
#include "host/services.h"
#include "views/file_panel_view.h"
#include "views/name_index.h"

namespace tolvik {

void file_panel_view::apply() {
    const bool directory_exists = is_valid();
    // The host gets its own copies, so nothing it writes reaches the snapshot.
    char directory[max_path];
    std::memcpy(directory, directory_exists ? info.current_dir : fallback_directory,
                directory_exists ? sizeof directory : sizeof fallback_directory);
    panel_control(cmd_set_directory, directory);
    int32_t view_mode = info.view_mode;
    panel_control(cmd_set_view_mode, &view_mode);
    int32_t sort_mode = info.sort_mode;
    panel_control(cmd_set_sort_mode, &sort_mode);
    int32_t reverse = (info.flags & panel_reverse_order) ? 1 : 0;
    panel_control(cmd_set_sort_order, &reverse);

    if (directory_exists) {
        panel_info fresh{};
        panel_control(cmd_get_active_info, &fresh);
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
    } else {
        panel_control(cmd_redraw, nullptr);
    }
    panel_control(cmd_set_sort_order, &reverse);
}

}  // namespace tolvik
