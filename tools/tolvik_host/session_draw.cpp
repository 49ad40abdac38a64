// What the interactive host draws around the plugin: the panels, the rows
// under them, the plugin menu, the host's own help and welcome boxes, and on
// a screen too small for all that, only the message saying so.
#include <algorithm>
#include <cstdio>

#include "host/constants.h"
#include "host/dialog_items.h"
#include "host_rows.h"
#include "panel_view.h"
#include "session.h"

namespace tolvik::tools {
namespace {

// A box of lines centred over the panels, margins as the host's message box.
// It leaves the status row and the key bar free: lines that do not fit above
// them are cut.
void draw_text_box(emu::screen& display, const std::string& title, const std::vector<std::string>& lines) {
    int32_t inner = static_cast<int32_t>(title.size()) + 2;
    for (const std::string& line : lines) inner = std::max<int32_t>(inner, static_cast<int32_t>(line.size()));
    int32_t count = static_cast<int32_t>(lines.size());
    int32_t rows = std::max(display.height() - 2, 1);
    int32_t width = std::min(inner + 8, display.width());
    int32_t height = std::min(count + 4, rows);
    int32_t x0 = (display.width() - width) / 2;
    int32_t y0 = std::min((display.height() - height) / 2, rows - height);
    display.fill(x0, y0, x0 + width - 1, y0 + height - 1, ' ', emu::attr::dialog);
    display.double_box(x0 + 2, y0 + 1, x0 + width - 3, y0 + height - 2, emu::attr::frame, title);
    for (int32_t i = 0; i < count && y0 + 2 + i < y0 + height - 2; ++i)
        display.text(x0 + 4, y0 + 2 + i, lines[static_cast<size_t>(i)], emu::attr::dialog, width - 8);
}

}  // namespace

void session::paint() {
    emu::screen& display = host_.screen();
    if (too_small()) {
        draw_too_small(display);
    } else if (host_.dialogs().open_count() > 0) {
        host_.dialogs().redraw();
    } else {
        host_.dialogs().draw(display);
        menu_.draw(display);
        const host_texts& t = texts();
        if (help_open_) draw_text_box(display, t.get("help.title"), t.lines("help"));
        if (welcome_open_) draw_text_box(display, t.get("welcome.title"), t.lines("welcome"));
    }
    if (terminal_.is_open()) terminal_.write(renderer_.frame(display));
}

void session::draw_background(emu::screen& display) {
    draw_panels(display, host_.panels(), drive_c_);
    int32_t height = display.height();
    draw_status(display, height - 2, host_.panels(), host_.failures().size());
    draw_key_bar(display, height - 1, key_bar());
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

std::string session::key_bar() {
    const host_texts& t = texts();
    if (help_open_ || welcome_open_) return t.get("keybar.box");
    if (host_.dialogs().open_count() == 0) return t.get(menu_.is_open() ? "keybar.menu" : "keybar.panels");
    bool held = host_.key_held(virtual_key_control);
    if (ctrl_at_open_ && held && stand_in_ctrl_) return t.get("keybar.ctrl_stand_in");
    if (ctrl_at_open_ && held) return t.get("keybar.ctrl_held");
    return t.get("keybar.list");
}

emu::screen session::marked_screen() {
    emu::screen out = host_.screen();
    if (too_small()) return out;
    for (size_t d = 0; d < host_.dialogs().open_count(); ++d) {
        const emu::open_dialog& dialog = host_.dialogs().open(d);
        int32_t column = dialog.left - 1;
        for (const emu::dialog_item_state& item : dialog.items)
            if (item.record.type == item_double_box) {
                column = dialog.left + item.record.left - 1;
                break;
            }
        for (const emu::dialog_item_state& item : dialog.items) {
            const FarDialogItem& r = item.record;
            if (r.type != item_list_box || (r.flags & flag_hidden)) continue;
            int32_t first = dialog.top + r.top + ((r.flags & flag_list_no_box) ? 0 : 1);
            int32_t last = dialog.top + r.bottom - ((r.flags & flag_list_no_box) ? 0 : 1);
            int32_t row = first + item.list_select - item.list_top;
            if (item.list_select < 0 || static_cast<size_t>(item.list_select) >= item.lines.size()) continue;
            int32_t text_left = dialog.left + r.left + ((r.flags & flag_list_no_box) ? 0 : 1);
            // Not when a box over the list hides its cursor line.
            if (row < first || row > last || out.attr_at(text_left, row) != emu::attr::list_cursor) continue;
            out.put(std::max(column, 0), row, '>', emu::attr::list_cursor);
        }
    }
    return out;
}

void session::dump_screen() {
    dumped_ = true;
    std::printf("%s----\n", marked_screen().dump().c_str());
    std::fflush(stdout);
}

}  // namespace tolvik::tools
