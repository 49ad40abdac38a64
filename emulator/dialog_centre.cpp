// Where a dialog opened at -1 (centred by the host) stands on the screen.
#include "dialogs.h"

namespace tolvik::emu {

void dialog_engine::centre(open_dialog& dialog, bool horizontal, bool vertical) {
    int32_t screen_width = env_.display ? env_.display->width() : 80;
    int32_t screen_height = env_.display ? env_.display->height() : 25;
    if (horizontal) dialog.left = (screen_width - dialog.width) / 2;
    if (vertical) dialog.top = (screen_height - dialog.height) / 2;
}

void dialog_engine::recentre() {
    for (auto& dialog : stack_) centre(*dialog, dialog->requested_left == -1, dialog->requested_top == -1);
    redraw();
}

}  // namespace tolvik::emu
