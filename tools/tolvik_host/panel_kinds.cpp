#include "panel_kinds.h"

#include <algorithm>
#include <fstream>
#include <vector>

#include "host_texts.h"
#include "win_path.h"

namespace tolvik::tools {
namespace {

using emu::attr;

struct inner_area {
    int32_t left, top, right, bottom;  // inside the frame, above the separator
    int32_t width() const { return right - left + 1; }
};

inner_area inside(const emu::panel_model& panel) {
    const panel_rect& r = panel.rect;
    return {r.left + 1, r.top + 1, r.right - 1, r.bottom - 3};
}

void footer(emu::screen& display, const emu::panel_model& panel, const std::string& text) {
    const panel_rect& r = panel.rect;
    display.text(r.left + 1, r.bottom - 1, text, attr::panel, r.right - r.left - 1);
}

void centred(emu::screen& display, const inner_area& a, int32_t y, const std::string& text, attr at) {
    int32_t x = a.left + std::max(0, (a.width() - static_cast<int32_t>(text.size())) / 2);
    display.text(x, y, text, at, a.width());
}

}  // namespace

void draw_tree(emu::screen& display, const emu::panel_model& panel, bool active) {
    const host_texts& t = texts();
    inner_area a = inside(panel);
    // The chain of folders from the root down to the directory, then the
    // folders inside it.
    std::vector<std::string> chain;
    std::string path = panel.directory();
    while (!path.empty()) {
        chain.push_back(path);
        if (emu::win_path::is_root(path)) break;
        path = emu::win_path::parent(path);
    }
    std::reverse(chain.begin(), chain.end());
    int32_t y = a.top;
    int32_t depth = 0;
    for (const std::string& folder : chain) {
        if (y > a.bottom) break;
        std::string name = emu::win_path::is_root(folder) ? folder : emu::win_path::leaf(folder);
        bool current = folder == panel.directory();
        attr at = current ? (active ? attr::active_cursor : attr::cursor_line) : attr::panel;
        std::string line(static_cast<size_t>(depth * 2), ' ');
        line += (depth == 0 ? "" : "+-") + name;
        display.fill(a.left, y, a.right, y, ' ', current ? at : attr::panel);
        display.text(a.left, y++, line, at, a.width());
        ++depth;
    }
    for (const emu::panel_entry& entry : panel.items()) {
        if (y > a.bottom) break;
        if (!entry.is_directory() || entry.is_parent()) continue;
        std::string line(static_cast<size_t>(depth * 2), ' ');
        display.text(a.left, y++, line + "+-" + entry.name, attr::panel, a.width());
    }
    footer(display, panel, t.get("panel.tree"));
}

void draw_quick_view(emu::screen& display, const emu::panel_model& panel, const emu::panel_model& other) {
    const host_texts& t = texts();
    inner_area a = inside(panel);
    if (other.items().empty() || other.type != panel_file || other.plugin != 0) {
        centred(display, a, a.top + 1, t.get("panel.nothing"), attr::panel);
        footer(display, panel, t.get("panel.quick_view"));
        return;
    }
    const emu::panel_entry& entry = other.items()[static_cast<size_t>(std::max(other.cursor(), 0))];
    display.text(a.left, a.top, entry.name, attr::panel_title, a.width());
    int32_t y = a.top + 2;
    if (entry.is_directory()) {
        centred(display, a, y, t.get(entry.is_parent() ? "panel.parent" : "panel.folder"), attr::panel);
    } else {
        std::string path = other.directory();
        if (path.empty() || path.back() != '\\') path += '\\';
        // Only the start of the file: what fits the panel.
        std::ifstream file(emu::win_path::native(path + entry.name), std::ios::binary);
        std::string head(8192, '\0');
        file.read(head.data(), static_cast<std::streamsize>(head.size()));
        head.resize(static_cast<size_t>(std::max<std::streamsize>(file.gcount(), 0)));
        size_t start = 0;
        while (y <= a.bottom && start < head.size()) {
            size_t end = head.find('\n', start);
            if (end == std::string::npos) end = head.size();
            std::string line = head.substr(start, end - start);
            if (!line.empty() && line.back() == '\r') line.pop_back();
            display.text(a.left, y++, line, attr::panel, a.width());
            start = end + 1;
        }
    }
    footer(display, panel, t.get("panel.quick_view"));
}

void draw_information(emu::screen& display, const emu::panel_model& panel, const emu::panel_model& other,
                      const std::string& drive_c) {
    const host_texts& t = texts();
    inner_area a = inside(panel);
    size_t folders = 0;
    size_t files = 0;
    unsigned long long bytes = 0;
    for (const emu::panel_entry& entry : other.items()) {
        if (entry.is_parent()) continue;
        if (entry.is_directory()) {
            ++folders;
        } else {
            ++files;
            bytes += entry.size;
        }
    }
    std::vector<std::string> lines = {
        t.get("panel.info_heading"),
        "",
        fill(t.get("panel.info_drive"), {{"folder", drive_c}}),
        "",
        t.get("panel.info_other"),
        "  " + other.directory(),
        "  " + fill(t.get("panel.info_counts"),
                    {{"folders", std::to_string(folders)}, {"files", std::to_string(files)}}),
        "  " + fill(t.get("panel.info_bytes"), {{"bytes", std::to_string(bytes)}}),
        "  " +
            fill(t.get("panel.info_selected"), {{"selected", std::to_string(other.selected_names().size())}}),
    };
    int32_t y = a.top;
    for (const std::string& line : lines) {
        if (y > a.bottom) break;
        display.text(a.left, y++, line, attr::panel, a.width());
    }
    footer(display, panel, t.get("panel.information"));
}

void draw_plugin_stand_in(emu::screen& display, const emu::panel_model& panel) {
    const host_texts& t = texts();
    inner_area a = inside(panel);
    int32_t y = a.top + std::max(0, (a.bottom - a.top) / 2 - 1);
    centred(display, a, y, t.get("panel.plugin_heading"), attr::panel_title);
    centred(display, a, y + 2, t.get("panel.plugin_note"), attr::panel);
    footer(display, panel, t.get("panel.plugin"));
}

}  // namespace tolvik::tools
