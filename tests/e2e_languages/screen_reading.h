// Reading what the host drew: whether a text stands whole at a place of the
// screen, and the screen and open dialogs at the moment a dialog waits for
// input.
#pragma once

#include <string>
#include <vector>

#include "emulator/dialog_state.h"
#include "emulator/host.h"
#include "emulator/screen.h"

namespace tolvik::test {

// True when the cells from (x, y) on hold `text`, every character on the
// screen.
inline bool shows_at(const emu::screen& s, int x, int y, const std::string& text) {
    if (x < 0 || y < 0 || y >= s.height() || x + static_cast<int>(text.size()) > s.width()) return false;
    for (size_t i = 0; i < text.size(); ++i)
        if (s.char_at(x + static_cast<int>(i), y) != text[i]) return false;
    return true;
}

// The column where `text` stands whole in row y between the columns `from`
// and `to` (inclusive), or -1.
inline int column_of(const emu::screen& s, int y, const std::string& text, int from, int to) {
    for (int x = from; x + static_cast<int>(text.size()) - 1 <= to; ++x)
        if (shows_at(s, x, y, text)) return x;
    return -1;
}

// What the host showed when its input ran dry for the first time.
struct sight {
    bool seen = false;
    emu::screen screen;
    std::vector<emu::open_dialog> dialogs;  // outermost first
};

inline sight sight_of(emu::host& host) {
    sight s{true, host.screen(), {}};
    for (size_t i = 0; i < host.dialogs().open_count(); ++i) s.dialogs.push_back(host.dialogs().open(i));
    return s;
}

}  // namespace tolvik::test
