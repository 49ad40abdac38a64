// A panel's listing as the tests compare it: the names in listing order.
#pragma once

#include <string>
#include <vector>

#include "emulator/panel_model.h"

namespace tolvik::test {

inline std::vector<std::string> item_names(const emu::panel_model& panel, bool files_only = false) {
    std::vector<std::string> out;
    for (const emu::panel_entry& e : panel.items())
        if (!files_only || !e.is_directory()) out.push_back(e.name);
    return out;
}

// The same names joined by single spaces.
inline std::string names(const emu::panel_model& panel, bool files_only = false) {
    std::string out;
    for (const std::string& name : item_names(panel, files_only)) out += (out.empty() ? "" : " ") + name;
    return out;
}

}  // namespace tolvik::test
