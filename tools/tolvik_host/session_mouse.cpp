// Mouse clicks in the interactive host: on the panels, the plugin menu, the
// host's boxes, and the plugin's dialogs, where a click on a list line
// becomes the keys that walk the list's cursor there (so that the plugin's
// live preview follows) and a click on a box's focused button is Enter.
#include <algorithm>

#include "dialog_placement.h"
#include "host/constants.h"
#include "host/dialog_items.h"
#include "panel_keys.h"
#include "panel_view.h"
#include "session.h"

namespace tolvik::tools {

void session::handle_click(const host_event& click) {
    if (help_open_) return;  // the help closes by its keys
    if (welcome_open_) {
        welcome_open_ = false;
        return;
    }
    if (menu_.is_open()) {
        int32_t entry = menu_.entry_at(host_.screen(), click.x, click.y);
        if (entry >= 0 && menu_.pick(entry)) open_plugin(false);
        return;
    }
    click_panel(click);
}

// The item under a click in a file panel: that panel becomes active and its
// cursor goes to the item; a double click opens it.
void session::click_panel(const host_event& click) {
    for (emu::side s : {emu::side::left, emu::side::right}) {
        emu::panel_model& panel = host_.panels().at(s);
        const auto& r = panel.rect;
        if (click.x <= r.left || click.x >= r.right || click.y <= r.top || click.y >= r.bottom) continue;
        if (panel.type != panel_file || panel.plugin != 0) {
            host_.panels().set_active(s);
            return;
        }
        panel_geometry g = geometry_of(panel);
        int32_t row = click.y - r.top - 1;
        int32_t inner = r.right - r.left - 1;
        int32_t column = (click.x - r.left - 1) * g.columns / std::max(inner, 1);
        host_.panels().set_active(s);
        if (row < 0 || row >= g.lines) return;
        int32_t index = visible_top(panel) + column * g.lines + row;
        if (index >= static_cast<int32_t>(panel.items().size())) return;
        panel.set_top(visible_top(panel));
        panel.set_cursor(index);
        if (click.twice) handle_panel_key(host_.panels(), keys::enter);
        return;
    }
}

bool session::click_in_dialog(const host_event& click, emu::input_event& key) {
    const emu::screen& display = host_.screen();
    // A box's focused button (the plugin's warning, a help box) is pressed.
    if (display.attr_at(click.x, click.y) == emu::attr::focused_button) {
        key = {emu::input_kind::key, keys::enter};
        return true;
    }
    const emu::open_dialog* dialog = host_.dialogs().innermost();
    if (!dialog || host_.dialogs().showing_box()) return false;
    emu::dialog_placement at = emu::place(display, *dialog);
    int32_t column = at.column_at(click.x);
    int32_t row = at.row_at(click.y);
    if (column < 0 || row < 0) return false;
    for (size_t i = 0; i < dialog->items.size(); ++i) {
        const emu::dialog_item_state& item = dialog->items[i];
        const FarDialogItem& r = item.record;
        if (r.type != item_list_box || (r.flags & flag_hidden)) continue;
        int32_t frame = (r.flags & flag_list_no_box) ? 0 : 1;
        if (column < r.left + frame || column > r.right - frame || row < r.top + frame ||
            row > r.bottom - frame)
            continue;
        int32_t line = item.list_top + row - r.top - frame;
        if (line < 0 || line >= static_cast<int32_t>(item.lines.size())) return false;
        if (item.lines[static_cast<size_t>(line)].flags & list_item_disabled) return false;
        walk_ = {dialog->id, i, line, -1, click.twice};
        return walk_list(key);
    }
    return false;
}

bool session::walk_list(emu::input_event& key) {
    if (walk_.line < 0) return false;
    const emu::open_dialog* dialog = host_.dialogs().innermost();
    if (!dialog || dialog->id != walk_.dialog || walk_.item >= dialog->items.size() ||
        host_.dialogs().showing_box()) {
        walk_ = {};
        return false;
    }
    int32_t select = dialog->items[walk_.item].list_select;
    bool stuck = select == walk_.last_select;
    if (select == walk_.line || stuck) {
        bool enter = walk_.enter && select == walk_.line;
        walk_ = {};
        if (!enter) return false;
        key = {emu::input_kind::key, keys::enter};
        return true;
    }
    // Past the line (the cursor skips greyed lines): stop where it is.
    if (walk_.last_select >= 0 && (walk_.last_select < walk_.line) != (select < walk_.line)) {
        walk_ = {};
        return false;
    }
    walk_.last_select = select;
    key = {emu::input_kind::key, select < walk_.line ? keys::down : keys::up};
    return true;
}

}  // namespace tolvik::tools
