// What the interactive host draws around the plugin: the panels, the status
// row, the key bar for the moment, the plugin menu and the host's own help.
#include <cstdio>

#include "host/constants.h"
#include "panel_view.h"
#include "session.h"

namespace tolvik::tools {
namespace {

constexpr const char* host_help[] = {
    "Arrows PgUp PgDn Home End  move     Enter  open the folder (.. up)",
    "Ins Space  select   + all files   - nothing        Tab  other panel",
    "s  next sort mode (Ctrl+F3..F7: name ext time size none)  r  reverse",
    "v  next view mode; 1 brief, 2 medium, 3 full, 4 wide",
    "t tree  q quick view  i information  p plugin's panel  (again: back)",
    "Ctrl+R  read the folder again",
    "",
    "F11  plugin menu: Enter opens tolvik's view list",
    "F12  the view list in Ctrl mode. If the terminal reports key releases:",
    "     hold Ctrl, press F12, walk with Ctrl+~ or arrows, release Ctrl.",
    "     Elsewhere Ctrl counts as held until Space (or F12) lets go.",
    "F1 in the list: the plugin's help      F10  quit",
};

}  // namespace

void session::paint() {
    emu::screen& display = host_.screen();
    if (host_.dialogs().open_count() > 0) {
        host_.dialogs().redraw();
    } else {
        host_.dialogs().draw(display);
        menu_.draw(display);
        if (help_open_) draw_host_help(display);
    }
    if (terminal_.is_open()) terminal_.write(renderer_.frame(display));
}

void session::draw_background(emu::screen& display) {
    draw_panels(display, host_.panels(), drive_c_);
    int32_t height = display.height();
    draw_status(display, height - 2, host_.panels(), host_.failures().size());
    draw_key_bar(display, height - 1, key_bar());
}

std::string session::key_bar() {
    if (host_.dialogs().open_count() == 0)
        return "F1 Help|F10 Quit|F11 Plugins|F12 Ctrl-mode|Ins Sel|s/r Sort|v View|t/q/i/p Type";
    bool held = host_.key_held(virtual_key_control);
    if (ctrl_at_open_ && held && stand_in_ctrl_)
        return "Ctrl held|Up/Down Walk|Space Release Ctrl = keep|Esc Back|Del Delete";
    if (ctrl_at_open_ && held) return "Ctrl held|Ctrl+~ Down|Ctrl+Shift+~ Up|Release Ctrl = keep|Esc Back";
    return "F1 Help|Enter Keep|Esc Back|Del Del|C-S-F3 New|C-F3 Dup|C-S-F5 Num|C-R Refresh";
}

void session::draw_host_help(emu::screen& display) const {
    int32_t inner = 0;
    for (const char* line : host_help)
        inner = std::max<int32_t>(inner, static_cast<int32_t>(std::string(line).size()));
    int32_t lines = static_cast<int32_t>(std::size(host_help));
    int32_t width = std::min(inner + 8, display.width());
    int32_t height = std::min(lines + 4, display.height());
    int32_t x0 = (display.width() - width) / 2;
    int32_t y0 = (display.height() - height) / 2;
    display.fill(x0, y0, x0 + width - 1, y0 + height - 1, ' ', emu::attr::dialog);
    display.double_box(x0 + 2, y0 + 1, x0 + width - 3, y0 + height - 2, emu::attr::frame, "tolvik host keys");
    for (int32_t i = 0; i < lines && y0 + 2 + i < y0 + height - 2; ++i)
        display.text(x0 + 4, y0 + 2 + i, host_help[i], emu::attr::dialog, width - 8);
}

void session::dump_screen() {
    dumped_ = true;
    std::printf("%s----\n", host_.screen().dump().c_str());
    std::fflush(stdout);
}

}  // namespace tolvik::tools
