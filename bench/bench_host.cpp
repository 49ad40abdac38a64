#include "bench_host.h"

#include <cstdio>
#include <cstring>

#include "host/constants.h"
#include "host/services.h"
#include "host/startup_info.h"

namespace tolvik::bench {
namespace {

prepared_panel* active_panel = nullptr;
prepared_panel* passive_panel = nullptr;

int32_t TOLVIK_API panel_control(host_handle, int32_t command, void* param) {
    prepared_panel* from = command == cmd_get_active_info    ? active_panel
                           : command == cmd_get_passive_info ? passive_panel
                                                             : nullptr;
    if (from && param) std::memcpy(param, &from->info, sizeof(panel_info));
    return 1;
}

char* TOLVIK_API shorten_path(char* path, int32_t width) {
    if (width >= 0 && std::strlen(path) > static_cast<size_t>(width)) path[width] = '\0';
    return path;
}

}  // namespace

void prepare_panel(prepared_panel& panel, int count, const char* directory) {
    panel.items.assign(static_cast<size_t>(count), panel_item{});
    panel.columns.assign(static_cast<size_t>(count), std::vector<char*>(3));
    panel.copied_bytes = static_cast<size_t>(count) * sizeof(panel_item);
    auto keep = [&](std::string text) {
        panel.copied_bytes += text.size() + 1;
        return panel.texts.emplace_back(std::move(text)).data();
    };
    for (int i = 0; i < count; ++i) {
        panel_item& item = panel.items[static_cast<size_t>(i)];
        std::snprintf(item.file_name, sizeof item.file_name, "file%07d.txt", i);
        item.attributes = 0x20;
        item.size_low = static_cast<uint32_t>(i) * 37u;
        item.flags = i % 2 ? 0 : item_selected;
        item.description = keep("description of item " + std::to_string(i));
        item.owner = keep("owner" + std::to_string(i % 97));
        std::vector<char*>& columns = panel.columns[static_cast<size_t>(i)];
        for (int c = 0; c < 3; ++c)
            columns[static_cast<size_t>(c)] = keep("column " + std::to_string(c) + " / " + std::to_string(i));
        item.custom_column_data = columns.data();
        item.custom_column_count = 3;
    }
    panel.info = panel_info{};
    std::snprintf(panel.info.current_dir, sizeof panel.info.current_dir, "%s", directory);
    panel.info.items = panel.items.data();
    panel.info.item_count = count;
    panel.info.sort_mode = 2;
    panel.info.view_mode = 2;
}

void install_host(prepared_panel* active, prepared_panel* passive) {
    active_panel = active;
    passive_panel = passive;
    install_services(panel_control);
}

void install_services(panel_control_fn control, get_message_fn lookup, send_dialog_message_fn send) {
    static standard_functions functions{};
    static startup_info record{};
    functions.size = standard_functions_size;
    functions.shorten_path = shorten_path;
    record.size = startup_info_size;
    record.panel_control = control;
    record.get_message = lookup;
    record.send_dialog_message = send;
    record.functions = &functions;
    copy_startup_info(&record);
}

}  // namespace tolvik::bench
