// A tiny host for benchmarks: panel control hands out prepared panel records
// (commands 1 and 2) and ignores every other command, so that timings hold
// only the plugin's own work, never the disk or a host's listing.
#pragma once

#include <cstddef>
#include <deque>
#include <string>
#include <vector>

#include "host/panel_info.h"
#include "host/startup_info.h"

namespace tolvik::bench {

// A panel of `count` items, each with a description, an owner and three
// custom column texts; every second item selected.
struct prepared_panel {
    std::vector<panel_item> items;
    std::deque<std::string> texts;
    std::vector<std::vector<char*>> columns;
    panel_info info{};
    // The bytes a snapshot copies: item records and every string with its
    // terminator.
    size_t copied_bytes = 0;
};

void prepare_panel(prepared_panel& panel, int count, const char* directory);

// Installs the host: command 1 fills from `active`, command 2 from `passive`.
void install_host(prepared_panel* active, prepared_panel* passive);

// Hands the plugin a startup record with these services (null ones stay
// null) and a shorten path that cuts the path at the width.
void install_services(panel_control_fn control, get_message_fn lookup = nullptr,
                      send_dialog_message_fn send = nullptr);

}  // namespace tolvik::bench
