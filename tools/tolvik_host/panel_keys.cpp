#include "panel_keys.h"

#include <algorithm>

#include "key_decoder.h"
#include "panel_view.h"

namespace tolvik::tools {
namespace {

using emu::panel_model;

void move_to(panel_model& panel, int32_t index) {
    if (panel.items().empty()) return;
    int32_t last = static_cast<int32_t>(panel.size()) - 1;
    panel.set_cursor(std::clamp(index, 0, last));
    panel.set_top(visible_top(panel));
}

void cycle_sort(panel_model& panel) {
    static constexpr int32_t order[] = {emu::sort_modes::by_name, emu::sort_modes::by_extension,
                                        emu::sort_modes::by_write_time, emu::sort_modes::by_size,
                                        emu::sort_modes::unsorted};
    size_t at = 0;
    while (at < std::size(order) && order[at] != panel.sort_mode()) ++at;
    panel.set_sort_mode(order[(at + 1) % std::size(order)]);
}

// Shows the panel as `type`, or as a file panel again when it already is one.
void toggle_type(panel_model& panel, int32_t type) {
    panel.plugin = 0;
    panel.type = panel.type == type ? panel_file : type;
}

bool is_file_panel(const panel_model& panel) { return panel.type == panel_file && panel.plugin == 0; }

bool cursor_key(panel_model& panel, int32_t code) {
    panel_geometry g = geometry_of(panel);
    int32_t cursor = panel.cursor();
    int32_t sideways = g.columns > 1 ? g.lines : 1;
    switch (code) {
        case keys::up:
        case keys::wheel_up:
            move_to(panel, cursor - 1);
            return true;
        case keys::down:
        case keys::wheel_down:
            move_to(panel, cursor + 1);
            return true;
        case keys::left:
            move_to(panel, cursor - sideways);
            return true;
        case keys::right:
            move_to(panel, cursor + sideways);
            return true;
        case keys::pg_up:
            move_to(panel, cursor - g.capacity() + 1);
            return true;
        case keys::pg_dn:
            move_to(panel, cursor + g.capacity() - 1);
            return true;
        case keys::home:
            move_to(panel, 0);
            return true;
        case keys::end:
            move_to(panel, static_cast<int32_t>(panel.size()) - 1);
            return true;
        default:
            return false;
    }
}

bool selection_key(panel_model& panel, int32_t code) {
    switch (code) {
        case keys::ins:
        case keys::space:
            if (!panel.items().empty()) panel.toggle_selection(static_cast<size_t>(panel.cursor()));
            move_to(panel, panel.cursor() + 1);
            return true;
        case '+':
            for (size_t i = 0; i < panel.size(); ++i)
                if (!panel.items()[i].is_directory()) panel.set_selected(i, true);
            return true;
        case '-':
            panel.clear_selection();
            return true;
        default:
            return false;
    }
}

bool mode_key(panel_model& panel, int32_t code) {
    switch (code) {
        case 's':
            cycle_sort(panel);
            return true;
        case keys::ctrl | keys::f(3):
            panel.set_sort_mode(emu::sort_modes::by_name);
            return true;
        case keys::ctrl | keys::f(4):
            panel.set_sort_mode(emu::sort_modes::by_extension);
            return true;
        case keys::ctrl | keys::f(5):
            panel.set_sort_mode(emu::sort_modes::by_write_time);
            return true;
        case keys::ctrl | keys::f(6):
            panel.set_sort_mode(emu::sort_modes::by_size);
            return true;
        case keys::ctrl | keys::f(7):
            panel.set_sort_mode(emu::sort_modes::unsorted);
            return true;
        case 'r':
            panel.set_reversed(!panel.reversed());
            return true;
        case 'v':
            panel.view_mode = panel.view_mode >= 1 && panel.view_mode < 4 ? panel.view_mode + 1 : 1;
            break;
        case '1':
        case '2':
        case '3':
        case '4':
            panel.view_mode = code - '0';
            break;
        default:
            return false;
    }
    panel.set_top(visible_top(panel));
    return true;
}

bool type_key(panel_model& panel, int32_t code) {
    switch (code) {
        case 't':
        case keys::ctrl | 'T':
            toggle_type(panel, panel_tree);
            return true;
        case 'q':
        case keys::ctrl | 'Q':
            toggle_type(panel, panel_quick_view);
            return true;
        case 'i':
        case keys::ctrl | 'L':
            toggle_type(panel, panel_information);
            return true;
        case 'p': {
            bool was_plugin = panel.plugin != 0;
            panel.type = panel_file;
            panel.plugin = was_plugin ? 0 : 1;
            return true;
        }
        default:
            return false;
    }
}

}  // namespace

bool handle_panel_key(emu::panel_pair& panels, int32_t code) {
    panel_model& panel = panels.active();
    if (code == keys::tab) {
        panels.switch_active();
        return true;
    }
    if (type_key(panel, code)) return true;
    // A tree, a quick view, an information panel or a plugin's panel shows no
    // items of its own to walk.
    if (!is_file_panel(panel)) return false;
    if (cursor_key(panel, code) || selection_key(panel, code) || mode_key(panel, code)) return true;
    switch (code) {
        case keys::enter:
            if (panel.enter()) panel.set_top(visible_top(panel));
            return true;
        case keys::ctrl | keys::pg_up:
            // Through "..", so that the cursor lands on the folder left.
            if (!panel.items().empty() && panel.items()[0].is_parent()) {
                panel.set_cursor(0);
                panel.enter();
                panel.set_top(visible_top(panel));
            }
            return true;
        case keys::ctrl | 'R':
            panel.refresh();
            return true;
        default:
            return false;
    }
}

}  // namespace tolvik::tools
