#include "panel_view.h"

#include "host_texts.h"
#include "panel_kinds.h"

namespace tolvik::tools {
namespace {

using emu::panel_model;

// The words of the texts in use, looked up once per set_texts().
const emu::panel_words& words() {
    static emu::panel_words kept;
    static int kept_texts = -1;
    if (kept_texts != texts_generation()) {
        kept = {texts().get("panel.column_up"), texts().get("panel.column_folder")};
        kept_texts = texts_generation();
    }
    return kept;
}

}  // namespace

void draw_panels(emu::screen& display, emu::panel_pair& panels, const std::string& drive_c) {
    emu::draw_panels(
        display, panels,
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
        words());
}

}  // namespace tolvik::tools
