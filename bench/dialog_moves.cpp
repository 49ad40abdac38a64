// The view list dialog's cost per key, against formatting the same lines:
//   baseline_format  one snprintf per line, of the same length, into memory
//                    allocated up front
//   move             one Down in a running dialog: every line rebuilt, the
//                    view under the cursor applied (to a host that does nothing)
//   edit             one Ctrl+R (refresh): the layout measured and rebuilt,
//                    every line rebuilt, the view applied again
// The host here answers every service at once, so the figures hold only the
// plugin's own work.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <vector>

#include "bench_host.h"
#include "dialog/list_line.h"
#include "dialog/view_list_dialog_impl.h"
#include "host/constants.h"
#include "host/panel_info.h"
#include "host/services.h"
#include "host/startup_info.h"
#include "registry/registry.h"
#include "views/view_numbers.h"

namespace tolvik::bench {
namespace {

constexpr const char bench_directory[] = "C:\\bench\\views\\folder";

const char* TOLVIK_API get_message(int32_t, int32_t id) {
    switch (id) {
        case msg_list_title:
            return "Panel views";
        case msg_label_file:
            return "file panel";
        default:
            return "other panel";
    }
}

int32_t TOLVIK_API panel_control(host_handle, int32_t command, void* param) {
    if ((command == cmd_get_active_info || command == cmd_get_passive_info) && param) {
        panel_info& info = *static_cast<panel_info*>(param);
        std::memset(&info, 0, sizeof info);
        info.rect = command == cmd_get_active_info ? panel_rect{0, 0, 39, 22} : panel_rect{40, 0, 79, 22};
        std::snprintf(info.current_dir, sizeof info.current_dir, "%s", bench_directory);
        info.sort_mode = 2;
        info.view_mode = 2;
    }
    return 1;
}

param_t TOLVIK_API send_dialog_message(host_handle, int32_t, int32_t, param_t) { return 0; }

void install_dialog_host() { install_services(panel_control, get_message, send_dialog_message); }

// The registry holding `count` views and a running list dialog over it.
view_list_dialog_impl& dialog_with(int count) {
    static int prepared = 0;
    view_list_dialog_impl& dialog = the_view_list_dialog();
    if (prepared != count) {
        dialog.handle_message(dialog.dialog_handle(), dn_close, 0, 0);  // not running
        clear_registry();
        install_dialog_host();
        populate_registry();
        while (static_cast<int>(all_views().size()) < count) add_clone(recent_views().begin());
        dialog.rebuild_layout(recent_views().begin(), list_position{0, 0});
        dialog.list().mark_cursor_applied();
        dialog.handle_message(reinterpret_cast<host_handle>(1), dn_init, 0, 0);  // running
        prepared = count;
    }
    return dialog;
}

void baseline_format(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    view_list_dialog_impl& dialog = dialog_with(count);
    const FarDialogItem& list = dialog.items[1];
    const int digits = digit_count(max_view_number());
    const int label_width = dialog.list().label_width();
    const int path_width = list.right - list.left - digits - label_width - 9;
    std::vector<char> lines(static_cast<size_t>(count) * list_text_size);
    for (auto _ : state) {
        char* line = lines.data();
        for (int i = 0; i < count; ++i, line += list_text_size)
            std::snprintf(line, list_text_size, "%*d%c %-*.*s %c %-*.*s ", digits, i + 1, '.', label_width,
                          label_width, "file panel", ' ', path_width, path_width, bench_directory);
        benchmark::DoNotOptimize(lines.data());
    }
    state.SetItemsProcessed(state.iterations() * count);
}

void move(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    view_list_dialog_impl& dialog = dialog_with(count);
    for (auto _ : state) dialog.list().move_down();
    state.SetItemsProcessed(state.iterations() * count);
}

void edit(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    view_list_dialog_impl& dialog = dialog_with(count);
    for (auto _ : state) dialog.list().refresh();
    state.SetItemsProcessed(state.iterations() * count);
}

BENCHMARK(baseline_format)->Arg(10)->Arg(1000)->Arg(10000);
BENCHMARK(move)->Arg(10)->Arg(1000)->Arg(10000);
BENCHMARK(edit)->Arg(10)->Arg(1000)->Arg(10000);

}  // namespace
}  // namespace tolvik::bench

BENCHMARK_MAIN();
