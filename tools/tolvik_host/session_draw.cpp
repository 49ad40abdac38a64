// What the interactive host draws around the plugin: the panels, the rows
// under them, the plugin menu, the host's own help and welcome boxes, and on
// a screen too small for all that, only the message saying so.
#include <algorithm>
#include <cstdio>

#include "dialog_placement.h"
#include "host/constants.h"
#include "host/dialog_items.h"
#include "host_rows.h"
#include "panel_view.h"
#include "session.h"

namespace tolvik::tools {

void session::paint() {
    emu::screen& display = host_.screen();
    if (too_small()) {
        draw_too_small(display);
    } else if (host_.dialogs().open_count() > 0) {
        host_.dialogs().redraw();
    } else {
        host_.dialogs().draw(display);
        menu_.draw(display);
        if (box_ == host_box::help) emu::draw_text_box(display, help_box(), box_first_);
        if (box_ == host_box::welcome) emu::draw_text_box(display, welcome_box(), box_first_);
    }
    if (terminal_.is_open()) terminal_.write(renderer_.frame(display));
}

void session::draw_background(emu::screen& display) {
    draw_panels(display, host_.panels(), drive_c_);
    int32_t height = display.height();
    rows_.draw_status(display, height - 2, host_.panels(), host_.failures().size());
    rows_.draw_key_bar(display, height - 1, shown_key_bar());
}

void session::draw_too_small(emu::screen& display) {
    display.clear();
    std::vector<std::string> lines;
    for (const std::string& line : texts().lines("small"))
        lines.push_back(fill(line, {{"width", std::to_string(display.width())},
                                    {"height", std::to_string(display.height())},
                                    {"min_width", std::to_string(min_screen_width)},
                                    {"min_height", std::to_string(min_screen_height)}}));
    int32_t y = std::max<int32_t>((display.height() - static_cast<int32_t>(lines.size())) / 2, 0);
    for (const std::string& line : lines) {
        int32_t x = std::max<int32_t>((display.width() - static_cast<int32_t>(line.size())) / 2, 0);
        display.text(x, y++, line, emu::attr::warning, display.width() - x);
    }
}

key_bar session::shown_key_bar() {
    if (box_ == host_box::help) return key_bar::help;
    if (box_ == host_box::welcome) return welcome_scrolls() ? key_bar::box_scroll : key_bar::box;
    if (host_.dialogs().open_count() == 0) return menu_.is_open() ? key_bar::menu : key_bar::panels;
    return dialog_key_bar();
}

// The keys of what has the keyboard among the plugin's dialogs: a box over
// them (its help), the warning box, or the list.
key_bar session::dialog_key_bar() {
    if (host_.dialogs().showing_box()) return key_bar::help;
    bool ctrl_held = ctrl_.on(host_);
    const emu::open_dialog* innermost = host_.dialogs().innermost();
    if (innermost && innermost->warning_style()) {
        if (ctrl_held) return ctrl_.stand_in() ? key_bar::warning_stand_in : key_bar::warning_ctrl_held;
        return key_bar::warning;
    }
    if (ctrl_held && ctrl_.stand_in()) return key_bar::ctrl_stand_in;
    if (ctrl_held) return key_bar::ctrl_held;
    return key_bar::list;
}

emu::screen session::marked_screen() {
    emu::screen out = host_.screen();
    // What the user sees, whatever was drawn into the screen since.
    if (too_small()) {
        draw_too_small(out);
        return out;
    }
    for (size_t d = 0; d < host_.dialogs().open_count(); ++d) {
        const emu::open_dialog& dialog = host_.dialogs().open(d);
        emu::dialog_placement at = emu::place(out, dialog);
        int32_t column = at.left - 1;
        for (const emu::dialog_item_state& item : dialog.items)
            if (item.record.type == item_double_box) {
                column = at.screen_x(item.record.left) - 1;
                break;
            }
        for (const emu::dialog_item_state& item : dialog.items) {
            const FarDialogItem& r = item.record;
            if (r.type != item_list_box || (r.flags & flag_hidden)) continue;
            int32_t frame = (r.flags & flag_list_no_box) ? 0 : 1;
            if (item.list_select < 0 || static_cast<size_t>(item.list_select) >= item.lines.size()) continue;
            int32_t line_row = r.top + frame + item.list_select - item.list_top;
            if (line_row < r.top + frame || line_row > r.bottom - frame) continue;
            int32_t row = at.screen_y(line_row);
            int32_t text_left = at.screen_x(r.left + frame);
            // Not when a box over the list hides its cursor line.
            if (row < 0 || out.attr_at(text_left, row) != emu::attr::list_cursor) continue;
            out.put(std::max(column, 0), row, '>', emu::attr::list_cursor);
        }
    }
    return out;
}

void session::dump_screen() {
    dumped_ = true;
    // A screen that cannot be written has no one else to go to.
    (void)std::printf("%s----\n", to_utf8(marked_screen().dump(), page_).c_str());
    (void)std::fflush(stdout);
}

}  // namespace tolvik::tools
