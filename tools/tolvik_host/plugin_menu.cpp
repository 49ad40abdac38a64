#include "plugin_menu.h"

#include <algorithm>
#include <cstring>

#include "dialogs.h"
#include "host_texts.h"
#include "key_decoder.h"

namespace tolvik::tools {
namespace {

constexpr int32_t most_entries = 64;
constexpr size_t longest_entry = 128;

}  // namespace

std::vector<std::string> menu_entries(const plugin_info& info) {
    std::vector<std::string> out;
    if (!info.menu_strings || info.menu_string_count <= 0 || info.menu_string_count > most_entries)
        return out;
    for (int32_t i = 0; i < info.menu_string_count; ++i) {
        const char* text = info.menu_strings[i];
        out.push_back(emu::field_text(text, longest_entry));
    }
    return out;
}

void plugin_menu::open(emu::host& h) {
    plugin_info info;
    std::memset(&info, 0, sizeof info);
    h.get_plugin_info(info);
    entries_ = menu_entries(info);
    cursor_ = 0;
    open_ = true;
}

int32_t plugin_menu::key(int32_t code) {
    int32_t count = static_cast<int32_t>(entries_.size());
    switch (code & ~keys::ctrl) {
        case keys::up:
        case keys::wheel_up:
            if (count) cursor_ = (cursor_ + count - 1) % count;
            break;
        case keys::down:
        case keys::wheel_down:
            if (count) cursor_ = (cursor_ + 1) % count;
            break;
        case keys::home:
            cursor_ = 0;
            break;
        case keys::end:
            cursor_ = std::max(count - 1, 0);
            break;
        case keys::esc:
        case keys::f(10):
            open_ = false;
            break;
        case keys::enter:
            open_ = false;
            return count ? cursor_ : -1;
        default:
            break;
    }
    return -1;
}

plugin_menu::box plugin_menu::layout(const emu::screen& display) const {
    box b;
    b.inner = 20;
    for (const std::string& entry : entries_)
        b.inner = std::max<int32_t>(b.inner, static_cast<int32_t>(entry.size()) + 2);
    b.inner = std::min(b.inner, display.width() - 8);
    int32_t rows = std::max<int32_t>(static_cast<int32_t>(entries_.size()), 1);
    b.width = b.inner + 6;
    b.height = std::min(rows + 4, display.box_height());
    b.x0 = (display.width() - b.width) / 2;
    b.y0 = std::max(0, (display.box_height() - b.height) / 2);
    return b;
}

int32_t plugin_menu::entry_at(const emu::screen& display, int32_t x, int32_t y) const {
    if (!open_) return -1;
    box b = layout(display);
    int32_t entry = y - b.y0 - 2;
    if (x < b.x0 + 3 || x > b.x0 + b.width - 4 || entry < 0 || entry >= b.height - 4) return -1;
    return entry < static_cast<int32_t>(entries_.size()) ? entry : -1;
}

bool plugin_menu::pick(int32_t entry) {
    if (entry < 0 || entry >= static_cast<int32_t>(entries_.size())) return false;
    cursor_ = entry;
    open_ = false;
    return true;
}

void plugin_menu::draw(emu::screen& display) const {
    if (!open_) return;
    box b = layout(display);
    display.fill(b.x0, b.y0, b.x0 + b.width - 1, b.y0 + b.height - 1, ' ', emu::attr::dialog);
    display.double_box(b.x0 + 2, b.y0 + 1, b.x0 + b.width - 3, b.y0 + b.height - 2, emu::attr::frame,
                       texts().get("menu.title"));
    if (entries_.empty())
        display.text(b.x0 + 4, b.y0 + 2, texts().get("menu.empty"), emu::attr::dialog, b.inner);
    for (int32_t i = 0; i < static_cast<int32_t>(entries_.size()) && i < b.height - 4; ++i) {
        emu::attr a = i == cursor_ ? emu::attr::list_cursor : emu::attr::dialog;
        display.fill(b.x0 + 3, b.y0 + 2 + i, b.x0 + b.width - 4, b.y0 + 2 + i, ' ', a);
        display.text(b.x0 + 4, b.y0 + 2 + i, entries_[static_cast<size_t>(i)], a, b.inner - 1);
    }
}

}  // namespace tolvik::tools
