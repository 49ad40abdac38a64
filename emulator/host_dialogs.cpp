#include "host_dialogs.h"

#include "host/constants.h"
#include "panel_drawing.h"

namespace tolvik::emu {

dialog_environment host_environment(host& h) {
    dialog_environment env;
    env.input = &h.input();
    env.display = &h.screen();
    env.calls = &h.log();
    env.failure = [&h](const std::string& text) { h.fail(text); };
    env.set_ctrl_held = [&h](bool held) { h.set_key_held(virtual_key_control, held); };
    env.draw_background = [&h](emu::screen& display) { draw_panels(display, h.panels()); };
    return env;
}

}  // namespace tolvik::emu
