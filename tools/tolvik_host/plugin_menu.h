// The host's plugin menu: the entries a plugin reports through GetPluginInfo,
// drawn as a box over the panels; Enter picks one (the host then calls
// OpenPlugin), Esc closes it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "host.h"
#include "screen.h"

namespace tolvik::tools {

// The menu texts from the plugin information record the plugin filled. The
// record is untrusted: a null array or a count out of range gives no
// entries; a null entry is shown empty; each text is read up to 128 bytes.
std::vector<std::string> menu_entries(const plugin_info& info);

class plugin_menu {
public:
    // Asks the plugin for its entries (GetPluginInfo).
    void open(emu::host& h);
    bool is_open() const { return open_; }
    void close() { open_ = false; }
    const std::vector<std::string>& entries() const { return entries_; }

    // Moves, picks or closes. Returns the picked entry's index once Enter is
    // pressed (Ctrl held or not), else -1.
    int32_t key(int32_t code);
    // The entry drawn at a cell of `display`, or -1.
    int32_t entry_at(const emu::screen& display, int32_t x, int32_t y) const;
    // Picks an entry as Enter on it does: closes; false when there is none.
    bool pick(int32_t entry);
    void draw(emu::screen& display) const;

private:
    struct box {
        int32_t x0, y0, width, height, inner;
    };
    box layout(const emu::screen& display) const;

    std::vector<std::string> entries_;
    int32_t cursor_ = 0;
    bool open_ = false;
};

}  // namespace tolvik::tools
