#include "panel_view.h"

#include "host_texts.h"
#include "panel_kinds.h"

namespace tolvik::tools {
namespace {

using emu::panel_model;

}  // namespace

const char* view_mode_name(int32_t mode) {
    switch (mode) {
        case 1:
            return "brief";
        case 2:
            return "medium";
        case 3:
            return "full";
        case 4:
            return "wide";
        default:
            return "other";
    }
}

const char* sort_mode_name(int32_t mode) {
    switch (mode) {
        case emu::sort_modes::unsorted:
            return "unsorted";
        case emu::sort_modes::by_name:
            return "name";
        case emu::sort_modes::by_extension:
            return "extension";
        case emu::sort_modes::by_write_time:
            return "time";
        case emu::sort_modes::by_size:
            return "size";
        default:
            return "other";
    }
}

void draw_panels(emu::screen& display, emu::panel_pair& panels, const std::string& drive_c) {
    emu::draw_panels(display, panels,
                     [&](emu::screen& on, const panel_model& panel, const panel_model& other, bool active) {
                         if (panel.plugin != 0)
                             draw_plugin_stand_in(on, panel);
                         else if (panel.type == panel_tree)
                             draw_tree(on, panel, active);
                         else if (panel.type == panel_quick_view)
                             draw_quick_view(on, panel, other);
                         else if (panel.type == panel_information)
                             draw_information(on, panel, other, drive_c);
                     },
                     {texts().get("panel.column_up"), texts().get("panel.column_folder")});
}

}  // namespace tolvik::tools
